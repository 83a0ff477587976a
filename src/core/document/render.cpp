// Rendering: the store written into the editing area as MicroDVD or SubRip text.
#include <algorithm>

#include "document/document.h"
#include "document/line_split.h"
#include "document/style_marks.h"
#include "document/text_scan.h"
#include "document/units.h"

namespace tessary {

// Blanks that a removed style mark or a "|" inside a line leaves at the ends of a line are
// not written: the next verification would only trim them again.
void Document::LinesInText() {
  GetLocNr();
  auto& s = store;
  s.BraceCodesFound = s.AngleTagsFound = false;
  std::string text;
  if (s.CurrentType == TypeMicroDVD) {
    s.EnsureLines(s.SubtitleCount);
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      SubRipToMicroDVD(s.Texts[i]);
      std::string& line = s.RawLines[i];
      line = "{";
      if (s.StartValues[i] != -1) AppendNumber(line, MsToFrames(s.StartValues[i], FrameRate));
      line += "}{";
      if (s.EndValues[i] != -1) AppendNumber(line, MsToFrames(s.EndValues[i], FrameRate));
      line += "}";
      line += s.Texts[i];
      TrimLineEnds(line);
      if (ContainsEither(s.Texts[i], '{', '}')) s.BraceCodesFound = true;
    }
    text = JoinLines(s.RawLines, 1, s.SubtitleCount);
  } else if (s.CurrentType == TypeSubRip) {
    int k = 1;
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      MicroDVDToSubRip(s.Texts[i]);
      const std::string& body = s.Texts[i];
      s.EnsureLines(k + 3 + static_cast<int>(std::count(body.begin(), body.end(), '|')));
      std::string& counter = s.RawLines[k++];
      counter.clear();
      AppendNumber(counter, i);
      std::string& times = s.RawLines[k++];
      times.clear();
      AppendTime(times, s.StartValues[i], settings.CommaInSubRip);
      times += " --> ";
      AppendTime(times, s.EndValues[i], settings.CommaInSubRip);
      std::size_t from = 0;
      for (;;) {
        std::size_t bar = body.find('|', from);
        std::string& shown = s.RawLines[k++];
        shown.assign(body, from, bar == std::string::npos ? std::string::npos : bar - from);
        TrimLineEnds(shown);
        if (bar == std::string::npos) break;
        from = bar + 1;
      }
      s.RawLines[k++].clear();
      if (ContainsEither(body, '<', '>')) s.AngleTagsFound = true;
    }
    s.LineCount = k - 1;
    text = JoinLines(s.RawLines, 1, s.LineCount);
  }
  SetEditorText(std::move(text));
  if (s.FirstParseAfterLoad || !settings.FontColourIsSystem) editor_.ResetColour();
  GoToLocNr(CaretLine, CaretColumn, false);
}

}  // namespace tessary
