// Makes the subtitles consistent again after the two-point transform has moved their times.
#pragma once

#include "document/subtitle_store.h"

namespace tessary {

// Drops subtitles without text, fills times marked -1, lengthens subtitles that end too
// early, separates overlapping ones, merges a subtitle with an identical continuation and
// tidies the "|" line separators; every change adds one to ChangeCount. Returns false
// when the subtitles cannot be made consistent (or none is left); the store is then
// partly changed and the caller puts its copy back.
bool RepairAfterTransform(SubtitleStore& store);

}  // namespace tessary
