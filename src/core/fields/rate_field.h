// cbChangeFrameRate: the frame rate "Do it" gives the subtitle, 5 to 60.
#pragma once

#include "fields/field.h"

namespace tessary {

class RateField : public TypedField {
 public:
  static constexpr double Lowest = 5;
  static constexpr double Highest = 60;

  RateField() : TypedField("25") {}
  // The rate in force.
  double Target() const { return target_; }
  double LastValid() const { return lastValid_; }

  void Changed(std::string_view text, const FieldContext& context) override;
  std::optional<FieldRefusal> Exit(const FieldContext& context) override;
  void Escape(const FieldContext& context) override;
  bool AcceptsKey(char key, bool hasSelection, const FieldContext& context) const override;

  // The rate in `text`, refused where the box would clean it or keep another rate.
  static FieldRead<double> Read(std::string_view text);

 private:
  double target_ = 25;
  double lastValid_ = 25;
};

}  // namespace tessary
