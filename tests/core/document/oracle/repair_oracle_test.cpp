// Time repair and text tidying by the engine against the
// plain rules, on generated subtitles.
#include <tuple>

#include "document/repair_times.h"
#include "document/style_marks.h"
#include "oracle_harness.h"

namespace tessary::oracle {
namespace {

// Times that mostly rise on a coarse grid, so that equal, touching and overlapping
// subtitles are common; missing values (MicroDVD only) and values near the latest time the
// file can hold.
std::int32_t Time(Random& g, std::int64_t& clock, int type) {
  const std::int64_t latest = LatestWritableTime(type == 1, 25);
  if (type == 1 && g.Chance(10)) return -1;
  if (g.Chance(2)) clock = latest - g.Int(0, 4000);
  clock = std::clamp<std::int64_t>(clock + g.Int(-1, 3) * 1000 + (g.Chance(10) ? g.Int(1, 999) : 0), 0, latest);
  return static_cast<std::int32_t>(clock);
}

RepairInput Subtitles(Random& g, int type) {
  static const std::vector<std::string> texts = {
      "", "A", "A", "B", "A|B", "|A||B|", "a|", "<i>a<i>b</i>", "<b>x<b>y", "{y:i}A", "{Y:b}B|<b>", "x"};
  RepairInput in;
  in.currentType = type;
  in.starts = {0}, in.ends = {0}, in.texts = {""};
  std::int64_t clock = g.Int(0, 3) * 1000;
  for (int k = g.Int(1, 7); k > 0; --k) {
    in.starts.push_back(Time(g, clock, type));
    in.ends.push_back(g.Chance(25) ? in.starts.back() : Time(g, clock, type));
    in.texts.push_back(g.Pick(texts));
  }
  in.changeCount = g.Int(0, 2);
  return in;
}

TEST(RepairOracle, RepairTimesMatchesThePlainTwoPassRepair) {
  Random g(3);
  int failures = 0;
  for (int n = 0; n < 6000 && failures < 5; ++n) {
    RepairInput in = Subtitles(g, n % 2 ? 1 : 2);
    RepairOutcome engine = EngineRepair(in), oracle = OracleRepair(in);
    EXPECT_EQ(engine, oracle) << "type " << in.currentType << " starts " << ::testing::PrintToString(in.starts)
                              << " ends " << ::testing::PrintToString(in.ends) << " texts "
                              << ::testing::PrintToString(in.texts) << " ChangeCount " << in.changeCount;
    failures += engine != oracle;
  }
}

bool TransformRepair(SubtitleStore& s) { return !RepairPass(s, RepairLimits{}) && s.SubtitleCount > 0; }

TEST(RepairOracle, TheLargestStoreOfRemovalsAndMergesTakesOneSweep) {
  // Every other subtitle is empty, and the others touch and repeat one text: searching
  // again from the top after each removal would take some 10^10 steps.
  constexpr int n = MaxLines;
  SubtitleStore s;
  s.SubtitleCount = n;
  s.EnsureSubtitles(n);
  for (int i = 1; i <= n; ++i) {
    s.StartValues[i] = i * 100;
    s.EndValues[i] = i * 100 + 200;  // reaches the next subtitle kept
    s.Texts[i] = i % 2 ? "same" : "";
  }
  ASSERT_TRUE(TransformRepair(s));
  EXPECT_EQ(s.SubtitleCount, 1);
  EXPECT_EQ(std::tuple(s.StartValues[1], s.EndValues[1], s.EndValues[2]), std::tuple(100, (n - 1) * 100 + 200, 0));
  EXPECT_EQ(s.ChangeCount, n / 2 + (n / 2 - 1));
}

TEST(RepairOracle, RepeatedTagRemovalAndSeparatorTidyingMatchThePlainRules) {
  static const std::vector<std::string> alphabet = {"<i>",  "</i>", "<b>", "</b>", "<u>", "</u>", "<s>",
                                                    "</s>", "<",    "i>",  "/",    "a",   "|",    "||"};
  Random g(4);
  int failures = 0;
  for (int n = 0; n < 5000 && failures < 5; ++n) {
    const std::string text = g.Tokens(alphabet, 14);
    std::string engineTags = text, oracleTags = text, engineBars = text, oracleBars = text;
    int engineTagCount = tessary::RemoveRepeatedOpeningTags(engineTags),
        oracleTagCount = RemoveRepeatedOpeningTags(oracleTags);
    int engineBarCount = tessary::TidyLineSeparators(engineBars), oracleBarCount = TidyLineSeparators(oracleBars);
    auto engine = std::tie(engineTags, engineTagCount, engineBars, engineBarCount);
    auto oracle = std::tie(oracleTags, oracleTagCount, oracleBars, oracleBarCount);
    EXPECT_EQ(engine, oracle) << "text " << ::testing::PrintToString(text);
    failures += engine != oracle;
  }
}

}  // namespace
}  // namespace tessary::oracle
