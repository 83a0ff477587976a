// The word-at-a-time count of non-text bytes against a byte-by-byte reading of the rule.
#include "document/encoding.h"
#include "document/text_check.h"
#include "oracle_harness.h"

namespace tessary::oracle {
namespace {

bool IsTextByte(unsigned char c) {
  auto in = [c](int from, int to) { return c >= from && c <= to; };
  return in(0x20, 0x2A) || in(0x2C, 0x3C) || in(0x3E, 0x7E) || c == 0x8A || in(0x8C, 0x8F) || c == 0x9A ||
         in(0x9C, 0x9F) || c == 0xA3 || c == 0xA5 || c == 0xAA || c == 0xAF || c == 0xB3 || in(0xB9, 0xBA) ||
         c == 0xBC || in(0xBE, 0xD6) || in(0xD8, 0xDE) || in(0xE0, 0xF6) || in(0xF8, 0xFE);
}

std::int64_t PlainCount(const std::string& line, bool utf8) {
  std::int64_t bad = 0;
  for (std::size_t k = 0; k < line.size();) {
    std::size_t n = utf8 && static_cast<unsigned char>(line[k]) >= 0x80 ? Utf8SequenceLength(line, k) : 0;
    if (n == 0) bad += !IsTextByte(static_cast<unsigned char>(line[k])), n = 1;
    k += n;
  }
  return bad;
}

TEST(CountNonText, AgreesWithTheByteByByteRuleOnGeneratedLines) {
  // Mostly plain text, with the bytes at the edges of the rule mixed in.
  const std::string pool = std::string("abcXYZ 09.,:-><{}|") + "+=\t\x7f\x1f\x20\x7e\x8a\x8b\xff" +
                           "\xc5\xbc\xd0\x9f\xe2\x82\xac\xf0\x9f\x98\x80";
  auto make = [&](Random& g, int) {
    std::string line(static_cast<std::size_t>(g.Int(0, 39)), ' ');
    for (char& c : line) c = pool[static_cast<std::size_t>(g.Int(0, Size(pool) - 1))];
    return line;
  };
  auto count = [](auto counter) {
    return [=](const std::string& line) { return std::pair(counter(line, false), counter(line, true)); };
  };
  ExpectSameOnGenerated(7, 20000, make, count(CountNonText), count(PlainCount));
}

}  // namespace
}  // namespace tessary::oracle
