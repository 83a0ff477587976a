// Style marks of a subtitle text (bold, italic, underline, strikeout) in the two
// notations, and the tidying of texts.
#pragma once

#include <string>
#include <string_view>

namespace tessary {

// SubRip tags ("<i>...</i>") to MicroDVD codes ("{y:i}" for a line, "{Y:i}" for the
// subtitle). Only "<" followed by a letter or "/" starts a tag; other angle brackets stay.
void SubRipToMicroDVD(std::string& text);

// MicroDVD codes to SubRip tags: "{Y:...}" opens tags for the whole subtitle, "{y:...}" opens
// them where it stands and closes them at the end of its display line. Other codes of the
// form "{" letter ":" ... "}" (colour, font, size, position) are dropped, and any other text
// in braces stays.
void MicroDVDToSubRip(std::string& text);

// Removes "|" at the start and the end and doubled "|"; returns the number removed.
int TidyLineSeparators(std::string& text);

// Removes, each with a "|" beside it, the display lines that the written text cannot hold:
// empty ones, and blank ones (blanks and backspaces only) at its end, which the line end trims
// away. With `subRip` a blank line goes wherever it stands: SubRip would end the block there.
void RemoveUnwrittenDisplayLines(std::string& text, bool subRip);

// Whether a display line of the SubRip text, written as a line of its own, would read back as
// a time line: SubRip cannot hold such a text line.
bool HasTimeLikeDisplayLine(std::string_view text);

// Removes an opening tag <b>, <i>, <u> or <s> that repeats inside the region opened by
// the same tag (up to its closing tag or the end); returns the number removed.
int RemoveRepeatedOpeningTags(std::string& text);

}  // namespace tessary
