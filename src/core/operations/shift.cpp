#include "operations/shift.h"

#include "operations/time_changes.h"

namespace tessary {

OperationResult Shift(SubtitleStore& store, const ShiftParams& params, const TimeLimits& limits) {
  const std::int64_t amount = params.amountMs;
  if (amount == 0) return {};
  if (amount > 0 && AnyTimeAbove(store, GuardTime)) return Ended(Outcome::PastGuard);
  // Only the first start is tested: the parse leaves the starts in order.
  if (amount < 0 && store.SubtitleCount >= 1 && store.StartValues[1] < -amount) {
    OperationResult refused = Refusal(Msg::LargestDecrease);
    refused.largestDecreaseMs = store.StartValues[1];
    return refused;
  }
  return ReplaceEveryTime(store, limits, [amount](std::int32_t v) { return v + amount; });
}

}  // namespace tessary
