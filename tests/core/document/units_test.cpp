#include "document/units.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

namespace tessary {
namespace {

constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();

// No time is written so that it reads back differently: hours run past one day, and past 99
// hours the minutes run past 59.
TEST(FormatTime, WritesHoursPastOneDayAndReadsBackUnchanged) {
  struct Case {
    std::int64_t ms;
    const char* comma;
  };
  for (const Case& c :
       {Case{3723004, "01:02:03,004"}, Case{86399999, "23:59:59,999"}, Case{90000000, "25:00:00,000"},
        Case{359999999, "99:59:59,999"}, Case{360000000, "99:60:00,000"}, Case{MaxSubRipTime, "99:99:99,999"}}) {
    std::string dot = c.comma;
    dot[8] = '.';
    EXPECT_EQ(FormatTime(c.ms, true), c.comma);
    EXPECT_EQ(FormatTime(c.ms, false), dot);
    EXPECT_EQ(ParseTime(dot), c.ms) << dot;
  }
}

TEST(DecimalReader, ReadsOneSeparatorAsThePointAndFallsBackOnAnythingElse) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c :
       {Case{"23,976", 23.976}, Case{"23.976", 23.976}, Case{"007", 7}, Case{"5.", 5}, Case{".5", 0.5}, Case{",", 0},
        Case{"23.9.7", 25}, Case{"2a", 25}, Case{"", 25}, Case{"-5", 25}, Case{" 5", 25}, Case{"1e2", 25}}) {
    EXPECT_DOUBLE_EQ(DecimalReader(c.text, 25.0), c.value) << "'" << c.text << "'";
  }
}

TEST(FrameConversion, RoundsHalfEvenIn64BitsAndClampsMillisecondsTo32Bits) {
  struct Case {
    std::int64_t frame;
    double rate;
    std::int32_t ms;
  };
  for (const Case& c : {
           Case{1, 23.976, 42},                // 41.7
           Case{1, 16, 62}, Case{3, 16, 188},  // 62.5 and 187.5: ties to even
           Case{9999999, 23.976, 417083709}, Case{2147483, 1, 2147483000},
           Case{2147484, 1, Int32Max},  // 2,147,484,000 does not fit
       }) {
    EXPECT_EQ(FramesToMs(c.frame, c.rate), c.ms) << c.frame << " at " << c.rate;
  }
  struct Back {
    std::int64_t ms;
    double rate;
    std::int64_t frame;
  };
  for (const Back& c : {Back{20, 25, 0}, Back{60, 25, 2}, Back{100, 25, 2},  // 0.5, 1.5, 2.5
                        Back{3723004, 23.976, 89263}, Back{Int32Max, 60, 128849019}}) {
    EXPECT_EQ(MsToFrames(c.ms, c.rate), c.frame) << c.ms << " at " << c.rate;
  }
}

// The latest writable time is writable and the next millisecond is not.
TEST(LatestWritableTime, IsTheLastMillisecondOfTheLastFrameOrOfTheLastSubRipTime) {
  for (const auto& [microDvd, rate, latest] :
       {std::tuple{true, 60.0, std::int64_t{166666658}}, std::tuple{true, 23.976, std::int64_t{417083729}},
        std::tuple{true, 1.0, std::int64_t{Int32Max}}, std::tuple{false, 25.0, MaxSubRipTime}}) {
    EXPECT_EQ(LatestWritableTime(microDvd, rate), latest) << rate;
    EXPECT_TRUE(TimeWritable(latest, microDvd, rate));
    EXPECT_FALSE(TimeWritable(latest + 1, microDvd, rate));
  }
}

}  // namespace
}  // namespace tessary
