#include "document/line_patterns.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "document/units.h"

namespace tessary {

namespace {

// Reads a time as other tools write it from `at`: hours (optional), minutes and seconds of one
// or two digits, then "," or "." and one to three fractional digits, or no fraction. Appends
// it to `out` in the shape the rules take ("7:05,5" becomes "00:07:05,500") and returns where
// it ends, or npos. `shaped` tells whether it stood in that shape already.
std::size_t ReadLooseTime(std::string_view t, std::size_t at, std::string& out, bool& shaped) {
  auto digitsAt = [&](std::size_t i, std::size_t most) {
    std::size_t n = 0;
    while (i + n < t.size() && IsDigit(t[i + n]) && n <= most) ++n;
    return n;
  };
  std::string_view fields[3];
  int count = 0;
  std::size_t i = at;
  for (;;) {
    std::size_t n = digitsAt(i, 2);
    if (n == 0 || n > 2) return std::string_view::npos;
    fields[count++] = t.substr(i, n);
    i += n;
    if (count == 3 || i + 1 >= t.size() || t[i] != ':' || !IsDigit(t[i + 1])) break;
    ++i;
  }
  if (count < 2) return std::string_view::npos;
  std::string_view fraction;
  char point = ',';
  if (i + 1 < t.size() && (t[i] == ',' || t[i] == '.') && IsDigit(t[i + 1])) {
    point = t[i];
    fraction = t.substr(i + 1, digitsAt(i + 1, 3));
    if (fraction.size() > 3) return std::string_view::npos;
    i += 1 + fraction.size();
  }
  // A time followed by more digits is not one of these shapes.
  if (i + 1 < t.size() && (t[i] == ':' || t[i] == ',' || t[i] == '.') && IsDigit(t[i + 1]))
    return std::string_view::npos;
  if (count == 2) std::rotate(fields, fields + 2, fields + 3);  // minutes and seconds: no hours
  shaped = true;
  for (int k = 0; k < 3; ++k) {
    shaped = shaped && fields[k].size() == 2;
    out.append(2 - fields[k].size(), '0').append(fields[k]).push_back(k < 2 ? ':' : point);
  }
  shaped = shaped && fraction.size() == 3;
  out.append(fraction).append(3 - fraction.size(), '0');
  return i;
}

}  // namespace

LooseTimeLine ReadLooseTimeLine(std::string_view t) {
  LooseTimeLine line;
  bool startShaped = false, endShaped = false;
  const std::size_t startEnd = ReadLooseTime(t, 0, line.shaped, startShaped);
  if (startEnd == std::string_view::npos) return {};
  const std::size_t arrow = t.find_first_not_of(' ', startEnd);
  if (arrow == std::string_view::npos || t.compare(arrow, 3, "-->") != 0) return {};
  const std::size_t endAt = t.find_first_not_of(' ', arrow + 3);
  if (endAt == std::string_view::npos) return {};
  line.shaped += SubRipArrow;
  const std::size_t rest = ReadLooseTime(t, endAt, line.shaped, endShaped);
  if (rest == std::string_view::npos) return {};
  line.shaped.append(t.substr(rest));
  line.reads = true;
  line.otherShape = !startShaped || !endShaped || arrow - startEnd > 1 || endAt - arrow - 3 > 1;
  return line;
}

int FirstMismatch(std::string_view line, std::size_t offset, std::string_view pattern) {
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    std::size_t i = offset + k;
    if (i >= line.size()) return static_cast<int>(i);
    char c = line[i];
    char want = pattern[k];
    bool ok = want == 'd' ? IsDigit(c) : want == '~' ? (c == '.' || c == ',') : c == want;
    if (!ok) return static_cast<int>(i);
  }
  return -1;
}

bool IsWellFormedTimeLine(std::string_view line) {
  if (line.size() < 29 || line[2] != ':' || line[15] != '>') return false;
  return Matches(line, 0, SubRipTimePattern) && Matches(line, 12, SubRipArrow) && Matches(line, 17, SubRipTimePattern);
}

// The scores compare real quotients with 50; both sides are multiplied by the
// denominators so that the comparison is exact.
bool TimeLineScore(std::string_view line) {
  const std::int64_t len = static_cast<std::int64_t>(line.size());
  if (len < 7) return false;
  // A well-formed time line scores 100, and stays a time line whatever follows it
  // (players append coordinates).
  if (len >= 29 && IsWellFormedTimeLine(line)) return true;
  // So does one whose times read in another tool's shape.
  if (IsDigit(line[0]) && ReadLooseTimeLine(line).reads) return true;
  // Past 87 characters no line scores: with every count on its mark and the arrow in its
  // place, each other character still costs more than the line's length gives back.
  if (len > 87) return false;
  // Blanks, "," or ".", "-", digits, ":" and ">"; the rest are other characters. Counted as
  // plain byte-wide sums (a line here has at most 87 characters), which the compiler can do
  // many bytes at a time.
  std::uint8_t B = 0, P = 0, H = 0, D = 0, K = 0, G = 0;
  for (char c : line) {
    B += c == ' ';
    P += c == ',' || c == '.';
    H += c == '-';
    D += IsDigit(c);
    K += c == ':';
    G += c == '>';
  }
  const std::int64_t O = len - B - P - H - D - K - G;
  std::int64_t score = 29 - std::llabs(D - 18) - std::llabs(K - 4) - std::llabs(P - 2) - std::llabs(B - 2) -
                       std::llabs(H - 2) - std::llabs(G - 1);
  // Most lines hold no ">": then there is no arrow to look for.
  const auto arrow = G == 0 || H < 2 ? std::string_view::npos : line.find("-->");
  std::int64_t p = arrow == std::string_view::npos ? 0 : static_cast<std::int64_t>(arrow) + 1;
  // score*75/29 - O*75/len + (14-|p-14|)*25/14 >= 50, times 29*14*len.
  std::int64_t lhs = score * 75 * 14 * len - O * 75 * 29 * 14 + (14 - std::llabs(p - 14)) * 25 * 29 * len;
  return lhs >= 50 * 29 * 14 * len;
}

bool IntervalLineScore(std::string_view line) {
  const std::int64_t len = static_cast<std::int64_t>(line.size());
  if (len < 5) return false;
  std::int64_t M = 0, P = 0, D = 0, K = 0, O = 0;
  for (char c : line) {
    if (c == ',')
      ++M;
    else if (c == '.')
      ++P;
    else if (IsDigit(c))
      ++D;
    else if (c == ':')
      ++K;
    else
      ++O;
  }
  std::int64_t score = 23 - std::llabs(D - 16) - std::llabs(K - 4) - std::llabs(P - 2) - std::llabs(M - 1);
  // score*100/23 - O*100/len >= 50, times 23*len.
  return score * 100 * len - O * 100 * 23 >= 50 * 23 * len;
}

}  // namespace tessary
