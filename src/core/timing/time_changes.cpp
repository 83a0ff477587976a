// How the timing operations count what they change.
#include "document/document.h"
#include "document/units.h"

namespace tessary {

void Document::ReplaceTime(std::int32_t& value, std::int64_t replacement) {
  const std::int32_t next = ClampToInt32(replacement);
  const bool changed =
      store.CurrentType == TypeMicroDVD ? MsToFrames(value, FrameRate) != MsToFrames(next, FrameRate) : next != value;
  if (changed) ++store.ChangeCount;
  value = next;
}

}  // namespace tessary
