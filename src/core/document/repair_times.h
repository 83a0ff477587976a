// The rules of the time repair, shared by the parse and by the two-point transform.
#pragma once

#include <cstdint>
#include <optional>

#include "document/subtitle_store.h"
#include "settings/message_table.h"

namespace tessary {

// What differs between the parse's repair and the transform's.
struct RepairLimits {
  std::int64_t latest = INT32_MAX;  // no time the repair puts after another is later
  bool repeatedTags = false;        // repeated SubRip opening tags are removed too
};

// Where a pass stops: the subtitle it cannot make consistent and why; no reason when the last
// subtitle has no times at all (only a MicroDVD line can lack both).
struct RepairStop {
  int subtitle = 0;
  std::optional<Msg> why;
};

// One pass of the repair: drops subtitles without text, fills times marked -1, lengthens
// subtitles that end too early, separates overlapping ones, merges a subtitle with an identical
// continuation and tidies the "|" line separators; every change adds one to ChangeCount.
// Returns where it stopped; the store is then partly changed.
std::optional<RepairStop> RepairPass(SubtitleStore& store, const RepairLimits& limits);

}  // namespace tessary
