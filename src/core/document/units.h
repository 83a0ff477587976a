// Time units of a subtitle: milliseconds, frames and time text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

// Capacity of a document read from a file or from the editing area.
inline constexpr int MaxLines = 250000;
// Ten megabytes, each line counted with its two line-break bytes.
inline constexpr std::uintmax_t MaxBytes = 10485760;

// Returns x rounded to the nearest integer, ties to even.
std::int64_t RoundHalfEven(double x);

// Returns v limited to the signed 32-bit range.
std::int32_t ClampToInt32(std::int64_t v);

// Returns the milliseconds of MicroDVD frame `frame` at `frameRate`, clamped to 32 bits.
std::int32_t FramesToMs(std::int64_t frame, double frameRate);

// Returns the frame shown for `ms` milliseconds at `frameRate`.
std::int64_t MsToFrames(std::int64_t ms, double frameRate);

// The latest time a SubRip time line can hold: "99:99:99,999".
inline constexpr std::int64_t MaxSubRipTime = 99 * 3600000 + 99 * 60000 + 99999;
// The largest MicroDVD frame number that reads back: the reader takes seven digits.
inline constexpr std::int64_t MaxMicroDVDFrame = 9999999;

// The latest time a file of that type can hold and read back unchanged: MaxSubRipTime, or the
// last millisecond shown at MicroDVD frame MaxMicroDVDFrame (at `frameRate`).
std::int64_t LatestWritableTime(bool microDvd, double frameRate);

// True when `ms` can be written in a file of that type and read back unchanged: from 0 up to
// LatestWritableTime.
bool TimeWritable(std::int64_t ms, bool microDvd, double frameRate);

// Returns "hh:nn:ss,zzz" (comma) or "hh:nn:ss.zzz". Hours are not folded into days, so a
// time reads back unchanged; past 99 hours the minutes, then the seconds, count on past 59,
// up to MaxSubRipTime (later values are written as MaxSubRipTime).
std::string FormatTime(std::int64_t ms, bool comma);
// Appends FormatTime(ms, comma) to `out`.
void AppendTime(std::string& out, std::int64_t ms, bool comma);
// Appends the decimal number `v` to `out`.
void AppendNumber(std::string& out, std::int64_t v);

// Returns the milliseconds of a text laid out as hh?nn?ss?zzz (at least 12 characters;
// separators are not examined).
std::int64_t ParseTime(std::string_view text);

// Returns the decimal number in `text` ("." or "," as the point), or `fallback` when the
// text is empty, has two separators or any other character.
double DecimalReader(std::string_view text, double fallback);

// True when the text is non-empty and holds only the digits 0 to 9.
bool IsAllDigits(std::string_view text);

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Returns the value of the run of digits in `text` (no sign, at most 18 digits used).
std::int64_t ReadNumber(std::string_view text);

// Returns `value` in the shortest decimal form that reads back to it, with `separator`.
std::string ShortestDecimal(double value, char separator = '.');

// Returns `value` in general decimal form: at most 15 significant digits, no trailing
// zeros, `separator` as the point (an exponent only for very large or small values).
std::string GeneralDecimal(double value, char separator = '.');

}  // namespace tessary
