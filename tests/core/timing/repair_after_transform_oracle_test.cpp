// The repair after the transform, against a plain reading of its rules: empty subtitles and
// merges are found by searching again from the first subtitle after every removal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "document/subtitle_store.h"
#include "document/units.h"
#include "timing/repair_after_transform.h"

namespace tessary {
namespace {

bool PlainRepair(SubtitleStore& s) {
  auto& S = s.StartValues;
  auto& E = s.EndValues;
  auto& T = s.Texts;
  int& N = s.SubtitleCount;
  int& changes = s.ChangeCount;
  auto removeAt = [&](int k) {
    for (int j = k; j < N; ++j) {
      S[j] = S[j + 1];
      E[j] = E[j + 1];
      T[j] = T[j + 1];
    }
    S[N] = E[N] = 0;
    T[N].clear();
    --N;
  };
  auto firstWhere = [&](int from, int to, auto holds) {
    for (int i = from; i <= to; ++i)
      if (holds(i)) return i;
    return 0;
  };

  for (int i; (i = firstWhere(1, N, [&](int k) { return T[k].empty(); })) != 0; ++changes) removeAt(i);
  if (N < 1) return false;
  if (S[1] == -1) S[1] = 0, ++changes;
  if (E[N] == -1) {
    if (S[N] == -1) return false;
    E[N] = ClampToInt32(S[N] + 3000LL), ++changes;
  }
  for (int i = 1; i <= N - 1; ++i)
    if (S[i] == E[i] && S[i] != -1 && E[i] != -1) {
      // As in the parse's repair, a next start still unknown leaves the full 3 s.
      E[i] = S[i + 1] == -1 ? ClampToInt32(S[i] + 3000LL) : ClampToInt32(std::min<std::int64_t>(S[i] + 3000LL, S[i + 1]));
      ++changes;
    }
  for (int i = 2; i <= N; ++i)
    if (S[i] == -1 && E[i - 1] != -1) S[i] = ClampToInt32(std::max<std::int64_t>(E[i - 1], E[i] - 3000LL)), ++changes;
  for (int i = 1; i <= N - 1; ++i)
    if (E[i] == -1 && S[i + 1] != -1) E[i] = S[i + 1], ++changes;
  if (firstWhere(1, N, [&](int k) { return S[k] == -1; })) return false;
  if (firstWhere(1, N, [&](int k) { return E[k] == -1; })) return false;
  for (int i = 1; i <= N - 1; ++i) {
    if (E[i] <= S[i]) {
      E[i] = ClampToInt32(std::min<std::int64_t>(S[i] + 3000LL, S[i + 1])), ++changes;
      if (E[i] <= S[i] && i >= 2 && E[i - 1] < E[i])
        S[i] = ClampToInt32(std::max<std::int64_t>(E[i] - 3000LL, E[i - 1])), ++changes;
    }
    if (S[i + 1] < E[i]) {
      if (S[i + 1] > S[i])
        E[i] = S[i + 1];
      else
        S[i + 1] = ClampToInt32(std::max<std::int64_t>(E[i + 1] - 3000LL, E[i]));
      ++changes;
    }
  }
  for (int i; (i = firstWhere(1, N - 1, [&](int k) { return T[k] == T[k + 1] && E[k] == S[k + 1]; })) != 0; ++changes) {
    E[i] = E[i + 1];
    removeAt(i + 1);
  }
  for (int i = 1; i <= N; ++i) {
    std::string& t = T[i];
    while (!t.empty() && t.front() == '|') t.erase(0, 1), ++changes;
    while (!t.empty() && t.back() == '|') t.pop_back(), ++changes;
    for (std::size_t at; (at = t.find("||")) != std::string::npos;) t.erase(at, 1), ++changes;
  }
  if (E[1] <= S[1]) S[1] = ClampToInt32(std::max<std::int64_t>(0, E[1] - 3000LL)), ++changes;
  if (S[N] >= E[N]) E[N] = ClampToInt32(S[N] + 3000LL), ++changes;
  if (firstWhere(1, N, [&](int k) { return S[k] >= E[k]; })) return false;
  if (firstWhere(1, N - 1, [&](int k) { return E[k] > S[k + 1]; })) return false;
  return true;
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
    ASSERT_EQ(std::tuple(fastOk, Describe(fast, n)), std::tuple(plainOk, Describe(plain, n)))
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
