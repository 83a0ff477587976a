#include "input_generator.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace tessary::bench {

namespace {

// Leaves a little room under the size limit, so that the files open.
constexpr std::size_t TargetSize = SizeLimit - 64;

// A linear congruential generator: the same numbers on every platform and library.
class Sequence {
 public:
  explicit Sequence(std::uint32_t seed) : state_(seed) {}
  // Returns a number in [low, high].
  int Between(int low, int high) {
    state_ = state_ * 1664525u + 1013904223u;
    return low + static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(high - low + 1));
  }

 private:
  std::uint32_t state_;
};

constexpr std::array<const char*, 24> Words = {
    "the",   "night", "was",     "cold", "and",     "we",     "never", "spoke", "about",   "it",   "again", "why",
    "would", "you",   "believe", "her",  "captain", "listen", "there", "is",    "nothing", "left", "here",  "now"};

// One line of a file: fixed text, then, for a text slot, generated words within `open`
// and `close` marks; `twoLines` joins two halves with "|".
struct LineSpec {
  std::string fixed;
  bool text = false;
  bool twoLines = false;
  const char* open = "";
  const char* close = "";
};

// Returns exactly `length` characters of words, starting with a capital and not ending in a space.
std::string Sentence(Sequence& seq, std::size_t length) {
  std::string s;
  while (s.size() < length) {
    if (!s.empty()) s += ' ';
    s += Words[static_cast<std::size_t>(seq.Between(0, static_cast<int>(Words.size()) - 1))];
  }
  s.resize(length);
  if (s.back() == ' ') s.back() = '.';
  s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  return s;
}

// Joins the lines with CR LF after each; the text slots share out what is left of `size`,
// so the file is exactly `size` bytes when it has text slots.
std::string Assemble(const std::vector<LineSpec>& lines, std::size_t size, std::uint32_t seed) {
  std::size_t fixed = 0, slots = 0;
  for (const auto& l : lines) fixed += l.fixed.size() + 2, slots += l.text;
  std::size_t base = 0, extra = 0;
  if (slots > 0) {
    if (fixed + slots * 16 > size) throw std::logic_error("input does not fit in its size");
    base = (size - fixed) / slots, extra = (size - fixed) % slots;
  }
  Sequence seq(seed);
  std::string out;
  out.reserve(size);
  std::size_t slot = 0;
  int swing = 0;
  for (const auto& l : lines) {
    out += l.fixed;
    if (l.text) {
      // Lengths vary in pairs, +swing then -swing, so that their sum stays on budget.
      if (slot % 2 == 0) swing = slot + 1 < slots ? seq.Between(0, static_cast<int>(base / 3)) : 0;
      std::size_t length = base + (slot < extra ? 1 : 0) + (slot % 2 == 0 ? swing : -swing);
      std::string t = Sentence(seq, length - std::strlen(l.open) - std::strlen(l.close));
      if (std::size_t mid = t.find(' ', t.size() / 2); l.twoLines && mid != std::string::npos) t[mid] = '|';
      (out += l.open) += t;
      out += l.close;
      ++slot;
    }
    out += "\r\n";
  }
  return out;
}

std::string SubRipTime(long long ms) {
  char b[24];
  std::snprintf(b, sizeof b, "%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
  return b;
}

// True when r lines are a whole number of blocks of `a` and `b` lines.
bool Fits(int r, int a, int b) {
  for (int k = 0; k < a && k * b <= r; ++k)
    if ((r - k * b) % a == 0) return true;
  return false;
}

// SubRip blocks filling exactly `lineCount` lines, each with 1 text line, or 2 for
// `twoLinePercent` of them (the last blocks adjust so that the count comes out exact);
// with `emptyTexts` a block has no text line at all.
std::vector<LineSpec> SubRipLines(int lineCount, bool blanks, int twoLinePercent, bool emptyTexts = false) {
  Sequence seq(7);
  std::vector<LineSpec> lines;
  lines.reserve(static_cast<std::size_t>(lineCount));
  const int shortBlock = 3 + (blanks ? 1 : 0) - (emptyTexts ? 1 : 0);
  long long end = 0;
  for (int k = 1, left = lineCount; left > 0; ++k) {
    int texts = emptyTexts ? 0 : 1 + (seq.Between(1, 100) <= twoLinePercent);
    int size = shortBlock + (texts == 2);
    if (!emptyTexts && !Fits(left - size, shortBlock, shortBlock + 1))
      texts = 3 - texts, size = shortBlock + (texts == 2);
    long long start = end + seq.Between(80, 800);
    end = start + seq.Between(900, 3200);
    const bool italic = k % 8 == 0;
    lines.push_back({std::to_string(k)});
    lines.push_back({SubRipTime(start) + " --> " + SubRipTime(end)});
    for (int t = 0; t < texts; ++t) lines.push_back({"", true, false, italic ? "<i>" : "", italic ? "</i>" : ""});
    if (blanks) lines.push_back({""});
    left -= size;
  }
  return lines;
}

// MicroDVD lines; every `every`-th line is empty (never, for 0).
std::vector<LineSpec> MicroDVDLines(int lineCount, int every) {
  Sequence seq(11);
  std::vector<LineSpec> lines;
  lines.reserve(static_cast<std::size_t>(lineCount));
  long long end = 0;
  for (int i = 1; i <= lineCount; ++i) {
    if (every > 0 && i % every == 0) {
      lines.push_back({""});
      continue;
    }
    long long start = end + seq.Between(2, 9);
    end = start + seq.Between(18, 30);
    const bool italic = i % 10 == 0;
    lines.push_back({"{" + std::to_string(start) + "}{" + std::to_string(end) + "}", true, seq.Between(1, 100) <= 40,
                     italic ? "{y:i}" : ""});
  }
  return lines;
}

}  // namespace

std::string BigSubRip() { return Assemble(SubRipLines(LineLimit, true, 50), TargetSize, 1); }
std::string BigMicroDVD() { return Assemble(MicroDVDLines(LineLimit, 0), TargetSize, 2); }
std::string SubRipWithoutBlanks() { return Assemble(SubRipLines(LineLimit, false, 0), TargetSize, 3); }
std::string MicroDVDWithGaps(int every) { return Assemble(MicroDVDLines(LineLimit, every), TargetSize, 4); }
std::string SubRipEmptyTexts() { return Assemble(SubRipLines(3 * 60000, true, 0, true), TargetSize, 5); }

std::vector<NamedInput> AllInputs() {
  return {{"big.srt", BigSubRip()},
          {"big.sub", BigMicroDVD()},
          {"noblank.srt", SubRipWithoutBlanks()},
          {"gaps.sub", MicroDVDWithGaps(2)},
          {"quarter-gaps.sub", MicroDVDWithGaps(4)},
          {"empty-texts.srt", SubRipEmptyTexts()}};
}

}  // namespace tessary::bench
