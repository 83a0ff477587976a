// "+" and "-": every start and end moved by the same amount.
#pragma once

#include <cstdint>

#include "document/subtitle_store.h"
#include "operations/operation.h"

namespace tessary {

struct ShiftParams {
  std::int64_t amountMs = 0;  // later when positive, earlier when negative
};

// Moves every time by the amount. A shift to later does nothing past the guard; a shift to
// earlier that would take the first start below 0 is refused with the largest amount that
// would not; a time the file cannot hold refuses the whole operation.
OperationResult Shift(SubtitleStore& store, const ShiftParams& params, const TimeLimits& limits);

}  // namespace tessary
