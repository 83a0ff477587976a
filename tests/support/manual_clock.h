// A clock the test moves by hand.
#pragma once

#include <chrono>

#include "ports/clock.h"

namespace tessary::testing {

class ManualClock : public Clock {
 public:
  TimePoint Now() const override { return now; }
  void Advance(TimePoint::duration by) { now += by; }
  TimePoint now = TimePoint{} + std::chrono::days(46000);  // some day, far from the epoch
};

}  // namespace tessary::testing
