// Rendering: the store written into the editing area as MicroDVD or SubRip text.
#include "document/render.h"

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

int Separators(const std::string& body) { return static_cast<int>(std::count(body.begin(), body.end(), '|')); }

}  // namespace

std::size_t RenderRoom(SubtitleType type, std::size_t size, int separators) {
  if (type == SubtitleType::MicroDVD) return 4 + 2 * NumberRoom + size + 2;
  return type == SubtitleType::SubRip ? SubRipBlockRoom + size + static_cast<std::size_t>(separators) + 2 : 0;
}

// Blanks that a removed style mark or a "|" inside a line leaves at the ends of a line are
// not written: the next verification would only trim them again. The lines go straight into
// one text, which gets its room at once.
std::string Render(const SubtitleStore& s, SubtitleType type, double frameRate, bool commaInSubRip, std::size_t room) {
  std::string text;
  if (type != SubtitleType::MicroDVD && type != SubtitleType::SubRip) return text;
  if (room == 0)
    for (int i = 1; i <= s.SubtitleCount; ++i)
      room += RenderRoom(type, s.Texts[i].size(), type == SubtitleType::SubRip ? Separators(s.Texts[i]) : 0);
  text.reserve(room);
  if (type == SubtitleType::MicroDVD) {
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      const std::size_t start = text.size();
      text += '{';
      if (s.StartValues[i] != -1) AppendNumber(text, MsToFrames(s.StartValues[i], frameRate));
      text += "}{";
      if (s.EndValues[i] != -1) AppendNumber(text, MsToFrames(s.EndValues[i], frameRate));
      text += '}';
      text += s.Texts[i];
      EndLine(text, start);
    }
  } else {
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      AppendNumber(text, i);
      text += "\r\n";
      AppendTime(text, s.StartValues[i], commaInSubRip);
      text += " --> ";
      AppendTime(text, s.EndValues[i], commaInSubRip);
      text += "\r\n";
      const std::string_view body = s.Texts[i];
      for (std::size_t from = 0;;) {
        const std::size_t bar = std::min(body.find('|', from), body.size());
        text += TrimmedLineEnds(body.substr(from, bar - from));
        text += "\r\n";
        if (bar == body.size()) break;
        from = bar + 1;
      }
      text += "\r\n";
    }
  }
  // The last line has no line break after it.
  if (!text.empty()) text.resize(text.size() - 2);
  return text;
}

// The texts take the notation of the current type first. A display line that a removed mark
// leaves empty, or that the line end trims away, goes as the next verification would take it
// (in SubRip a blank line would even end the block and cut the lines after it off). The text
// the editing area held is let go before the new one is made, so that a large document is
// never held twice.
void Document::LinesInText(bool render) {
  GetLocNr();
  auto& s = store_;
  s.BraceCodesFound = s.AngleTagsFound = false;
  int subRipLines = 0;
  std::size_t room = 0;
  for (int i = 1; i <= s.SubtitleCount; ++i) {
    std::string& body = s.Texts[i];
    int separators = 0;
    if (s.CurrentType == SubtitleType::MicroDVD) {
      SubRipToMicroDVD(body);
      RemoveUnwrittenDisplayLines(body, false);
      if (ContainsEither(body, '{', '}')) s.BraceCodesFound = true;
    } else if (s.CurrentType == SubtitleType::SubRip) {
      MicroDVDToSubRip(body);
      RemoveUnwrittenDisplayLines(body, true);
      if (ContainsEither(body, '<', '>')) s.AngleTagsFound = true;
      separators = Separators(body);
      subRipLines += 4 + separators;
    }
    room += RenderRoom(s.CurrentType, body.size(), separators);
  }
  if (s.CurrentType == SubtitleType::SubRip) s.LineCount = subRipLines;
  if (render) {
    SetEditorText(std::string());
    SetEditorText(Render(s, s.CurrentType, FrameRate_, settings_.CommaInSubRip, room));
  }
  if (s.FirstParseAfterLoad || !settings_.FontColourIsSystem) editor_.ResetColour();
  GoToLocNr(CaretLine_, CaretColumn_, false);
}

}  // namespace tessary
