// The store written as the text of a MicroDVD or SubRip file.
#pragma once

#include <string>

#include "document/subtitle_store.h"

namespace tessary {

// The most bytes one subtitle takes in a file of `type`, line ends included, when its text
// has `size` bytes and `separators` "|" (which SubRip writes as line breaks).
std::size_t RenderRoom(SubtitleType type, std::size_t size, int separators);

// Returns the subtitles of `store` as the text of a file of `type` (empty for any other
// type): MicroDVD frames at `frameRate`, SubRip milliseconds after a comma when
// `commaInSubRip`, CR LF line breaks and none after the last line. The texts are written as
// they stand, in the notation of `type`. `room`, the sum of RenderRoom over the texts, spares
// a caller that has just walked them another walk; with 0 it is summed here.
std::string Render(const SubtitleStore& store, SubtitleType type, double frameRate, bool commaInSubRip,
                   std::size_t room = 0);

}  // namespace tessary
