#include "fields/rate_field.h"

#include <cmath>
#include <string>

#include "document/units.h"

namespace tessary {

namespace {

// Typing may pass through any rate the main box takes; leaving the box asks for a rate a
// film can have.
bool TypedRateInRange(double rate) { return rate >= 1 && rate <= 60; }
bool TargetInRange(double rate) { return rate >= RateField::Lowest && rate <= RateField::Highest; }

// True when the text ends on its first "." or its first ",": a separator is being typed.
bool EndsOnFirstSeparator(std::string_view text) {
  for (char sep : {'.', ','}) {
    const std::size_t at = text.find(sep);
    if (at != std::string_view::npos && at + 1 == text.size()) return true;
  }
  return false;
}

}  // namespace

void RateField::Changed(std::string_view text, const FieldContext&) {
  text_ = DigitsOf(text, true);
  if (text_.empty() || EndsOnFirstSeparator(text_)) return;
  double rate = DecimalReader(text_, lastValid_);
  if (!TypedRateInRange(rate)) rate = lastValid_;
  lastValid_ = rate;
  text_ = GeneralDecimal(rate);
}

std::optional<FieldRefusal> RateField::Exit(const FieldContext&) {
  // Typing may have left a valid rate below 5 as the last valid one; then the target in
  // force stays.
  const double fallback = TargetInRange(lastValid_) ? lastValid_ : target_;
  const double rate = DecimalReader(text_, fallback);
  if (TargetInRange(rate)) {
    target_ = rate;
  } else {
    target_ = fallback;
    text_ = GeneralDecimal(target_);
  }
  lastValid_ = target_;
  return std::nullopt;
}

void RateField::Escape(const FieldContext&) { text_ = GeneralDecimal(target_); }

bool RateField::AcceptsKey(char, bool, const FieldContext&) const { return true; }

FieldRead<double> RateField::Read(std::string_view text) {
  const double typed = DecimalReader(text, std::nan(""));
  if (DigitsOf(text, true) != text || std::isnan(typed))
    return FieldRead<double>::Refused("the frame rate '" + std::string(text) + "' is not a decimal number");
  RateField field;
  field.Changed(text, {});
  field.Exit({});
  if (field.target_ != typed)
    return FieldRead<double>::Refused("the frame rate " + std::string(text) + " is not one from 5 to 60");
  return {field.target_, {}};
}

}  // namespace tessary
