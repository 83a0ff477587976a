#include "operations/frame_rate_change.h"

#include "operations/time_changes.h"

namespace tessary {

OperationResult ChangeFrameRate(SubtitleStore& store, const FrameRateChangeParams& params, const TimeLimits& limits) {
  if (params.target == limits.frameRate) return {};
  if (limits.type == SubtitleType::MicroDVD && !TimesWritable(store, SubtitleType::MicroDVD, params.target))
    return Refusal(Msg::FramesTooHigh);
  // The stored milliseconds stay; only the rate they are shown at changes.
  store.ChangeCount += 2 * store.SubtitleCount;
  OperationResult done = Ended(Outcome::Done, 2 * store.SubtitleCount);
  done.frameRate = params.target;
  return done;
}

}  // namespace tessary
