// The timing operations the document runs, each given by its parameters.
#pragma once

#include <variant>

#include "operations/frame_rate_change.h"
#include "operations/multiply.h"
#include "operations/shift.h"
#include "operations/transform.h"

namespace tessary {

using Operation = std::variant<MultiplyParams, ShiftParams, FrameRateChangeParams, TransformParams>;

// Applies the operation its parameters name.
OperationResult Apply(SubtitleStore& store, const Operation& operation, const TimeLimits& limits);

}  // namespace tessary
