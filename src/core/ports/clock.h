// The wall clock, as the document's timing rules read it.
#pragma once

#include <chrono>

namespace tessary {

class Clock {
 public:
  using TimePoint = std::chrono::system_clock::time_point;
  virtual ~Clock() = default;
  virtual TimePoint Now() const = 0;
};

}  // namespace tessary
