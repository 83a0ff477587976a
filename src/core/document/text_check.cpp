#include "document/text_check.h"

#include <array>
#include <cstring>

#include "document/encoding.h"

namespace tessary {

namespace {

// Bytes that count as text: printable ASCII but "+" and "=", and the letters of the
// Windows-1250 code page.
constexpr std::array<bool, 256> MakeTextCharacterSet() {
  std::array<bool, 256> set{};
  auto range = [&](int from, int to) {
    for (int c = from; c <= to; ++c) set[c] = true;
  };
  range(0x20, 0x2A), range(0x2C, 0x3C), range(0x3E, 0x7E), range(0x8A, 0x8A), range(0x8C, 0x8F);
  range(0x9A, 0x9A), range(0x9C, 0x9F), range(0xA3, 0xA3), range(0xA5, 0xA5), range(0xAA, 0xAA);
  range(0xAF, 0xAF), range(0xB3, 0xB3), range(0xB9, 0xBA), range(0xBC, 0xBC), range(0xBE, 0xD6);
  range(0xD8, 0xDE), range(0xE0, 0xF6), range(0xF8, 0xFE);
  return set;
}
constexpr std::array<bool, 256> TextCharacterSet = MakeTextCharacterSet();

// Eight plain ASCII bytes with no control character, "+", "=" or DEL: all text.
bool AllPlainText(std::uint64_t w) {
  constexpr std::uint64_t ones = 0x0101010101010101ULL, highs = 0x8080808080808080ULL;
  auto hasZero = [](std::uint64_t v) { return ((v - ones) & ~v & highs) != 0; };
  return (w & highs) == 0 && ((w - ones * 0x20) & ~w & highs) == 0 && !hasZero(w ^ (ones * '+')) &&
         !hasZero(w ^ (ones * '=')) && !hasZero(w ^ (ones * 0x7F));
}

}  // namespace

std::int64_t CountNonText(std::string_view line, bool utf8) {
  std::int64_t bad = 0;
  for (std::size_t k = 0; k < line.size();) {
    std::uint64_t word;
    if (k + 8 <= line.size() && (std::memcpy(&word, line.data() + k, 8), AllPlainText(word))) {
      k += 8;
      continue;
    }
    auto c = static_cast<unsigned char>(line[k]);
    std::size_t sequence = utf8 && c >= 0x80 ? Utf8SequenceLength(line, k) : 0;
    if (sequence == 0) {
      bad += !TextCharacterSet[c];
      sequence = 1;
    }
    k += sequence;
  }
  return bad;
}

}  // namespace tessary
