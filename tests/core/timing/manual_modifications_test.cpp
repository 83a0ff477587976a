// Multiply, Shift and the frame-rate change on a store: hand-worked boundaries and the times a file cannot hold
// (a MicroDVD frame number of more than seven digits, a time past 32 bits).
#include <gtest/gtest.h>

#include "support/operation_cases.h"

namespace tessary::testing {
namespace {

using enum Outcome;
const TimeLimits Srt{TypeSubRip, 25}, Sub{TypeMicroDVD, 25};
const Times Ties = {1001, 1003}, Guarded = {1001, 1003, 108000000, 108001000};  // past 100,000,000 ms
const Times Late = {1000, 2000, 90000000, 90001000};
const Msg TooHigh = Msg::FramesTooHigh;

TEST(Multiply, RoundsTiesToEvenStopsAtTheGuardAndRefusesWhatTheFileCannotHold) {
  for (const OperationCase& c : {
           OperationCase{"ties go to the even neighbour", Srt, Ties, MultiplyParams{1.5}, Done, 2, {1502, 1504}},
           {"factor 1 has nothing to do", Srt, Ties, MultiplyParams{1}, NothingToDo, 0},
           {"a stretch stops at the guard", Srt, Guarded, MultiplyParams{1.5}, PastGuard, 0},
           {"a shrink ignores the guard", Srt, Guarded, MultiplyParams{0.5}, Done, 4, {500, 502, 54000000, 54000500}},
           {"7 digits",
            {TypeMicroDVD, 60},
            FramesAt({0, 5000000, 5000001, 5000002}, 60),
            MultiplyParams{2},
            Refused,
            0,
            {},
            TooHigh},
           // The fields never let such values through; set directly, they still may not wrap the times.
           {"past 32 bits", Srt, Late, MultiplyParams{30}, Refused, 0, {}, TooHigh},
       })
    ExpectCase(c);
}

TEST(Shift, StopsAtTheGuardOnlyWhenLaterAndCountsMovedFramesInMicroDVD) {
  for (const OperationCase& c : {
           OperationCase{"amount 0 has nothing to do", Srt, Ties, ShiftParams{0}, NothingToDo, 0},
           {"a later shift stops at the guard", Srt, Guarded, ShiftParams{1000}, PastGuard, 0},
           {"an earlier shift has no guard", Srt, Guarded, ShiftParams{-1000}, Done, 4, {1, 3, 107999000, 108000000}},
           {"a first start equal to the amount becomes 0", Srt, Ties, ShiftParams{-1001}, Done, 2, {0, 2}},
           {"MicroDVD counts moved frames",
            Sub,
            {4000, 6000, 8000, 10000},
            ShiftParams{120},
            Done,
            4,
            {4120, 6120, 8120, 10120}},
           // 1 ms moves no frame at 25 frames per second: the times change, the file does not.
           {"MicroDVD by 1 ms", Sub, {4000, 6000, 8000, 10000}, ShiftParams{1}, Done, 0, {4001, 6001, 8001, 10001}},
           {"past 32 bits", Srt, Late, ShiftParams{2100000000}, Refused, 0, {}, TooHigh},
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
  ExpectCase({"7 digits",
              {TypeMicroDVD, 1},
              FramesAt({0, 999999, 1000000, 1000001}, 1),
              FrameRateChangeParams{25},
              Refused,
              0,
              {},
              TooHigh});
}

}  // namespace
}  // namespace tessary::testing
