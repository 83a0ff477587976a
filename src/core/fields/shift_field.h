// eIncreaseDecreaseValue: the amount of Increase and Decrease, held in milliseconds and shown
// in the display unit.
#pragma once

#include <cstdint>

#include "fields/field.h"

namespace tessary {

class ShiftField : public TypedField {
 public:
  static constexpr std::int32_t Largest = 10000000;  // ms

  ShiftField() : TypedField("0") {}
  // The amount in milliseconds; -1 while the field is empty.
  std::int32_t Value() const { return value_; }
  std::int32_t LastValid() const { return lastValid_; }
  // Back to 0, shown in the context's unit.
  void Reset(const FieldContext& context);
  // Shows the amount in the context's unit at its frame rate (an empty field stays empty).
  void Show(const FieldContext& context);

  void Changed(std::string_view text, const FieldContext& context) override;
  std::optional<FieldRefusal> Exit(const FieldContext& context) override;
  void Escape(const FieldContext& context) override;
  bool AcceptsKey(char key, bool hasSelection, const FieldContext& context) const override;

  // The amount in `text` (in the context's unit) in milliseconds, refused where the field
  // would clean, cut or refuse it.
  static FieldRead<std::int32_t> Read(std::string_view text, const FieldContext& context);

 private:
  std::int32_t value_ = 0;
  std::int32_t lastValid_ = 0;
};

}  // namespace tessary
