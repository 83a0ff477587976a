// Line shapes shared by detection, verification and reading.
#pragma once

#include <string>
#include <string_view>

namespace tessary {

// Does the line look like a SubRip time line ("00:00:01,000 --> 00:00:04,000")?
// A fuzzy score, so that damaged time lines are still recognised.
bool TimeLineScore(std::string_view line);

// Does the line look like a time-pair line ("00:00:01.50,00:00:03.00")?
bool IntervalLineScore(std::string_view line);

// Pattern characters: 'd' a digit, '~' "." or ",", anything else itself.
// Returns the 0-based index of the first position of `line` from `offset` on that does not
// match `pattern`, or -1 when all match (a missing character does not match).
int FirstMismatch(std::string_view line, std::size_t offset, std::string_view pattern);

inline bool Matches(std::string_view line, std::size_t offset, std::string_view pattern) {
  return FirstMismatch(line, offset, pattern) < 0;
}

inline constexpr std::string_view SubRipTimePattern = "dd:dd:dd~ddd";
// A time line of the time-pair layout: start and end in hundredths.
inline constexpr std::string_view IntervalLinePattern = "dd:dd:dd.dd,dd:dd:dd.dd";
// The start of an SSA dialogue line.
inline constexpr std::string_view DialoguePrefix = "Dialogue: Marked=";
inline constexpr std::string_view SubRipArrow = " --> ";

// A time line as other tools write it: hours (optional), minutes and seconds of one or two
// digits, one to three fractional digits or none, any blanks around the arrow.
struct LooseTimeLine {
  bool reads = false;
  // The line with both times in the rules' shape and one blank each side of the arrow, and
  // whether that differs from the line in more than the blanks the rules put in themselves.
  std::string shaped;
  bool otherShape = false;
};
LooseTimeLine ReadLooseTimeLine(std::string_view line);

// True when positions 1-29 hold "dd:dd:dd,ddd --> dd:dd:dd,ddd" (comma or dot).
bool IsWellFormedTimeLine(std::string_view line);

}  // namespace tessary
