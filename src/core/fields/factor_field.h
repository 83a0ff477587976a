// eMultiplyValue: the factor of Multiply, 0.5 to 2.
#pragma once

#include "fields/field.h"

namespace tessary {

class FactorField : public TypedField {
 public:
  static constexpr double Smallest = 0.5;
  static constexpr double Largest = 2.0;

  FactorField() : TypedField("1") {}
  // The factor typed; -1 while the field is empty.
  double Value() const { return value_; }
  double LastValid() const { return lastValid_; }
  // Back to 1.
  void Reset();

  void Changed(std::string_view text, const FieldContext& context) override;
  std::optional<FieldRefusal> Exit(const FieldContext& context) override;
  void Escape(const FieldContext& context) override;
  bool AcceptsKey(char key, bool hasSelection, const FieldContext& context) const override;

  // The factor in `text`, refused where the field would clean, cut or refuse it.
  static FieldRead<double> Read(std::string_view text);

 private:
  double value_ = 1.0;
  double lastValid_ = 1.0;
};

}  // namespace tessary
