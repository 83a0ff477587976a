#include "fields/point_field.h"

#include <algorithm>
#include <string>
#include <utility>

#include "document/units.h"

namespace tessary {

namespace {

constexpr std::size_t FirstPointDigits = 6;  // frames
constexpr std::size_t TimeTextLength = 12;   // hh:nn:ss,zzz

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

std::size_t PointField::FrameDigits() const { return second_ ? FirstPointDigits + 1 : FirstPointDigits; }

void PointField::Set(std::int64_t ms, const FieldContext& context) {
  value_ = ms;
  Show(context);
}

void PointField::Show(const FieldContext& c, bool atLeastFrameOne) {
  if (c.unit == DisplayUnit::Time) {
    text_ = FormatTime(value_, c.comma);
    return;
  }
  const std::int64_t frame = MsToFrames(value_, c.frameRate);
  text_ = std::to_string(second_ && atLeastFrameOne ? std::max<std::int64_t>(1, frame) : frame);
}

bool PointField::AcceptsKey(char key, bool hasSelection, const FieldContext& c) const {
  if (IsEditingKey(key)) return true;
  if (c.unit == DisplayUnit::Time) {
    if (IsTimeSeparator(key)) return true;
    return IsDigit(key) && (hasSelection || text_.size() < TimeTextLength);
  }
  return IsDigit(key) && (hasSelection || text_.size() < FrameDigits());
}

void PointField::Changed(std::string_view text, const FieldContext& c) {
  const bool time = c.unit == DisplayUnit::Time;
  // Built aside: `text` may be a view of the field's own text.
  std::string kept;
  for (char ch : text)
    if (IsDigit(ch) || (time && IsTimeSeparator(ch))) kept.push_back(ch);
  kept.resize(std::min(kept.size(), time ? TimeTextLength : FrameDigits()));
  text_ = std::move(kept);
}

std::optional<FieldRefusal> PointField::Exit(const FieldContext& c) {
  const bool time = c.unit == DisplayUnit::Time;
  if (!(time ? IsTimeText(text_) : IsAllDigits(text_))) {
    Escape(c);
    return std::nullopt;
  }
  value_ = time ? ParseTime(text_) : RoundHalfEven(static_cast<double>(ReadNumber(text_)) * 1000.0 / c.frameRate);
  if (second_ && text_ == "0") {
    text_ = "1";
    value_ = RoundHalfEven(1000.0 / c.frameRate);
  }
  return std::nullopt;
}

void PointField::Escape(const FieldContext& context) { Show(context); }

FieldRead<std::int64_t> PointField::Read(std::string_view text, const FieldContext& context) const {
  PointField field(second_);
  field.Changed(text, context);
  if (field.text_ == text) field.Exit(context);
  if (field.text_ == text) return {field.value_, {}};
  if (context.unit == DisplayUnit::Time)
    return FieldRead<std::int64_t>::Refused("'" + std::string(text) + "' is not a time written hh:mm:ss,zzz");
  if (text == "0") return FieldRead<std::int64_t>::Refused("the second point is never before frame 1");
  return FieldRead<std::int64_t>::Refused("'" + std::string(text) + "' is not a frame number of at most " +
                                          std::to_string(FrameDigits()) + " digits");
}

}  // namespace tessary
