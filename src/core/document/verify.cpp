// Verification: the shape checks common to every layout, and the problem report.
#include "document/line_patterns.h"
#include "document/line_split.h"
#include "document/verify_rules.h"

namespace tessary {

void Document::VerifySubtitle() {
  VerifiedOK_ = true;
  for (int i = 1; i <= store_.LineCount; ++i) store_.ChangeCount += TrimLineEnds(store_.RawLines[i]);
  VerifyRules rules{*this};
  switch (store_.DetectionCode) {
    case Layout::MicroDVD:
      rules.MicroDVD();
      break;
    case Layout::SubRip:
      rules.SubRip();
      break;
    case Layout::TimePair:
      rules.TimePair();
      break;
    case Layout::Ssa:
      rules.Ssa();
      break;
    case Layout::TimePrefix:
      rules.TimePrefix();
      break;
    case Layout::Unknown:
      break;
  }
}

void Document::ReportLine(int line, std::string_view quotedLine, std::string_view detail) {
  VerifiedOK_ = false;
  std::string text =
      Text(Msg::ProblemsWithLine) + " " + std::to_string(line) + ":\r\n\"" + std::string(quotedLine) + "\"";
  if (!detail.empty()) text += "\r\n" + std::string(detail);
  Show(Icon::Error, text);
}

void VerifyRules::Report(int line, const LineProblem& problem) {
  auto& store = doc.store_;
  store.EnsureLines(line);
  doc.ReportLine(line, Line(line), problem.detail);
  if (store.ChangeCount > store.ReportedChangeCount) doc.SetEditorText(JoinLines(store.RawLines, 1, store.LineCount));
  doc.GoToLocNr(line, problem.column, true);
}

LineProblem PatternProblem(std::string_view text, std::size_t offset, std::string_view pattern,
                           const MessageTable& messages) {
  int at = FirstMismatch(text, offset, pattern);
  if (at < 0) return {static_cast<int>(offset) + 1, ""};
  if (static_cast<std::size_t>(at) >= text.size())
    return {static_cast<int>(text.size()) + 1, messages[Msg::LineTooShort]};
  const std::string found = "\"" + std::string(1, text[at]) + "\"";
  const char want = pattern[at - offset];
  if (want == 'd') return {at + 1, found + " " + messages[Msg::NotANumber]};
  return {at + 1, found + "<>\"" + std::string(1, want == '~' ? '.' : want) + "\""};
}

}  // namespace tessary
