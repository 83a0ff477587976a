// How the timing operations replace times and count what they change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/subtitle_store.h"
#include "document/units.h"
#include "operations/operation.h"

namespace tessary {

// Times above this make a stretch or a later shift a no-op.
inline constexpr std::int32_t GuardTime = 100000000;

// True when a start or end lies past `limit`.
bool AnyTimeAbove(const SubtitleStore& s, std::int32_t limit);

// True when every known time can be written in a file of `type` at `frameRate` and read back.
bool TimesWritable(const SubtitleStore& s, SubtitleType type, double frameRate);

// Replaces a start or end time, counting the change as the user sees it: for MicroDVD only
// when the frame number changes.
void ReplaceTime(SubtitleStore& s, const TimeLimits& limits, std::int32_t& value, std::int64_t replacement);

// Works out the new time of every start and end first and replaces them only when every later
// one can be written in the file, so that a refused operation changes nothing. Returns the
// result: done with the changes counted, or refused as too high.
template <typename Map>
OperationResult ReplaceEveryTime(SubtitleStore& s, const TimeLimits& limits, Map map) {
  std::vector<std::int64_t> times;
  times.reserve(2 * static_cast<std::size_t>(s.SubtitleCount));
  for (int i = 1; i <= s.SubtitleCount; ++i)
    for (std::int32_t value : {s.StartValues[i], s.EndValues[i]}) {
      times.push_back(map(value));
      if (times.back() > value && !TimeWritable(times.back(), limits.type == SubtitleType::MicroDVD, limits.frameRate))
        return Refusal(Msg::FramesTooHigh);
    }
  const int before = s.ChangeCount;
  for (int i = 1; i <= s.SubtitleCount; ++i) {
    ReplaceTime(s, limits, s.StartValues[i], times[2 * (i - 1)]);
    ReplaceTime(s, limits, s.EndValues[i], times[2 * (i - 1) + 1]);
  }
  return Ended(Outcome::Done, s.ChangeCount - before);
}

}  // namespace tessary
