// The timing operations on stores built directly: hand-worked boundaries of each, their refusals, which leave
// the store as it was, and the times a file cannot hold (a MicroDVD frame number of more than seven digits, a time
// past 32 bits).
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "operations/timing_operations.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

using Times = std::vector<std::int32_t>;  // start and end of every subtitle, in order

// A loaded store of `type` with the times; the texts are "A", "B", ... so that no two merge.
SubtitleStore StoreOf(SubtitleType type, const Times& times) {
  SubtitleStore s;
  s.CurrentType = type;
  s.SubtitleLoaded = true;
  s.SubtitleCount = static_cast<int>(times.size() / 2);
  s.EnsureSubtitles(s.SubtitleCount);
  for (int i = 1; i <= s.SubtitleCount; ++i) {
    s.StartValues[i] = times[2 * i - 2];
    s.EndValues[i] = times[2 * i - 1];
    s.Texts[i] = std::string(1, static_cast<char>('A' + (i - 1) % 26));
  }
  return s;
}

Times TimesOf(const SubtitleStore& s) {
  Times out;
  for (int i = 1; i <= s.SubtitleCount; ++i) out.insert(out.end(), {s.StartValues[i], s.EndValues[i]});
  return out;
}

// The milliseconds of MicroDVD frame numbers at `rate`.
Times FramesAt(const Times& frames, double rate) {
  Times ms;
  for (std::int32_t frame : frames) ms.push_back(FramesToMs(frame, rate));
  return ms;
}

using enum Outcome;

// An operation on a store and what it must leave: a refused one leaves the store as it was.
struct OperationCase {
  const char* name;
  TimeLimits limits;
  Times before;
  Operation operation;
  Outcome outcome = Outcome::Refused;
  int changes = 0;
  Times after = {};                                 // empty: as before
  std::optional<Msg> message = Msg::FramesTooHigh;  // of a refusal: mostly of times the file cannot hold
};

OperationResult ExpectCase(const OperationCase& c) {
  SCOPED_TRACE(c.name);
  SubtitleStore s = StoreOf(c.limits.type, c.before);
  const OperationResult result = Apply(s, c.operation, c.limits);
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(std::pair(result.changes, s.ChangeCount), std::pair(c.changes, c.changes));
  EXPECT_EQ(result.message, c.outcome == Refused ? c.message : std::nullopt);
  EXPECT_EQ(TimesOf(s), c.after.empty() ? c.before : c.after);
  return result;
}

using enum TransformMode;
const TimeLimits Srt{SubtitleType::SubRip, 25}, Sub{SubtitleType::MicroDVD, 25};
const Times Ties = {1001, 1003}, Guarded = {1001, 1003, 108000000, 108001000};  // past 100,000,000 ms
const Times Late = {1000, 2000, 90000000, 90001000};
const Times Sub4 = {4000, 6000, 8000, 10000};
const Times Four = {1000, 2000, 4000, 5000, 8000, 9000, 12000, 13000};  // 1-2 s, 4-5 s, 8-9 s, 12-13 s

TEST(Multiply, RoundsTiesToEvenStopsAtTheGuardAndRefusesWhatTheFileCannotHold) {
  for (const OperationCase& c : {
           OperationCase{"ties go to the even neighbour", Srt, Ties, MultiplyParams{1.5}, Done, 2, {1502, 1504}},
           {"factor 1 has nothing to do", Srt, Ties, MultiplyParams{1}, NothingToDo, 0},
           {"a stretch stops at the guard", Srt, Guarded, MultiplyParams{1.5}, PastGuard, 0},
           {"a shrink ignores the guard", Srt, Guarded, MultiplyParams{0.5}, Done, 4, {500, 502, 54000000, 54000500}},
           {"7 digits",
            {SubtitleType::MicroDVD, 60},
            FramesAt({0, 5000000, 5000001, 5000002}, 60),
            MultiplyParams{2},
            Refused},
           // The fields never let such values through; set directly, they still may not wrap the times.
           {"past 32 bits", Srt, Late, MultiplyParams{30}},
       })
    ExpectCase(c);
}

TEST(Shift, StopsAtTheGuardOnlyWhenLaterAndCountsMovedFramesInMicroDVD) {
  for (const OperationCase& c : {
           OperationCase{"amount 0 has nothing to do", Srt, Ties, ShiftParams{0}, NothingToDo, 0},
           {"a later shift stops at the guard", Srt, Guarded, ShiftParams{1000}, PastGuard, 0},
           {"an earlier shift has no guard", Srt, Guarded, ShiftParams{-1000}, Done, 4, {1, 3, 107999000, 108000000}},
           {"a first start equal to the amount becomes 0", Srt, Ties, ShiftParams{-1001}, Done, 2, {0, 2}},
           {"MicroDVD counts moved frames", Sub, Sub4, ShiftParams{120}, Done, 4, {4120, 6120, 8120, 10120}},
           // 1 ms moves no frame at 25 frames per second: the times change, the file does not.
           {"MicroDVD by 1 ms", Sub, Sub4, ShiftParams{1}, Done, 0, {4001, 6001, 8001, 10001}},
           {"past 32 bits", Srt, Late, ShiftParams{2100000000}},
       })
    ExpectCase(c);
  const OperationResult r =
      ExpectCase({"earlier than 0", Srt, Ties, ShiftParams{-1002}, Refused, 0, {}, Msg::LargestDecrease});
  EXPECT_EQ(r.largestDecreaseMs, 1001);
}

TEST(FrameRateChange, KeepsTheStoredTimesAndGivesTheTargetAsTheNewRate) {
  const Times times = {40000, 42000, 44000, 46000};
  ExpectCase({"the rate in force", Sub, times, FrameRateChangeParams{25}, NothingToDo, 0});
  EXPECT_EQ(ExpectCase({"another rate", Sub, times, FrameRateChangeParams{23.976}, Done, 4}).frameRate, 23.976);
  ExpectCase(
      {"7 digits", {SubtitleType::MicroDVD, 1}, FramesAt({0, 999999, 1000000, 1000001}, 1), FrameRateChangeParams{25}});
}

TEST(Transform, EachModeMapsItsSubtitlesByHandWorkedLines) {
  struct Case {
    const char* name;
    TransformParams params;
    int changes;
    Times after;
  };
  const Times oneToFour = {1500, 2636, 4909, 6045, 9455, 10591, 14000, 15136};  // k = 12500 / 11000
  for (const Case& c : {
           // k = 2, b = -2000; the end at 2 s stays where it is and is not counted.
           Case{"whole", {2, 6000, 3, 14000, Whole}, 7, {0, 2000, 6000, 8000, 14000, 16000, 22000, 24000}},
           // Only 2 and 3 move; 3 now overlaps 4, whose start the repair moves past 3's end, its end 3 s later.
           Case{"between", {2, 6000, 3, 14000, Between}, 6, {1000, 2000, 6000, 8000, 14000, 16000, 16000, 19000}},
           // 1 and 4 keep their starts: 1's end goes by (1 s -> 1 s, 4 s -> 3 s), 2 and 3 by k = 1.5,
           // b = -3000, and 4's end by (8 s -> 9 s, 12 s -> 12 s).
           Case{"pinned", {2, 3000, 3, 9000, PinnedEnds}, 6, {1000, 1667, 3000, 4500, 9000, 10500, 12000, 12750}},
           // With the first and last subtitle the pinned ends are where the whole mode puts them.
           Case{"whole 1-4", {1, 1500, 4, 14000, Whole}, 8, oneToFour},
           Case{"pinned 1-4", {1, 1500, 4, 14000, PinnedEnds}, 8, oneToFour},
           // The points on the first and last subtitle's own starts, as loading sets them: the identity.
           Case{"whole identity", {1, 1000, 4, 12000, Whole}, 0, {}},
           Case{"between identity", {1, 1000, 4, 12000, Between}, 0, {}},
           Case{"pinned identity", {1, 1000, 4, 12000, PinnedEnds}, 0, {}},
       })
    ExpectCase({c.name, Srt, Four, c.params, Done, c.changes, c.after});
}

TEST(Transform, RefusesWhatCannotBeWorkedOutOrLeavesTheTimeRangeAndChangesNothing) {
  const Times firstEqual = {1000, 2000, 1000, 5000, 8000, 9000, 12000, 13000};
  const Times middleEqual = {1000, 2000, 4000, 5000, 4000, 9000, 12000, 13000};
  const Times lastEqual = {1000, 2000, 4000, 5000, 8000, 9000, 8000, 13000};
  const Times steep = {1000, 2000, 4000, 5000, 8000, 9000, 9000, 300000000};
  const Msg negative = Msg::FramesWouldBeNegative, high = Msg::FramesTooHigh, lines = Msg::LinesOutOfOrder;
  // No message: the two starts a line goes through are equal.
  auto refused = [](const char* name, Times before, TransformParams params, std::optional<Msg> message,
                    TimeLimits limits = Srt) {
    return OperationCase{name, limits, before, params, Refused, 0, {}, message};
  };
  for (const OperationCase& c : {
           refused("equal points", Four, {1, 5000, 2, 5000, Whole}, Msg::PointsOutOfOrder),
           refused("equal lines", Four, {2, 1000, 2, 5000, Whole}, lines),
           refused("lines past the last limited to equal", Four, {7, 1000, 9, 5000, Whole}, lines),
           refused("whole: first start below 0", Four, {2, 3000, 3, 9000, Whole}, negative),
           refused("whole: last end too high", Four, {1, 0, 2, 2000000000, Whole}, high),
           refused("between: L1 below 0", Four, {2, -1000, 3, 9000, Between}, negative),
           refused("between: L2's end too high", Four, {2, 0, 3, 2147483000, Between}, high),
           // A point after the last start turns the last stretch round: its end goes below 0.
           refused("pinned: last end below 0", Four, {1, 1000, 3, 100000, PinnedEnds}, negative),
           refused("pinned: a steep last stretch", steep, {1, 0, 3, 1, PinnedEnds}, high),
           refused("MicroDVD: 7 digits", FramesAt({100, 200, 1000, 9000000}, 25), {1, 4000, 2, 76000, Whole}, high,
                   {SubtitleType::MicroDVD, 25}),
           refused("SubRip: 99 hours", {1000, 2000, 2000, 3000}, {1, 1000, 2, 359999999, Whole}, high),
           refused("whole: equal starts", middleEqual, {2, 1000, 3, 5000, Whole}, {}),
           refused("between: equal starts", middleEqual, {2, 1000, 3, 5000, Between}, {}),
           refused("pinned: L1 starts with 1", firstEqual, {2, 1000, 3, 9000, PinnedEnds}, {}),
           refused("pinned: L2 starts with N", lastEqual, {1, 1000, 3, 9000, PinnedEnds}, {}),
       })
    EXPECT_EQ(ExpectCase(c).detail, c.message ? ""
                                              : "Two subtitles the transform is worked out from have the same "
                                                "start time.\r\nPlease choose other lines...");
}

TEST(Transform, GivesBackTheLineNumbersLimitedToTheSubtitles) {
  // k = 0.5: the end of 2 (4 s) and the start of 3 (4.001 s) both go to 2 s, so the repair makes
  // the two "B" subtitles one; the second run limits L2 to the last subtitle: the identity.
  SubtitleStore s = StoreOf(SubtitleType::SubRip, {1000, 2000, 3000, 4000, 4001, 5000, 8000, 9000});
  s.Texts[3] = "B";
  EXPECT_EQ(Transform(s, {1, 500, 4, 4000, Whole}, Srt).changes, 9);
  EXPECT_EQ(TimesOf(s), (Times{500, 1000, 1500, 2500, 4000, 4500}));
  const OperationResult again = Transform(s, {1, 500, 4, 4000, Whole}, Srt);
  EXPECT_EQ(std::pair(again.changes, again.lines), std::pair(0, std::optional(std::pair(1, 3))));
  EXPECT_EQ(Transform(s, {7, 500, 9, 4000, Whole}, Srt).lines, std::pair(3, 3));
}

TEST(Transform, AFailedRepairPutsEveryTimeTextAndCountBack) {
  // Subtitle 2 goes past 3, 4 and 5: the repair pushes 3 after it, merges 3 with the equal 4
  // that now touches it, and then finds 3 ending before it starts.
  SubtitleStore s = StoreOf(SubtitleType::SubRip, {1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000});
  s.Texts[4] = "C";
  const std::vector<std::string> texts = s.Texts;
  const OperationResult r = Transform(s, {1, 1000, 2, 20000, Between}, Srt);
  EXPECT_EQ(std::pair(r.outcome, r.message), std::pair(Refused, std::optional(Msg::TooManyErrors)));
  EXPECT_EQ(TimesOf(s), (Times{1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000}));
  EXPECT_EQ(std::tuple(s.Texts, s.SubtitleCount, s.ChangeCount), std::tuple(texts, 5, 0));
}

}  // namespace
}  // namespace tessary::testing
