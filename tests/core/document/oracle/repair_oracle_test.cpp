// Time repair and text tidying by the engine against the plain rules, on generated subtitles.
#include <tuple>

#include "document/style_marks.h"
#include "oracle_harness.h"

namespace tessary::oracle {
namespace {

// Times that mostly rise on a coarse grid, so that equal, touching and overlapping
// subtitles are common; missing values (MicroDVD only) and values near the latest time the
// file can hold.
std::int32_t Time(Random& g, std::int64_t& clock, SubtitleType type) {
  const std::int64_t latest = LatestWritableTime(type == SubtitleType::MicroDVD, 25);
  if (type == SubtitleType::MicroDVD && g.Chance(10)) return -1;
  if (g.Chance(2)) clock = latest - g.Int(0, 4000);
  clock = std::clamp<std::int64_t>(clock + g.Int(-1, 3) * 1000 + (g.Chance(10) ? g.Int(1, 999) : 0), 0, latest);
  return static_cast<std::int32_t>(clock);
}

RepairInput Subtitles(Random& g, SubtitleType type) {
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
  auto make = [](Random& g, int n) { return Subtitles(g, n % 2 ? SubtitleType::MicroDVD : SubtitleType::SubRip); };
  ExpectSameOnGenerated(3, 6000, make, EngineRepair, OracleRepair);
}

TEST(RepairOracle, RepeatedTagRemovalAndSeparatorTidyingMatchThePlainRules) {
  static const std::vector<std::string> alphabet = {"<i>",  "</i>", "<b>", "</b>", "<u>", "</u>", "<s>",
                                                    "</s>", "<",    "i>",  "/",    "a",   "|",    "||"};
  // The text after each rule and the count it returns.
  auto run = [](auto removeTags, auto tidy) {
    return [=](std::string tags) {
      std::string bars = tags;
      const int tagCount = removeTags(tags), barCount = tidy(bars);
      return std::tuple(tags, tagCount, bars, barCount);
    };
  };
  ExpectSameOnGenerated(
      4, 5000, [](Random& g, int) { return g.Tokens(alphabet, 14); },
      run(tessary::RemoveRepeatedOpeningTags, tessary::TidyLineSeparators),
      run(RemoveRepeatedOpeningTags, TidyLineSeparators));
}

}  // namespace
}  // namespace tessary::oracle
