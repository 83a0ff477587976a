#include "operations/timing_operations.h"

namespace tessary {

OperationResult Apply(SubtitleStore& store, const Operation& operation, const TimeLimits& limits) {
  struct Visitor {
    SubtitleStore& s;
    const TimeLimits& l;
    OperationResult operator()(const MultiplyParams& p) const { return Multiply(s, p, l); }
    OperationResult operator()(const ShiftParams& p) const { return Shift(s, p, l); }
    OperationResult operator()(const FrameRateChangeParams& p) const { return ChangeFrameRate(s, p, l); }
    OperationResult operator()(const TransformParams& p) const { return Transform(s, p, l); }
  };
  return std::visit(Visitor{store, limits}, operation);
}

}  // namespace tessary
