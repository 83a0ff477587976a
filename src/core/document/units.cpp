#include "document/units.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tessary {

std::int64_t RoundHalfEven(double x) {
  if (!(x == x)) return 0;
  constexpr double limit = 9.0e18;
  if (x > limit) return static_cast<std::int64_t>(limit);
  if (x < -limit) return -static_cast<std::int64_t>(limit);
  return static_cast<std::int64_t>(std::nearbyint(x));
}

std::int32_t ClampToInt32(std::int64_t v) {
  if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(v);
}

std::int32_t FramesToMs(std::int64_t frame, double frameRate) {
  return ClampToInt32(RoundHalfEven(static_cast<double>(frame) * 1000.0 / frameRate));
}

std::int64_t MsToFrames(std::int64_t ms, double frameRate) {
  return RoundHalfEven(static_cast<double>(ms) * frameRate / 1000.0);
}

void AppendTime(std::string& out, std::int64_t ms, bool comma) {
  ms = std::clamp<std::int64_t>(ms, 0, MaxSubRipTime);
  const std::int64_t hours = std::min<std::int64_t>(99, ms / 3600000);
  const std::int64_t minutes = std::min<std::int64_t>(99, (ms - hours * 3600000) / 60000);
  const std::int64_t rest = ms - hours * 3600000 - minutes * 60000;
  const std::int64_t seconds = rest / 1000, millis = rest % 1000;
  const char text[12] = {static_cast<char>('0' + hours / 10),
                         static_cast<char>('0' + hours % 10),
                         ':',
                         static_cast<char>('0' + minutes / 10),
                         static_cast<char>('0' + minutes % 10),
                         ':',
                         static_cast<char>('0' + seconds / 10),
                         static_cast<char>('0' + seconds % 10),
                         comma ? ',' : '.',
                         static_cast<char>('0' + millis / 100),
                         static_cast<char>('0' + millis / 10 % 10),
                         static_cast<char>('0' + millis % 10)};
  out.append(text, sizeof text);
}

std::string FormatTime(std::int64_t ms, bool comma) {
  std::string out;
  AppendTime(out, ms, comma);
  return out;
}

void AppendNumber(std::string& out, std::int64_t v) {
  char buf[24];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  (void)ec;
  out.append(buf, end);
}

std::int64_t ParseTime(std::string_view t) {
  auto d = [&](std::size_t i) -> std::int64_t { return i < t.size() ? t[i] - '0' : 0; };
  return (d(0) * 10 + d(1)) * 3600000 + (d(3) * 10 + d(4)) * 60000 + (d(6) * 10 + d(7)) * 1000 + d(9) * 100 +
         d(10) * 10 + d(11);
}

double DecimalReader(std::string_view text, double fallback) {
  if (text.empty()) return fallback;
  int separators = 0;
  for (char c : text) {
    if (c == '.' || c == ',') {
      if (++separators > 1) return fallback;
    } else if (!IsDigit(c)) {
      return fallback;
    }
  }
  // A missing whole or fractional part counts as 0: "5." is 5, ".5" is 0.5, "," is 0.
  std::string normal(text);
  for (char& c : normal)
    if (c == ',') c = '.';
  if (normal.front() == '.') normal.insert(normal.begin(), '0');
  if (normal.back() == '.') normal.push_back('0');
  double value = 0;
  std::from_chars(normal.data(), normal.data() + normal.size(), value);
  return value;
}

bool IsAllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!IsDigit(c)) return false;
  return true;
}

std::int64_t ReadNumber(std::string_view text) {
  std::int64_t v = 0;
  int used = 0;
  for (char c : text) {
    if (!IsDigit(c) || used == 18) break;
    v = v * 10 + (c - '0');
    ++used;
  }
  return v;
}

std::string ShortestDecimal(double value, char separator) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  (void)ec;
  std::string out(buf, end);
  for (char& c : out)
    if (c == '.') c = separator;
  return out;
}

std::string GeneralDecimal(double value, char separator) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  (void)ec;
  std::string out(buf, end);
  for (char& c : out)
    if (c == '.') c = separator;
  return out;
}

std::int64_t LatestWritableTime(bool microDvd, double frameRate) {
  if (!microDvd) return MaxSubRipTime;
  // Below MaxMicroDVDFrame + 0.5 frames: that half rounds to the even frame above.
  constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();
  std::int64_t ms = static_cast<std::int64_t>(
      std::min<double>(Int32Max, std::ceil((MaxMicroDVDFrame + 0.5) * 1000.0 / frameRate) - 1));
  // The quotient may be a millisecond off either way.
  while (ms > 0 && MsToFrames(ms, frameRate) > MaxMicroDVDFrame) --ms;
  while (ms < Int32Max && MsToFrames(ms + 1, frameRate) <= MaxMicroDVDFrame) ++ms;
  return ms;
}

bool TimeWritable(std::int64_t ms, bool microDvd, double frameRate) {
  return ms >= 0 && ms <= LatestWritableTime(microDvd, frameRate);
}

}  // namespace tessary
