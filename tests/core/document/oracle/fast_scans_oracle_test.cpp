// The engine's quick scans against plain readings of their rules, on generated inputs.
#include <algorithm>

#include "document/line_patterns.h"
#include "document/line_split.h"
#include "oracle_harness.h"

namespace tessary::oracle {
namespace {

// Lines whose character counts stand near the marks (on the mark or one off each), of every length up to well
// past the longest that can score, mostly with an arrow near its place.
TEST(FastScansOracle, TimeLineScoreMatchesTheRealArithmetic) {
  auto make = [](Random& g, int) {
    const int spread = g.Chance(50) ? 0 : 1;
    auto near = [&](int mark) { return static_cast<std::size_t>(std::max(0, mark + g.Int(-spread, spread))); };
    const bool arrow = g.Chance(60);
    std::string line;
    for (std::size_t k = near(18); k > 0; --k) line += static_cast<char>('0' + g.Int(0, 9));
    line.append(near(4), ':').append(near(2), g.Chance(50) ? ',' : '.').append(near(2), ' ');
    line.append(near(arrow ? 0 : 2), '-').append(near(arrow ? 0 : 1), '>').append(g.Int(0, 70), 'x');
    std::shuffle(line.begin(), line.end(), g.rng);
    if (arrow) line.insert(static_cast<std::size_t>(g.Int(11, 15)), "-->");
    return line;
  };
  int scored = 0;
  auto engine = [&scored](const std::string& line) {
    const bool score = tessary::TimeLineScore(line);
    scored += score;
    return score;
  };
  ExpectSameOnGenerated(3, 20000, make, engine, [](const std::string& line) { return TimeLineScore(line); });
  EXPECT_GT(scored, 100);  // the generated lines reach the edge from both sides
}

// Byte by byte: CR LF, LF and CR end a line; a line end at the very end starts no other line.
TEST(FastScansOracle, FileLinesMatchAByteByByteSplit) {
  auto make = [](Random& g, int) { return std::pair(g.Tokens({"\r", "\n", "\r\n", "a", "bc"}, 12), g.Int(1, 8)); };
  auto engine = [](const std::pair<std::string, int>& in) {
    std::vector<std::string> lines(1);
    std::string_view rest;
    lines.resize(static_cast<std::size_t>(SplitFileLines(in.first, lines, in.second, &rest)) + 1);
    return std::pair(lines, std::string(rest));
  };
  ExpectSameOnGenerated(4, 5000, make, engine, [](const std::pair<std::string, int>& in) {
    const auto& [bytes, maxLines] = in;
    std::vector<std::string> lines(1);
    std::size_t i = 0;
    while (i < bytes.size() && Size(lines) <= maxLines) {
      std::size_t end = i;
      while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
      lines.push_back(bytes.substr(i, end - i));
      i = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return std::pair(lines, bytes.substr(std::min(i, bytes.size())));
  });
}

}  // namespace
}  // namespace tessary::oracle
