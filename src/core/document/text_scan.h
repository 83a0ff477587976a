// Fast scans for one of two characters (the standard two-character searches call memchr
// once for every byte).
#pragma once

#include <algorithm>
#include <string_view>

namespace tessary {

inline std::size_t FindEither(std::string_view s, std::size_t from, char a, char b) {
  auto it = std::find_if(s.begin() + static_cast<std::ptrdiff_t>(std::min(from, s.size())), s.end(),
                         [a, b](char c) { return c == a || c == b; });
  return it == s.end() ? std::string_view::npos : static_cast<std::size_t>(it - s.begin());
}

inline bool ContainsEither(std::string_view s, char a, char b) {
  return FindEither(s, 0, a, b) != std::string_view::npos;
}

}  // namespace tessary
