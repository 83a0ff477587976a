// The wall clock, in days.
#pragma once

#include <chrono>

#include "ports/clock.h"

namespace tessary {

class SystemClock : public Clock {
 public:
  double Now() const override {
    auto since = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count() / 86400.0;
  }
};

}  // namespace tessary
