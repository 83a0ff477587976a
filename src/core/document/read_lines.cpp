// Reading verified lines into subtitles: start, end (milliseconds) and text.
#include <algorithm>

#include "document/document.h"
#include "document/line_patterns.h"
#include "document/text_scan.h"
#include "document/units.h"

namespace tessary {

namespace {

std::int64_t Digit(std::string_view s, std::size_t pos1) {
  return pos1 >= 1 && pos1 <= s.size() && IsDigit(s[pos1 - 1]) ? s[pos1 - 1] - '0' : 0;
}

// The number written by the digits at the given 1-based positions.
std::int64_t DigitsAt(std::string_view s, std::initializer_list<std::size_t> positions) {
  std::int64_t v = 0;
  for (std::size_t p : positions) v = v * 10 + Digit(s, p);
  return v;
}

// Hours, minutes and milliseconds as one time, held to what a time can be.
std::int32_t TimeMs(std::int64_t hours, std::int64_t minutes, std::int64_t ms) {
  return ClampToInt32(hours * 3600000 + minutes * 60000 + ms);
}

std::int32_t SubRipStart(std::string_view t) {
  return TimeMs(DigitsAt(t, {1, 2}), DigitsAt(t, {4, 5}), DigitsAt(t, {7, 8, 10, 11, 12}));
}

std::int32_t SubRipEnd(std::string_view t) {
  return TimeMs(DigitsAt(t, {18, 19}), DigitsAt(t, {21, 22}), DigitsAt(t, {24, 25, 27, 28, 29}));
}

bool IsSubRipCounter(const std::vector<std::string>& lines, int i, int count) {
  return IsAllDigits(lines[i]) && i < count && TimeLineScore(lines[i + 1]);
}

bool HasAngle(std::string_view s) { return ContainsEither(s, '<', '>'); }

// Gives a line's memory back at once.
void Release(std::string& line) { std::string().swap(line); }

// "{start}{end}text" in place: the frames become times and the codes leave the text.
void ReadMicroDVDSubtitle(SubtitleStore& s, int i, double frameRate) {
  std::string_view line = s.Texts[i];
  std::size_t k = std::min(line.find('}'), line.size());
  std::string_view first = line.substr(std::min<std::size_t>(1, k), k > 0 ? k - 1 : 0);
  std::size_t secondStart = std::min(k + 2, line.size());
  std::size_t j = std::min(line.find('}', secondStart), line.size());
  std::string_view second = line.substr(secondStart, j - secondStart);
  s.StartValues[i] = first.empty() ? -1 : FramesToMs(ReadNumber(first.substr(0, 7)), frameRate);
  s.EndValues[i] = second.empty() ? -1 : FramesToMs(ReadNumber(second.substr(0, 7)), frameRate);
  s.Texts[i].erase(0, std::min(j + 1, line.size()));
  if (ContainsEither(s.Texts[i], '{', '}')) s.BraceCodesFound = true;
}

// One subtitle a line; each line becomes its subtitle's text.
void ReadMicroDVD(SubtitleStore& s, double frameRate) {
  s.Texts.swap(s.RawLines);
  s.EnsureSubtitles(s.SubtitleCount);
  for (int i = 1; i <= s.SubtitleCount; ++i) ReadMicroDVDSubtitle(s, i, frameRate);
}

// Subtitle n from the block whose counter is line `counter` and whose text ends at line
// `last`. Lines past LineCount count as empty.
void ReadSubRipBlock(SubtitleStore& s, int n, int counter, int last) {
  auto& lines = s.RawLines;
  s.EnsureSubtitles(n);
  s.StartValues[n] = SubRipStart(lines[counter + 1]);
  s.EndValues[n] = SubRipEnd(lines[counter + 1]);
  Release(lines[counter + 1]);
  std::string& text = s.Texts[n];
  text.clear();
  for (int k = counter + 2; k <= std::max(last, counter + 2); ++k) {
    if (k > counter + 2) text += '|';
    if (k > s.LineCount) continue;
    if (HasAngle(lines[k])) s.AngleTagsFound = true;
    if (text.empty()) {
      text.swap(lines[k]);
    } else {
      text += lines[k];
    }
    Release(lines[k]);
  }
}

// A block runs from its counter to the line before the next counter; the last one ends at
// the first empty line after its text.
void ReadSubRip(SubtitleStore& s) {
  auto& lines = s.RawLines;
  s.EnsureSubtitles(s.SubtitleCount);
  int n = 0, previous = 0;
  for (int i = 1; i <= s.LineCount; ++i) {
    if (!IsSubRipCounter(lines, i, s.LineCount)) continue;
    if (n >= 1) ReadSubRipBlock(s, n, previous, i - 2);
    ++n;
    previous = i;
  }
  if (n >= 1) {
    int last = previous + 2;
    while (last + 1 <= s.LineCount && !lines[last + 1].empty()) ++last;
    ReadSubRipBlock(s, n, previous, last);
  }
  s.SetSubtitleCount(n);
}

bool IsIntervalLine(std::string_view t) {
  return t.size() == IntervalLinePattern.size() && Matches(t, 0, IntervalLinePattern);
}

// Lines from..to joined with '|', without a trailing empty line; the first "[br]" breaks too.
void JoinTimePairText(std::string& text, const std::vector<std::string>& lines, int from, int to) {
  text.clear();
  for (int k = from; k <= to; ++k) (text += lines[k]) += '|';
  if (!text.empty()) text.pop_back();
  if (!text.empty() && text.back() == '|') text.pop_back();
  if (std::size_t br = text.find("[br]"); br != std::string::npos) text.replace(br, 4, "|");
}

// A line "start,end" in hundredths, then the text up to the next such line.
void ReadTimePair(SubtitleStore& s) {
  auto& lines = s.RawLines;
  int n = 0, previous = 0;
  for (int i = 1; i <= s.LineCount; ++i) {
    if (!IsIntervalLine(lines[i])) continue;
    if (n >= 1) JoinTimePairText(s.Texts[n], lines, previous + 1, i - 1);
    ++n;
    s.EnsureSubtitles(n);
    std::string_view t = lines[i];
    s.StartValues[n] = TimeMs(DigitsAt(t, {1, 2}), DigitsAt(t, {4, 5}), DigitsAt(t, {7, 8, 10, 11}) * 10);
    s.EndValues[n] = TimeMs(DigitsAt(t, {13, 14}), DigitsAt(t, {16, 17}), DigitsAt(t, {19, 20, 22, 23}) * 10);
    previous = i;
  }
  if (n >= 1) JoinTimePairText(s.Texts[n], lines, previous + 1, s.LineCount);
  s.SetSubtitleCount(n);
}

// The 1-based place of `what` in `t`, 0 when it is not there.
std::size_t PlaceOf(std::string_view t, std::string_view what) {
  std::size_t at = t.find(what);
  return at == std::string_view::npos ? 0 : at + 1;
}

// The text of a dialogue line: after its fixed fields, "/N" breaking lines.
std::string SsaText(std::string_view t) {
  std::size_t p = std::max(PlaceOf(t, ",0000,!Effect,") + 14, PlaceOf(t, ",0000,,") + 7);
  std::size_t length = t.size() > 67 ? t.size() - 67 : 0;
  std::string text(p - 1 < t.size() ? t.substr(p - 1, length) : std::string_view());
  for (std::size_t at = text.find("/N"); at != std::string::npos; at = text.find("/N", at + 1))
    text.replace(at, 2, "|");
  return text;
}

// One subtitle per dialogue line; the other lines are passed over.
void ReadSsa(SubtitleStore& s) {
  int n = 0;
  for (int i = 1; i <= s.LineCount; ++i) {
    std::string_view t = s.RawLines[i];
    if (!t.starts_with(DialoguePrefix)) continue;
    ++n;
    s.EnsureSubtitles(n);
    s.StartValues[n] =
        TimeMs(Digit(t, 20), DigitsAt(t, {22, 23}), DigitsAt(t, {25, 26}) * 1000 + DigitsAt(t, {28, 29}) * 10);
    s.EndValues[n] =
        TimeMs(Digit(t, 31), DigitsAt(t, {33, 34}), DigitsAt(t, {36, 37}) * 1000 + DigitsAt(t, {39, 40}) * 10);
    s.Texts[n] = SsaText(t);
  }
}

// A start (hours, minutes, seconds) at the head of each line, then its text; a subtitle
// lasts until the next one starts, the last one three seconds.
void ReadTimePrefix(SubtitleStore& s) {
  s.SetSubtitleCount(s.LineCount);
  for (int i = 1; i <= s.SubtitleCount; ++i) {
    std::string_view t = s.RawLines[i];
    s.StartValues[i] = TimeMs(DigitsAt(t, {1, 2}), DigitsAt(t, {4, 5}), DigitsAt(t, {7, 8}) * 1000);
    s.Texts[i] = t.size() > 9 ? std::string(t.substr(9)) : std::string();
  }
  for (int i = 1; i < s.SubtitleCount; ++i) s.EndValues[i] = s.StartValues[i + 1];
  if (s.SubtitleCount >= 1)
    s.EndValues[s.SubtitleCount] = ClampToInt32(std::int64_t{s.StartValues[s.SubtitleCount]} + 3000);
}

}  // namespace

// The lines are let go as they are read, so that a large document is not held twice: a
// MicroDVD text takes the place of its line, a SubRip text is made of its lines.
void Document::ReadSubtitleLines() {
  auto& s = store_;
  s.BraceCodesFound = s.AngleTagsFound = false;
  switch (s.DetectionCode) {
    case Layout::MicroDVD:
      ReadMicroDVD(s, FrameRate_);
      break;
    case Layout::SubRip:
      ReadSubRip(s);
      break;
    case Layout::TimePair:
      ReadTimePair(s);
      break;
    case Layout::Ssa:
      ReadSsa(s);
      break;
    case Layout::TimePrefix:
      ReadTimePrefix(s);
      break;
    case Layout::Unknown:
      break;
  }
  std::vector<std::string>(1).swap(s.RawLines);
}

}  // namespace tessary
