// Rendering: the store written into the editing area as MicroDVD or SubRip text.
#include <algorithm>

#include "document/document.h"
#include "document/line_split.h"
#include "document/style_marks.h"
#include "document/text_scan.h"
#include "document/units.h"

namespace tessary {

namespace {

// The most characters a written number takes.
constexpr std::size_t NumberRoom = 20;
// A SubRip counter, its time line and the blank line after the block, each with its line end.
constexpr std::size_t SubRipBlockRoom = NumberRoom + 2 + 29 + 2 + 2;

// Ends the line written last: blanks and backspaces at its end are dropped (its start is
// never a blank here), and the line break follows.
void EndLine(std::string& text, std::size_t lineStart) {
  std::size_t end = text.size();
  while (end > lineStart && (text[end - 1] == ' ' || text[end - 1] == '\b')) --end;
  text.resize(end);
  text += "\r\n";
}

}  // namespace

// Blanks that a removed style mark or a "|" inside a line leaves at the ends of a line are
// not written: the next verification would only trim them again. The lines go straight into
// one text, which gets its room at once, after the text it replaces is let go: a large
// document is never held twice.
void Document::LinesInText() {
  GetLocNr();
  auto& s = store;
  s.BraceCodesFound = s.AngleTagsFound = false;
  const bool microDvd = s.CurrentType == TypeMicroDVD;
  const bool subRip = s.CurrentType == TypeSubRip;
  std::size_t room = 0;
  for (int i = 1; i <= s.SubtitleCount && (microDvd || subRip); ++i) {
    std::string& body = s.Texts[i];
    if (microDvd) {
      SubRipToMicroDVD(body);
      if (ContainsEither(body, '{', '}')) s.BraceCodesFound = true;
      room += 4 + 2 * NumberRoom + body.size() + 2;
    } else {
      MicroDVDToSubRip(body);
      if (ContainsEither(body, '<', '>')) s.AngleTagsFound = true;
      room += SubRipBlockRoom + body.size() + static_cast<std::size_t>(std::count(body.begin(), body.end(), '|')) + 2;
    }
  }
  SetEditorText(std::string());
  std::string text;
  text.reserve(room);
  if (microDvd) {
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      const std::size_t start = text.size();
      text += '{';
      if (s.StartValues[i] != -1) AppendNumber(text, MsToFrames(s.StartValues[i], FrameRate));
      text += "}{";
      if (s.EndValues[i] != -1) AppendNumber(text, MsToFrames(s.EndValues[i], FrameRate));
      text += '}';
      text += s.Texts[i];
      EndLine(text, start);
    }
  } else if (subRip) {
    int lines = 0;
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      AppendNumber(text, i);
      text += "\r\n";
      AppendTime(text, s.StartValues[i], settings.CommaInSubRip);
      text += " --> ";
      AppendTime(text, s.EndValues[i], settings.CommaInSubRip);
      text += "\r\n";
      const std::string_view body = s.Texts[i];
      for (std::size_t from = 0;;) {
        const std::size_t bar = std::min(body.find('|', from), body.size());
        text += TrimmedLineEnds(body.substr(from, bar - from));
        text += "\r\n";
        ++lines;
        if (bar == body.size()) break;
        from = bar + 1;
      }
      text += "\r\n";
      lines += 3;
    }
    s.LineCount = lines;
  }
  // The last line has no line break after it.
  if (!text.empty()) text.resize(text.size() - 2);
  SetEditorText(std::move(text));
  if (s.FirstParseAfterLoad || !settings.FontColourIsSystem) editor_.ResetColour();
  GoToLocNr(CaretLine, CaretColumn, false);
}

}  // namespace tessary
