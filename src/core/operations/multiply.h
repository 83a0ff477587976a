// "*": every start and end multiplied by a factor.
#pragma once

#include "document/subtitle_store.h"
#include "operations/operation.h"

namespace tessary {

struct MultiplyParams {
  double factor = 1.0;
};

// Multiplies every time by the factor, rounding ties to the even millisecond. Factor 1 has
// nothing to do; a factor of 1 or more does nothing past the guard; a time the file cannot
// hold refuses the whole operation.
OperationResult Multiply(SubtitleStore& store, const MultiplyParams& params, const TimeLimits& limits);

}  // namespace tessary
