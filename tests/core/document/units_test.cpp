#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "document/units.h"

namespace tessary {
namespace {

constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();

TEST(FormatTime, WritesHoursPastOneDayAndReadsBackUnchanged) {
  struct Case {
    std::int64_t ms;
    const char* comma;
  };
  for (const Case& c : {Case{0, "00:00:00,000"}, Case{3723004, "01:02:03,004"}, Case{86399999, "23:59:59,999"},
                        Case{86400000, "24:00:00,000"}, Case{90000000, "25:00:00,000"},
                        Case{359999999, "99:59:59,999"}}) {
    std::string dot = c.comma;
    dot[8] = '.';
    EXPECT_EQ(FormatTime(c.ms, true), c.comma);
    EXPECT_EQ(FormatTime(c.ms, false), dot);
    EXPECT_EQ(ParseTime(c.comma), c.ms) << c.comma;
    EXPECT_EQ(ParseTime(dot), c.ms) << dot;
  }
  // The separators are not examined.
  EXPECT_EQ(ParseTime("01x02x03x004"), 3723004);
}

TEST(DecimalReader, ReadsOneSeparatorAsThePointAndFallsBackOnAnythingElse) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {
           Case{"23,976", 23.976}, Case{"23.976", 23.976}, Case{"25", 25}, Case{"007", 7},
           Case{"5.", 5},          Case{".5", 0.5},        Case{",", 0},   Case{"60,5", 60.5},
           Case{"23.9.7", 25},     Case{"2,3.4", 25},      Case{"2a", 25}, Case{"", 25},
           Case{"-5", 25},         Case{" 5", 25},         Case{"5 ", 25}, Case{"1e2", 25},
       }) {
    EXPECT_DOUBLE_EQ(DecimalReader(c.text, 25.0), c.value) << "'" << c.text << "'";
  }
}

TEST(IsAllDigits, NeedsAtLeastOneCharacterAndOnlyDigits) {
  EXPECT_FALSE(IsAllDigits(""));
  EXPECT_TRUE(IsAllDigits("007"));
  for (const char* text : {"12 ", " 12", "1a", "-1", "1.0"}) EXPECT_FALSE(IsAllDigits(text)) << text;
}

TEST(RoundHalfEven, RoundsTiesToTheEvenNeighbour) {
  struct Case {
    double x;
    std::int64_t rounded;
  };
  for (const Case& c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{-0.5, 0}, Case{-1.5, -2}, Case{-2.5, -2},
                        Case{2.4999, 2}, Case{2.5001, 3}, Case{1001.5, 1002}}) {
    EXPECT_EQ(RoundHalfEven(c.x), c.rounded) << c.x;
  }
}

TEST(FrameConversion, RoundsHalfEvenIn64BitsAndClampsMillisecondsTo32Bits) {
  struct Case {
    std::int64_t frame;
    double rate;
    std::int32_t ms;
  };
  for (const Case& c : {
           Case{100, 25, 4000},          Case{1, 23.976, 42},  // 41.7
           Case{1, 16, 62},              Case{3, 16, 188},     // 62.5 and 187.5: ties to even
           Case{9999999, 25, 399999960}, Case{9999999, 23.976, 417083709},
           Case{2147483, 1, 2147483000}, Case{2147484, 1, Int32Max},  // 2,147,484,000 does not fit
           Case{9999999, 1, Int32Max},
       }) {
    EXPECT_EQ(FramesToMs(c.frame, c.rate), c.ms) << c.frame << " at " << c.rate;
  }
  struct Back {
    std::int64_t ms;
    double rate;
    std::int64_t frame;
  };
  for (const Back& c : {Back{20, 25, 0}, Back{60, 25, 2}, Back{100, 25, 2},  // 0.5, 1.5, 2.5
                        Back{3723004, 23.976, 89263}, Back{Int32Max, 1, 2147484}, Back{Int32Max, 60, 128849019},
                        Back{399999960, 25, 9999999}}) {
    EXPECT_EQ(MsToFrames(c.ms, c.rate), c.frame) << c.ms << " at " << c.rate;
  }
}

}  // namespace
}  // namespace tessary
