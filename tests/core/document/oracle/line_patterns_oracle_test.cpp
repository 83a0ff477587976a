// The engine's time-line score against the rule's real arithmetic, on lines whose character
// counts stand near the marks, of every length up to well past the longest that can score.
#include <algorithm>

#include "document/line_patterns.h"
#include "oracle_harness.h"

namespace tessary::oracle {
namespace {

TEST(LinePatternsOracle, TimeLineScoreMatchesThePlainRule) {
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

}  // namespace
}  // namespace tessary::oracle
