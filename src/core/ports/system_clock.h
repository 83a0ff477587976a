// The wall clock.
#pragma once

#include <chrono>

#include "ports/clock.h"

namespace tessary {

class SystemClock : public Clock {
 public:
  TimePoint Now() const override { return std::chrono::system_clock::now(); }
};

}  // namespace tessary
