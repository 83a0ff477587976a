// The time of day, as the document's timing rules read it.
#pragma once

namespace tessary {

class Clock {
 public:
  virtual ~Clock() = default;
  // Returns the current time in days (a day is 1.0).
  virtual double Now() const = 0;
};

}  // namespace tessary
