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

std::int32_t SubRipStart(std::string_view t) {
  return ClampToInt32(DigitsAt(t, {1, 2}) * 3600000 + DigitsAt(t, {4, 5}) * 60000 + DigitsAt(t, {7, 8, 10, 11, 12}));
}

std::int32_t SubRipEnd(std::string_view t) {
  return ClampToInt32(DigitsAt(t, {18, 19}) * 3600000 + DigitsAt(t, {21, 22}) * 60000 +
                      DigitsAt(t, {24, 25, 27, 28, 29}));
}

bool IsSubRipCounter(const std::vector<std::string>& lines, int i, int count) {
  return IsAllDigits(lines[i]) && i < count && TimeLineScore(lines[i + 1]);
}

bool HasAngle(std::string_view s) { return ContainsEither(s, '<', '>'); }

// Gives a line's memory back at once.
void Release(std::string& line) { std::string().swap(line); }

}  // namespace

// The lines are let go as they are read, so that a large document is not held twice: a
// MicroDVD text takes the place of its line, a SubRip text is made of its lines.
void Document::ReadSubtitleLines() {
  auto& s = store;
  s.BraceCodesFound = s.AngleTagsFound = false;
  auto& lines = s.RawLines;
  switch (s.DetectionCode) {
    case 1: {
      s.Texts.swap(lines);
      s.EnsureSubtitles(s.SubtitleCount);
      for (int i = 1; i <= s.SubtitleCount; ++i) {
        std::string_view line = s.Texts[i];
        std::size_t k = std::min(line.find('}'), line.size());
        std::string_view first = line.substr(std::min<std::size_t>(1, k), k > 0 ? k - 1 : 0);
        std::size_t secondStart = std::min(k + 2, line.size());
        std::size_t j = std::min(line.find('}', secondStart), line.size());
        std::string_view second = line.substr(secondStart, j - secondStart);
        s.StartValues[i] = first.empty() ? -1 : FramesToMs(ReadNumber(first.substr(0, 7)), FrameRate);
        s.EndValues[i] = second.empty() ? -1 : FramesToMs(ReadNumber(second.substr(0, 7)), FrameRate);
        s.Texts[i].erase(0, std::min(j + 1, line.size()));
        if (ContainsEither(s.Texts[i], '{', '}')) s.BraceCodesFound = true;
      }
      break;
    }
    case 2: {
      s.EnsureSubtitles(s.SubtitleCount);
      int n = 0, previous = 0;
      auto close = [&](int last) {
        s.EnsureSubtitles(n);
        s.StartValues[n] = SubRipStart(lines[previous + 1]);
        s.EndValues[n] = SubRipEnd(lines[previous + 1]);
        Release(lines[previous + 1]);
        std::string& text = s.Texts[n];
        text.clear();
        // Lines past LineCount count as empty.
        for (int k = previous + 2; k <= std::max(last, previous + 2); ++k) {
          if (k > previous + 2) text += '|';
          if (k > s.LineCount) continue;
          if (HasAngle(lines[k])) s.AngleTagsFound = true;
          if (text.empty()) {
            text.swap(lines[k]);
          } else {
            text += lines[k];
          }
          Release(lines[k]);
        }
      };
      for (int i = 1; i <= s.LineCount; ++i) {
        if (!IsSubRipCounter(lines, i, s.LineCount)) continue;
        if (n >= 1) close(i - 2);
        ++n;
        previous = i;
      }
      if (n >= 1) {
        int last = previous + 2;
        while (last + 1 <= s.LineCount && !lines[last + 1].empty()) ++last;
        close(last);
      }
      s.SubtitleCount = n;
      break;
    }
    case 3: {
      int n = 0, previous = 0;
      auto closeText = [&](int from, int to) {
        std::string& text = s.Texts[n];
        text.clear();
        for (int k = from; k <= to; ++k) (text += lines[k]) += '|';
        if (!text.empty()) text.pop_back();
        if (!text.empty() && text.back() == '|') text.pop_back();
        if (std::size_t br = text.find("[br]"); br != std::string::npos) text.replace(br, 4, "|");
      };
      auto isTimeLine = [](std::string_view t) {
        return t.size() == IntervalLinePattern.size() && Matches(t, 0, IntervalLinePattern);
      };
      for (int i = 1; i <= s.LineCount; ++i) {
        if (!isTimeLine(lines[i])) continue;
        if (n >= 1) closeText(previous + 1, i - 1);
        ++n;
        s.EnsureSubtitles(n);
        std::string_view t = lines[i];
        s.StartValues[n] = ClampToInt32(DigitsAt(t, {1, 2}) * 3600000 + DigitsAt(t, {4, 5}) * 60000 +
                                        DigitsAt(t, {7, 8, 10, 11}) * 10);
        s.EndValues[n] = ClampToInt32(DigitsAt(t, {13, 14}) * 3600000 + DigitsAt(t, {16, 17}) * 60000 +
                                      DigitsAt(t, {19, 20, 22, 23}) * 10);
        previous = i;
      }
      if (n >= 1) closeText(previous + 1, s.LineCount);
      s.SubtitleCount = n;
      break;
    }
    case 4: {
      int n = 0;
      for (int i = 1; i <= s.LineCount; ++i) {
        std::string_view t = lines[i];
        if (!t.starts_with(DialoguePrefix)) continue;
        ++n;
        s.EnsureSubtitles(n);
        s.StartValues[n] = ClampToInt32(Digit(t, 20) * 3600000 + DigitsAt(t, {22, 23}) * 60000 +
                                        DigitsAt(t, {25, 26}) * 1000 + DigitsAt(t, {28, 29}) * 10);
        s.EndValues[n] = ClampToInt32(Digit(t, 31) * 3600000 + DigitsAt(t, {33, 34}) * 60000 +
                                      DigitsAt(t, {36, 37}) * 1000 + DigitsAt(t, {39, 40}) * 10);
        auto position = [&](std::string_view what) -> std::size_t {
          std::size_t at = t.find(what);
          return at == std::string_view::npos ? 0 : at + 1;
        };
        std::size_t p = std::max(position(",0000,!Effect,") + 14, position(",0000,,") + 7);
        std::size_t length = t.size() > 67 ? t.size() - 67 : 0;
        std::string text(p - 1 < t.size() ? t.substr(p - 1, length) : std::string_view());
        for (std::size_t at = text.find("/N"); at != std::string::npos; at = text.find("/N", at + 1))
          text.replace(at, 2, "|");
        s.Texts[n] = std::move(text);
      }
      break;
    }
    case 5: {
      s.SubtitleCount = s.LineCount;
      s.EnsureSubtitles(s.SubtitleCount);
      for (int i = 1; i <= s.SubtitleCount; ++i) {
        std::string_view t = lines[i];
        s.StartValues[i] =
            ClampToInt32(DigitsAt(t, {1, 2}) * 3600000 + DigitsAt(t, {4, 5}) * 60000 + DigitsAt(t, {7, 8}) * 1000);
        s.Texts[i] = t.size() > 9 ? std::string(t.substr(9)) : std::string();
      }
      for (int i = 1; i < s.SubtitleCount; ++i) s.EndValues[i] = s.StartValues[i + 1];
      if (s.SubtitleCount >= 1)
        s.EndValues[s.SubtitleCount] = ClampToInt32(std::int64_t{s.StartValues[s.SubtitleCount]} + 3000);
      break;
    }
    default:
      break;
  }
  std::vector<std::string>(1).swap(lines);
}

}  // namespace tessary
