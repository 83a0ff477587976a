// Time repair (the parse's and the transform's) and text tidying by the engine against the
// plain rules, on generated subtitles.
#include <sstream>
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

// The transform's pass written the plain way; false when it stops or leaves no subtitle.
bool PlainTransformRepair(SubtitleStore& s) {
  Repairer o;
  o.afterTransform = true;
  o.S = s.StartValues, o.E = s.EndValues, o.T = s.Texts;
  o.SubtitleCount = s.SubtitleCount, o.ChangeCount = s.ChangeCount;
  o.rawLines.resize(o.T.size());
  try {
    o.Pass();
  } catch (const Repairer::Reported&) {
    return false;
  }
  s.StartValues = o.S, s.EndValues = o.E, s.Texts = o.T;
  s.SubtitleCount = o.SubtitleCount, s.ChangeCount = o.ChangeCount;
  return s.SubtitleCount > 0;
}

bool TransformRepair(SubtitleStore& s) { return !RepairPass(s, RepairLimits{}) && s.SubtitleCount > 0; }

// A small store with the shapes the transform leaves: unknown times (-1) in either type, equal
// and crossing times, times near the 32-bit limit, empty texts, stray "|", equal neighbours.
SubtitleStore TransformedStore(Random& g) {
  auto time = [&]() -> std::int32_t {
    switch (g.Int(0, 11)) {
      case 0:
        return -1;
      case 1:
        return 2147483647 - g.Int(0, 2) * 1500;
      default:
        return g.Int(0, 15) * 500;
    }
  };
  static const std::vector<std::string> texts = {"", "a", "b", "|a", "a|", "a||b", "|", "||a|||"};
  SubtitleStore s;
  s.SubtitleCount = g.Int(1, 8);
  s.EnsureSubtitles(s.SubtitleCount);
  std::int32_t clock = 0;
  for (int i = 1; i <= s.SubtitleCount; ++i) {
    // Mostly in order, so that many stores pass.
    const bool ordered = g.Int(0, 2) != 0;
    s.StartValues[i] = ordered ? ClampToInt32(clock + g.Int(0, 2) * 500LL) : time();
    s.EndValues[i] = ordered ? ClampToInt32(s.StartValues[i] + g.Int(0, 3) * 500LL) : time();
    if (ordered && g.Chance(17)) (g.Chance(50) ? s.StartValues[i] : s.EndValues[i]) = -1;
    clock = std::max(clock, s.EndValues[i]);
    s.Texts[i] = i > 1 && g.Chance(33) ? s.Texts[i - 1] : g.Pick(texts);
  }
  s.ChangeCount = s.ReportedChangeCount = 5;
  return s;
}

std::string Describe(const SubtitleStore& s, int upTo) {
  std::ostringstream out;
  out << "N=" << s.SubtitleCount << " changes=" << s.ChangeCount << ":";
  for (int i = 1; i <= upTo; ++i)
    out << " [" << s.StartValues[i] << "," << s.EndValues[i] << ",\"" << s.Texts[i] << "\"]";
  return out.str();
}

TEST(RepairOracle, TheTransformsOnePassMatchesThePlainRepair) {
  Random g(20240607);
  int passed = 0, shrunkAndPassed = 0;
  for (int round = 0; round < 30000; ++round) {
    const SubtitleStore input = TransformedStore(g);
    SubtitleStore fast = input, plain = input;
    const bool fastOk = TransformRepair(fast), plainOk = PlainTransformRepair(plain);
    const int n = input.SubtitleCount;
    // A failed repair's store is put back by the transform, so only a passed one is compared.
    ASSERT_EQ(std::tuple(fastOk, fastOk ? Describe(fast, n) : ""),
              std::tuple(plainOk, plainOk ? Describe(plain, n) : ""))
        << "input " << Describe(input, n);
    passed += fastOk;
    shrunkAndPassed += fastOk && fast.SubtitleCount < n;
  }
  // The inputs reach both outcomes, and removals and merges that still pass.
  EXPECT_GT(passed, 3000);
  EXPECT_LT(passed, 27000);
  EXPECT_GT(shrunkAndPassed, 1000);
}

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
