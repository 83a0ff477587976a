#include "fields/factor_field.h"

#include <cmath>

#include "document/units.h"

namespace tessary {

namespace {
constexpr std::size_t MaxLength = 32;
}  // namespace

void FactorField::Reset() {
  value_ = lastValid_ = 1.0;
  text_ = GeneralDecimal(value_);
}

void FactorField::Changed(std::string_view text, const FieldContext&) {
  text_ = DigitsOf(text, true);
  if (text_.size() > MaxLength) text_.resize(MaxLength);
  // An empty field holds no factor; two separators read as the last valid one.
  value_ = text_.empty() ? -1.0 : DecimalReader(text_, lastValid_);
}

std::optional<FieldRefusal> FactorField::Exit(const FieldContext&) {
  std::optional<FieldRefusal> refusal;
  if (value_ >= Smallest && value_ <= Largest) {
    lastValid_ = value_;
  } else {
    value_ = lastValid_;
    refusal = FieldRefusal{Msg::MultiplyOutOfRange, ""};
  }
  text_ = GeneralDecimal(value_);
  return refusal;
}

void FactorField::Escape(const FieldContext&) {
  // The factor goes back with the text: leaving the field must not bring back what Escape
  // took away.
  value_ = lastValid_;
  text_ = GeneralDecimal(value_);
}

bool FactorField::AcceptsKey(char key, bool, const FieldContext&) const {
  return IsDigit(key) || key == '.' || key == ',';
}

FieldRead<double> FactorField::Read(std::string_view text) {
  FactorField field;
  field.Changed(text, {});
  const double typed = DecimalReader(text, std::nan(""));
  if (field.text_ != text || field.value_ != typed)
    return FieldRead<double>::Refused("the factor '" + std::string(text) + "' is not a decimal number");
  if (auto refusal = field.Exit({})) return {std::nullopt, *refusal};
  return {field.value_, {}};
}

}  // namespace tessary
