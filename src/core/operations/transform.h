// The two-point transform: re-synchronises the subtitle by two subtitles and the moments
// they should start at.
#pragma once

#include <cstdint>

#include "document/panel_state.h"
#include "document/subtitle_store.h"
#include "operations/operation.h"

namespace tessary {

struct TransformParams {
  std::int32_t line1 = 0;  // L1, limited to the subtitles when it runs
  std::int64_t at1Ms = 0;  // P1: where L1 is to start
  std::int32_t line2 = 1;
  std::int64_t at2Ms = 1;
  TransformMode mode = TransformMode::Whole;
};

// Moves every start and end the mode affects by the straight line through (start of L1 -> P1)
// and (start of L2 -> P2), then repairs the subtitle with one pass of the time repair.
// Refuses points or lines out of order, equal starts the line cannot be drawn through and times
// below 0 or past what the file holds; a failed repair puts everything back and refuses too.
// The result gives the limited line numbers back once they were worked out.
OperationResult Transform(SubtitleStore& store, const TransformParams& params, const TimeLimits& limits);

}  // namespace tessary
