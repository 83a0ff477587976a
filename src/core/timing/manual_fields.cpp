// The fields of the manual modifications: the factor of Multiply (eMultiplyValue) and the
// amount of Increase/Decrease (eIncreaseDecreaseValue), held in milliseconds and shown in
// the display unit.
#include <cstdint>
#include <string>
#include <string_view>

#include "document/document.h"
#include "document/units.h"

namespace tessary {

namespace {

constexpr double SmallestFactor = 0.5;
constexpr double LargestFactor = 2.0;
constexpr std::size_t FactorMaxLength = 32;
constexpr std::int32_t LargestShift = 10000000;  // ms

bool IsSeparator(char c) { return c == '.' || c == ','; }

// `text` without the characters the field does not take (pasted text is cleaned too).
std::string Cleaned(std::string_view text, bool separators) {
  std::string kept;
  for (char c : text)
    if (IsDigit(c) || (separators && IsSeparator(c))) kept += c;
  return kept;
}

// The most digits the amount field takes: 8 in milliseconds, and in frames 8 less the
// digits of one frame's length in milliseconds, so that the amount stays near 8 digits of ms.
std::size_t ShiftMaxLength(int unit, double frameRate) {
  if (unit != 1) return 8;
  return 8 - std::to_string(RoundHalfEven(1000.0 / frameRate)).size();
}

}  // namespace

void Document::ResetManualFields() {
  MultiplyValue = LastValidMultiplyValue = 1.0;
  fields.MultiplyValue = GeneralDecimal(MultiplyValue);
  ShiftValue = LastValidShiftValue = 0;
  ShowShiftField();
}

void Document::ShowShiftField() {
  // The amount stays in milliseconds; the field shows it in the unit, at the current rate. An
  // empty field holds no amount and stays empty.
  if (ShiftValue == -1)
    fields.IncreaseDecreaseValue.clear();
  else
    fields.IncreaseDecreaseValue = std::to_string(InputUnit == 1 ? MsToFrames(ShiftValue, FrameRate) : ShiftValue);
}

void Document::MultiplyFieldChanged(std::string_view text) {
  std::string kept = Cleaned(text, true);
  if (kept.size() > FactorMaxLength) kept.resize(FactorMaxLength);
  fields.MultiplyValue = kept;
  // An empty field holds no factor; two separators read as the last valid one.
  MultiplyValue = kept.empty() ? -1.0 : DecimalReader(kept, LastValidMultiplyValue);
}

void Document::MultiplyFieldExit() {
  if (MultiplyValue >= SmallestFactor && MultiplyValue <= LargestFactor) {
    LastValidMultiplyValue = MultiplyValue;
  } else {
    MultiplyValue = LastValidMultiplyValue;
    Show(Icon::Error, Text(Msg::MultiplyOutOfRange));
  }
  fields.MultiplyValue = GeneralDecimal(MultiplyValue);
}

void Document::MultiplyFieldEscape() {
  // The factor goes back with the text: leaving the field must not bring back what Escape
  // took away.
  MultiplyValue = LastValidMultiplyValue;
  fields.MultiplyValue = GeneralDecimal(MultiplyValue);
}

bool Document::MultiplyFieldAcceptsKey(char key) const { return IsDigit(key) || IsSeparator(key); }

void Document::ShiftFieldChanged(std::string_view text) {
  std::string kept = Cleaned(text, false);
  const std::size_t maxLength = ShiftMaxLength(InputUnit, FrameRate);
  if (kept.size() > maxLength) kept.resize(maxLength);
  fields.IncreaseDecreaseValue = kept;
  if (kept.empty()) {
    ShiftValue = -1;
    return;
  }
  const double typed = DecimalReader(kept, 0);
  ShiftValue = ClampToInt32(InputUnit == 1 ? RoundHalfEven(typed * 1000.0 / FrameRate) : RoundHalfEven(typed));
}

void Document::ShiftFieldExit() {
  if (ShiftValue >= 0 && ShiftValue <= LargestShift) {
    LastValidShiftValue = ShiftValue;
  } else {
    // The bound in the unit the user types in: 10,000,000 ms, or as many frames.
    const std::string bound =
        InputUnit == 1 ? std::to_string(RoundHalfEven(FrameRate * 10000)) : std::to_string(LargestShift);
    Show(Icon::Error, Text(Msg::ShiftOutOfRange) + " [0.." + bound + "] !");
    ShiftValue = LastValidShiftValue;
  }
  ShowShiftField();
}

void Document::ShiftFieldEscape() {
  ShiftValue = LastValidShiftValue;
  ShowShiftField();
}

bool Document::ShiftFieldAcceptsKey(char key, bool hasSelection) const {
  return IsDigit(key) && (hasSelection || fields.IncreaseDecreaseValue.size() < ShiftMaxLength(InputUnit, FrameRate));
}

}  // namespace tessary
