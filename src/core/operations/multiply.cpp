#include "operations/multiply.h"

#include "document/units.h"
#include "operations/time_changes.h"

namespace tessary {

OperationResult Multiply(SubtitleStore& store, const MultiplyParams& params, const TimeLimits& limits) {
  const double factor = params.factor;
  if (factor == 1.0) return {};
  if (factor >= 1.0 && AnyTimeAbove(store, GuardTime)) return Ended(Outcome::PastGuard);
  return ReplaceEveryTime(store, limits, [factor](std::int32_t v) { return RoundHalfEven(v * factor); });
}

}  // namespace tessary
