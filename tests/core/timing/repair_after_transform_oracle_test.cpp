// The repair after the transform against the plain repair of the parse, whose empty subtitles
// and merges are found by searching again from the first subtitle after every removal.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/document/oracle/literal_repair.h"
#include "document/subtitle_store.h"
#include "document/units.h"
#include "timing/repair_after_transform.h"

namespace tessary {
namespace {

// The parse's repair written the plain way, in its transform variant.
bool PlainRepair(SubtitleStore& s) {
  oracle::Repairer o;
  o.afterTransform = true;
  o.S = s.StartValues, o.E = s.EndValues, o.T = s.Texts;
  o.SubtitleCount = s.SubtitleCount, o.ChangeCount = s.ChangeCount;
  o.rawLines.resize(o.T.size());
  try {
    o.Pass();
  } catch (const oracle::Repairer::Reported&) {
    return false;
  }
  s.StartValues = o.S, s.EndValues = o.E, s.Texts = o.T;
  s.SubtitleCount = o.SubtitleCount, s.ChangeCount = o.ChangeCount;
  return s.SubtitleCount > 0;
}

// A small store with the shapes the rules care about: unknown times (-1), equal and
// crossing times, times near the 32-bit limit, empty texts, stray "|", equal neighbours.
SubtitleStore RandomStore(std::mt19937& rng) {
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  auto time = [&]() -> std::int32_t {
    switch (pick(12)) {
      case 0:
        return -1;
      case 1:
        return 2147483647 - pick(3) * 1500;
      default:
        return pick(16) * 500;
    }
  };
  static const std::vector<std::string> texts = {"", "a", "b", "|a", "a|", "a||b", "|", "||a|||"};
  SubtitleStore s;
  s.SubtitleCount = 1 + pick(8);
  s.EnsureSubtitles(s.SubtitleCount);
  std::int32_t clock = 0;
  for (int i = 1; i <= s.SubtitleCount; ++i) {
    // Mostly in order, so that many stores pass.
    const bool ordered = pick(3) != 0;
    s.StartValues[i] = ordered ? ClampToInt32(clock + pick(3) * 500LL) : time();
    s.EndValues[i] = ordered ? ClampToInt32(s.StartValues[i] + pick(4) * 500LL) : time();
    if (ordered && pick(6) == 0) (pick(2) ? s.StartValues[i] : s.EndValues[i]) = -1;
    clock = std::max(clock, s.EndValues[i]);
    s.Texts[i] = i > 1 && pick(3) == 0 ? s.Texts[i - 1] : texts[pick(static_cast<int>(texts.size()))];
  }
  s.ChangeCount = s.ReportedChangeCount = 5;
  return s;
}

std::string Describe(const SubtitleStore& s, int upTo) {
  std::ostringstream out;
  out << "N=" << s.SubtitleCount << " changes=" << s.ChangeCount << ":";
  for (int i = 1; i <= upTo; ++i) out << " [" << s.StartValues[i] << "," << s.EndValues[i] << ",\"" << s.Texts[i] << "\"]";
  return out.str();
}

TEST(RepairAfterTransformOracle, OneSweepAgreesWithSearchingAgainAfterEveryRemoval) {
  std::mt19937 rng(20240607);
  int passed = 0, shrunkAndPassed = 0;
  for (int round = 0; round < 30000; ++round) {
    const SubtitleStore input = RandomStore(rng);
    SubtitleStore fast = input, plain = input;
    const bool fastOk = RepairAfterTransform(fast);
    const bool plainOk = PlainRepair(plain);
    const int n = input.SubtitleCount;
    // A failed repair's store is put back by the caller, so only a passed one is compared.
    ASSERT_EQ(std::tuple(fastOk, fastOk ? Describe(fast, n) : ""), std::tuple(plainOk, plainOk ? Describe(plain, n) : ""))
        << "input " << Describe(input, n);
    passed += fastOk;
    shrunkAndPassed += fastOk && fast.SubtitleCount < n;
  }
  // The inputs reach both outcomes, and removals and merges that still pass.
  EXPECT_GT(passed, 3000);
  EXPECT_LT(passed, 27000);
  EXPECT_GT(shrunkAndPassed, 1000);
}

TEST(RepairAfterTransformOracle, TheLargestStoreOfRemovalsAndMergesTakesOneSweep) {
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
  ASSERT_TRUE(RepairAfterTransform(s));
  EXPECT_EQ(s.SubtitleCount, 1);
  EXPECT_EQ(std::tuple(s.StartValues[1], s.EndValues[1], s.EndValues[2]), std::tuple(100, (n - 1) * 100 + 200, 0));
  EXPECT_EQ(s.ChangeCount, n / 2 + (n / 2 - 1));
}

}  // namespace
}  // namespace tessary
