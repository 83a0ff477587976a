// The four fields of the two-point transform and "Mark the line number".
#include <algorithm>
#include <cstdint>
#include <string>

#include "document/caret.h"
#include "document/document.h"
#include "document/units.h"

namespace tessary {

namespace {

// Frames the first point takes; the second takes one digit more.
constexpr std::size_t FirstPointDigits = 6;
constexpr std::size_t TimeTextLength = 12;  // hh:nn:ss,zzz

std::size_t FrameDigits(bool second) { return second ? FirstPointDigits + 1 : FirstPointDigits; }

// Ctrl+C, Backspace, Tab, Ctrl+V and Ctrl+X reach every field.
bool IsEditingKey(char key) { return key == '\x03' || key == '\b' || key == '\t' || key == '\x16' || key == '\x18'; }

bool IsTimeSeparator(char c) { return c == ':' || c == ',' || c == '.'; }

// "hh:nn:ss,zzz" or "hh:nn:ss.zzz" with minutes and seconds below 60.
bool IsTimeText(std::string_view t) {
  auto digits = [&](std::size_t from, std::size_t count) {
    return std::all_of(t.begin() + from, t.begin() + from + count, IsDigit);
  };
  return t.size() == TimeTextLength && digits(0, 2) && t[2] == ':' && t[3] >= '0' && t[3] <= '5' && digits(4, 1) &&
         t[5] == ':' && t[6] >= '0' && t[6] <= '5' && digits(7, 1) && (t[8] == ',' || t[8] == '.') && digits(9, 3);
}

}  // namespace

void Document::ResetTransformFields() {
  const auto& s = store;
  const bool any = s.SubtitleLoaded && s.SubtitleCount >= 1;
  FirstPointValue = any ? s.StartValues[1] : 0;
  SecondPointValue = any ? s.StartValues[s.SubtitleCount] : FramesToMs(1, FrameRate);
  FirstPointLine = any ? 1 : 0;
  SecondPointLine = any ? s.SubtitleCount : 1;
  WritePointFields(false);
  fields.FirstLine = std::to_string(FirstPointLine);
  fields.SecondLine = std::to_string(SecondPointLine);
  // A number never needs more digits than the subtitle count has.
  fields.LineFieldMaxLength = any ? static_cast<int>(fields.SecondLine.size()) : LineDigitsWithoutSubtitle;
}

bool Document::PointFieldAcceptsKey(bool second, char key, bool hasSelection) const {
  if (IsEditingKey(key)) return true;
  const std::string& text = second ? fields.SecondPoint : fields.FirstPoint;
  if (InputUnit == 2) {
    if (IsTimeSeparator(key)) return true;
    return IsDigit(key) && (hasSelection || text.size() < TimeTextLength);
  }
  return IsDigit(key) && (hasSelection || text.size() < FrameDigits(second));
}

void Document::PointFieldChanged(bool second, std::string_view text) {
  std::string& field = second ? fields.SecondPoint : fields.FirstPoint;
  const bool time = InputUnit == 2;
  field.clear();
  for (char c : text)
    if (IsDigit(c) || (time && IsTimeSeparator(c))) field.push_back(c);
  field.resize(std::min(field.size(), time ? TimeTextLength : FrameDigits(second)));
}

void Document::PointFieldExit(bool second) {
  std::string& field = second ? fields.SecondPoint : fields.FirstPoint;
  std::int64_t& point = second ? SecondPointValue : FirstPointValue;
  if (InputUnit == 2) {
    if (!IsTimeText(field)) return PointFieldEscape(second);
    point = ParseTime(field);
  } else {
    if (!IsAllDigits(field)) return PointFieldEscape(second);
    if (field.size() > FrameDigits(second)) field = std::to_string(MsToFrames(point, FrameRate));
    point = RoundHalfEven(static_cast<double>(ReadNumber(field)) * 1000.0 / FrameRate);
  }
  // The second point is never before frame 1.
  if (second && field == "0") {
    field = "1";
    point = RoundHalfEven(1000.0 / FrameRate);
  }
}

void Document::PointFieldEscape(bool second) {
  std::string& field = second ? fields.SecondPoint : fields.FirstPoint;
  const std::int64_t point = second ? SecondPointValue : FirstPointValue;
  field = InputUnit == 2 ? FormatTime(point, settings.CommaInSubRip) : std::to_string(MsToFrames(point, FrameRate));
}

void Document::LineFieldChanged(bool second, std::string_view text) {
  (second ? fields.SecondLine : fields.FirstLine) = std::string(text);
}

void Document::LineFieldExit(bool second) {
  const std::string& field = second ? fields.SecondLine : fields.FirstLine;
  std::int32_t& line = second ? SecondPointLine : FirstPointLine;
  // Anything but a whole number (a pasted text, say) leaves the number as it is.
  if (IsAllDigits(field))
    line = static_cast<std::int32_t>(
        std::min<std::int64_t>(std::max<std::int64_t>(ReadNumber(field), 1), store.SubtitleCount));
  LineFieldEscape(second);
}

void Document::LineFieldEscape(bool second) {
  (second ? fields.SecondLine : fields.FirstLine) = std::to_string(second ? SecondPointLine : FirstPointLine);
}

void Document::MarkLineNumber(int point) {
  const auto& s = store;
  if (!s.SubtitleLoaded || s.SubtitleCount < 1 || AwaitsVerification()) return;
  const int line = LocationOf(editor_.Text(), editor_.CaretPosition()).line;
  int number = line;
  if (s.CurrentType == TypeSubRip) {
    // Each subtitle takes its counter line, its time line, a line per "|"-joined text line
    // and the blank line.
    std::int64_t rest = std::min(line, s.LineCount);
    number = s.SubtitleCount + 1;
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      rest -= 4 + std::count(s.Texts[i].begin(), s.Texts[i].end(), '|');
      if (rest < 1) {
        number = i;
        break;
      }
    }
  }
  const bool second = point == 2;
  (second ? fields.SecondLine : fields.FirstLine) = std::to_string(std::min(number, s.SubtitleCount));
  LineFieldExit(second);
}

}  // namespace tessary
