// The largest inputs a document accepts, generated the same way on every run, as file
// bytes with CR LF line ends.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tessary::bench {

// A document may hold at most this many lines, and its bytes plus two for every line
// may not pass SizeLimit.
inline constexpr int LineLimit = 250000;
inline constexpr std::size_t SizeLimit = 10485760;

// 250,000 lines of SubRip blocks: counter, time line, one or two text lines, blank line.
std::string BigSubRip();
// 250,000 MicroDVD lines "{start}{end}text", some of two text lines joined by "|".
std::string BigMicroDVD();
// 250,000 lines of SubRip blocks without the blank line between them.
std::string SubRipWithoutBlanks();
// 250,000 lines of MicroDVD where every `every`-th line is empty.
std::string MicroDVDWithGaps(int every);
// 60,000 SubRip subtitles whose text is empty.
std::string SubRipEmptyTexts();

struct NamedInput {
  std::string fileName;
  std::string bytes;
};

// Every input above, under the file name the benchmarks and scripts use.
std::vector<NamedInput> AllInputs();

}  // namespace tessary::bench
