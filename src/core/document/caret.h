// Line and column of a place in the editing area's text.
#pragma once

#include <cstddef>
#include <string_view>

namespace tessary {

struct TextLocation {
  int line;    // 1 + the number of CR characters before the place
  int column;  // 1 + the characters between the place and the nearest CR or LF before it
};

TextLocation LocationOf(std::string_view text, std::size_t position);

// Returns the position of the start of line `line` (1-based): just after the CR LF that
// ends the line before it, or the end of the text when there are fewer lines.
std::size_t StartOfLine(std::string_view text, int line);

}  // namespace tessary
