// The typed fields of the timing panels, as the document holds them.
#pragma once

#include "fields/factor_field.h"
#include "fields/line_field.h"
#include "fields/point_field.h"
#include "fields/rate_field.h"
#include "fields/shift_field.h"

namespace tessary {

struct TimingFields {
  FactorField factor;            // eMultiplyValue
  ShiftField shift;              // eIncreaseDecreaseValue
  PointField firstPoint{false};  // eFirstPoint
  PointField secondPoint{true};  // eSecondPoint
  LineField firstLine{false};    // eFirstLine
  LineField secondLine{true};    // eSecondLine
  RateField targetRate;          // cbChangeFrameRate
};

}  // namespace tessary
