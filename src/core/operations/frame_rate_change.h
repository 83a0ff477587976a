// "Do it": the subtitle keeps its real times and is shown at another frame rate.
#pragma once

#include "document/subtitle_store.h"
#include "operations/operation.h"

namespace tessary {

struct FrameRateChangeParams {
  double target = 25;
};

// Keeps every stored time and gives back the target as the new rate; every start and end
// counts as a change. The rate in force has nothing to do; MicroDVD frame numbers of the new
// rate that the file cannot hold refuse it.
OperationResult ChangeFrameRate(SubtitleStore& store, const FrameRateChangeParams& params, const TimeLimits& limits);

}  // namespace tessary
