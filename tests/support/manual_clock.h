// A clock the test moves by hand.
#pragma once

#include "ports/clock.h"

namespace tessary::testing {

class ManualClock : public Clock {
 public:
  double Now() const override { return now; }
  void AdvanceSeconds(double seconds) { now += seconds / 86400.0; }
  double now = 46000.0;  // some day, in days
};

}  // namespace tessary::testing
