#include "fields/shift_field.h"

#include <string>

#include "document/units.h"

namespace tessary {

namespace {

// The most digits the field takes: 8 in milliseconds, and in frames 8 less the digits of one
// frame's length in milliseconds, so that the amount stays near 8 digits of ms.
std::size_t MaxLength(const FieldContext& c) {
  if (c.unit != DisplayUnit::Frames) return 8;
  return 8 - std::to_string(RoundHalfEven(1000.0 / c.frameRate)).size();
}

}  // namespace

void ShiftField::Reset(const FieldContext& context) {
  value_ = lastValid_ = 0;
  Show(context);
}

void ShiftField::Show(const FieldContext& c) {
  if (value_ == -1)
    text_.clear();
  else
    text_ = std::to_string(c.unit == DisplayUnit::Frames ? MsToFrames(value_, c.frameRate) : value_);
}

void ShiftField::Changed(std::string_view text, const FieldContext& c) {
  text_ = DigitsOf(text, false);
  const std::size_t maxLength = MaxLength(c);
  if (text_.size() > maxLength) text_.resize(maxLength);
  if (text_.empty()) {
    value_ = -1;
    return;
  }
  const double typed = DecimalReader(text_, 0);
  value_ =
      ClampToInt32(c.unit == DisplayUnit::Frames ? RoundHalfEven(typed * 1000.0 / c.frameRate) : RoundHalfEven(typed));
}

std::optional<FieldRefusal> ShiftField::Exit(const FieldContext& c) {
  std::optional<FieldRefusal> refusal;
  if (value_ >= 0 && value_ <= Largest) {
    lastValid_ = value_;
  } else {
    // The bound in the unit the user types in: 10,000,000 ms, or as many frames.
    const std::string bound =
        c.unit == DisplayUnit::Frames ? std::to_string(RoundHalfEven(c.frameRate * 10000)) : std::to_string(Largest);
    refusal = FieldRefusal{Msg::ShiftOutOfRange, " [0.." + bound + "] !"};
    value_ = lastValid_;
  }
  Show(c);
  return refusal;
}

void ShiftField::Escape(const FieldContext& context) {
  value_ = lastValid_;
  Show(context);
}

bool ShiftField::AcceptsKey(char key, bool hasSelection, const FieldContext& context) const {
  return IsDigit(key) && (hasSelection || text_.size() < MaxLength(context));
}

FieldRead<std::int32_t> ShiftField::Read(std::string_view text, const FieldContext& context) {
  ShiftField field;
  field.Changed(text, context);
  if (field.text_ != text) {
    const bool digits = IsAllDigits(text);
    return FieldRead<std::int32_t>::Refused(
        "the amount '" + std::string(text) + "' " +
        (digits ? "is longer than the " + std::to_string(MaxLength(context)) + " digits the field takes"
                : "is not a whole number"));
  }
  if (auto refusal = field.Exit(context)) return {std::nullopt, *refusal};
  return {field.value_, {}};
}

}  // namespace tessary
