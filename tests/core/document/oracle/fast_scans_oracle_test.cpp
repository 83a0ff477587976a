// The engine's quick scans against plain readings of their rules, on generated inputs.
#include <algorithm>

#include "document/line_patterns.h"
#include "document/line_split.h"
#include "oracle_harness.h"

namespace tessary::oracle {
namespace {

// Lines whose character counts stand near the marks, of every length up to well past the
// longest that can score.
TEST(FastScansOracle, TimeLineScoreMatchesTheRealArithmetic) {
  Random g(3);
  int scored = 0;
  for (int n = 0; n < 20000; ++n) {
    // The marks' counts, on the mark or one off each, other characters, and mostly an arrow near
    // its place.
    const int spread = g.Chance(50) ? 0 : 1;
    auto near = [&](int mark) { return static_cast<std::size_t>(std::max(0, mark + g.Int(-spread, spread))); };
    const bool arrow = g.Chance(60);
    std::string line;
    for (std::size_t k = near(18); k > 0; --k) line += static_cast<char>('0' + g.Int(0, 9));
    line.append(near(4), ':').append(near(2), g.Chance(50) ? ',' : '.').append(near(2), ' ');
    line.append(near(arrow ? 0 : 2), '-').append(near(arrow ? 0 : 1), '>');
    line.append(static_cast<std::size_t>(g.Int(0, 70)), 'x');
    std::shuffle(line.begin(), line.end(), g.rng);
    if (arrow) line.insert(static_cast<std::size_t>(g.Int(11, 15)), "-->");
    const bool engine = tessary::TimeLineScore(line);
    ASSERT_EQ(engine, TimeLineScore(line)) << line;
    scored += engine;
  }
  EXPECT_GT(scored, 100);  // the generated lines reach the edge from both sides
}

// Byte by byte: CR LF, LF and CR end a line; a line end at the very end starts no other line.
TEST(FastScansOracle, FileLinesMatchAByteByByteSplit) {
  Random g(4);
  for (int n = 0; n < 5000; ++n) {
    const std::string bytes = g.Tokens({"\r", "\n", "\r\n", "a", "bc"}, 12);
    const int maxLines = g.Int(1, 8);
    std::vector<std::string> expected(1);
    std::size_t i = 0;
    while (i < bytes.size() && Size(expected) <= maxLines) {
      std::size_t end = i;
      while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
      expected.push_back(bytes.substr(i, end - i));
      i = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    std::vector<std::string> lines(1);
    std::string_view rest;
    const int count = SplitFileLines(bytes, lines, maxLines, &rest);
    lines.resize(static_cast<std::size_t>(count) + 1);
    ASSERT_EQ(lines, expected) << ::testing::PrintToString(bytes);
    ASSERT_EQ(rest, std::string_view(bytes).substr(std::min(i, bytes.size()))) << ::testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace tessary::oracle
