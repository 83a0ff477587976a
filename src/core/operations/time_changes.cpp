#include "operations/time_changes.h"

#include "document/units.h"

namespace tessary {

bool AnyTimeAbove(const SubtitleStore& s, std::int32_t limit) {
  for (int i = 1; i <= s.SubtitleCount; ++i)
    if (s.StartValues[i] > limit || s.EndValues[i] > limit) return true;
  return false;
}

// A SubRip time line has two digits for the hours and a MicroDVD frame number seven digits:
// later times cannot be written so that they read back.
bool TimesWritable(const SubtitleStore& s, SubtitleType type, double frameRate) {
  for (int i = 1; i <= s.SubtitleCount; ++i)
    for (std::int32_t v : {s.StartValues[i], s.EndValues[i]})
      if (v != -1 && !TimeWritable(v, type == SubtitleType::MicroDVD, frameRate)) return false;
  return true;
}

void ReplaceTime(SubtitleStore& s, const TimeLimits& limits, std::int32_t& value, std::int64_t replacement) {
  const std::int32_t next = ClampToInt32(replacement);
  const bool changed = limits.type == SubtitleType::MicroDVD
                           ? MsToFrames(value, limits.frameRate) != MsToFrames(next, limits.frameRate)
                           : next != value;
  if (changed) ++s.ChangeCount;
  value = next;
}

}  // namespace tessary
