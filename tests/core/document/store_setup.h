// Puts a document's store into the state one step of the parse starts from, and reads it back.
#pragma once

#include <string>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {

// The raw lines as detection leaves them; for MicroDVD one subtitle a line, as the parse sets it.
inline void SetRawLines(Document& doc, const std::vector<std::string>& lines, int detectionCode) {
  auto& s = doc.StoreForSetup();
  s.RawLines.assign(1, "");
  s.RawLines.insert(s.RawLines.end(), lines.begin(), lines.end());
  s.LineCount = static_cast<int>(lines.size());
  s.DetectionCode = static_cast<Layout>(detectionCode);
  s.CurrentType = detectionCode == 1 ? SubtitleType::MicroDVD : SubtitleType::SubRip;
  s.SubtitleCount = detectionCode == 1 ? s.LineCount : 0;
  s.SubtitleLoaded = true;
}

inline std::vector<std::string> RawLinesOf(const Document& doc) {
  return {doc.store().RawLines.begin() + 1, doc.store().RawLines.begin() + 1 + doc.store().LineCount};
}

inline const std::string TimeLineInText =
    "A line of the text would read as a time line in SubRip.\r\nPlease change that line...";

inline std::string ChangesMade(int n) {
  return "Problems were detected - there were made " + std::to_string(n) + " changes";
}

inline std::string ProblemReport(int line, const std::string& quoted, const std::string& detail) {
  std::string text = "Problems with line nr. " + std::to_string(line) + ":\r\n\"" + quoted + "\"";
  return detail.empty() ? text : text + "\r\n" + detail;
}

}  // namespace tessary::testing
