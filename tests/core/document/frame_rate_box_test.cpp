#include <gtest/gtest.h>

#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string MicroDVD = Lines({"{100}{150}One", "{200}{250}Two", "{300}{350}Three"});

TEST(FrameRateBox, TypingTakesRatesFrom1To60AndShowsTheRateInForce) {
  struct Case {
    std::vector<const char*> typed;
    double rate;
    const char* text;
  };
  for (const Case& c : {
           Case{{"23.976"}, 23.976, "23.976"}, Case{{"23,976"}, 23.976, "23.976"},
           // A separator may still be followed by digits.
           Case{{"30", "23,"}, 30, "23,"}, Case{{"30", "23."}, 30, "23."},
           // Not a number reads as 25.
           Case{{"30", "2x"}, 25, "25"}, Case{{"30", "23.976."}, 25, "25"},
           // Out of range leaves the rate as it was.
           Case{{"30", "0"}, 30, "30"}, Case{{"30", "60.5"}, 30, "30"}, Case{{"30", ",5"}, 30, "30"},
           Case{{"30", "60"}, 60, "60"}, Case{{"30", "1"}, 1, "1"},
       }) {
    DocumentFixture f;
    for (const char* text : c.typed) f.doc.FrameRateTextChanged(text);
    EXPECT_DOUBLE_EQ(f.doc.FrameRate, c.rate) << c.typed.back();
    EXPECT_EQ(f.doc.fields.FrameRateText, c.text) << c.typed.back();
    EXPECT_DOUBLE_EQ(f.doc.CommittedFrameRate, 25) << c.typed.back();
  }
}

TEST(FrameRateBox, CommitAndCancelSettleTheTextAndTheRateInForce) {
  enum Action { Commit, Cancel };
  struct Case {
    std::vector<const char*> typed;
    Action action;
    double rate;
    const char* text;
  };
  for (const Case& c : {
           Case{{"30"}, Commit, 30, "30"}, Case{{"23,"}, Commit, 23, "23"},
           Case{{"30"}, Cancel, 25, "25"}, Case{{"30", "23,"}, Cancel, 25, "25"},
           // An emptied box shows the rate in force again and changes nothing.
           Case{{"23,", ""}, Commit, 25, "25"},
       }) {
    DocumentFixture f;
    for (const char* text : c.typed) f.doc.FrameRateTextChanged(text);
    c.action == Commit ? f.doc.FrameRateCommit() : f.doc.FrameRateCancel();
    EXPECT_DOUBLE_EQ(f.doc.FrameRate, c.rate) << c.typed.back();
    EXPECT_DOUBLE_EQ(f.doc.CommittedFrameRate, c.rate) << c.typed.back();
    EXPECT_EQ(f.doc.fields.FrameRateText, c.text) << c.typed.back();
  }
}

TEST(FrameRateBox, CommitRescalesMicroDVDTimesSoThatTheFramesStayAndRefreshesThePoints) {
  const std::string subRip = Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 --> 00:00:04,000",
                                    "B", ""});
  struct Case {
    const char* name;
    std::string file;
    std::int32_t firstStart, firstEnd, lastStart;  // after committing 20 fps
    const char *firstField, *secondField, *secondLine;
  };
  for (const Case& c : {
           Case{"MicroDVD", MicroDVD, 5000, 7500, 15000, "100", "300", "3"},
           Case{"SubRip", subRip, 1000, 2000, 3000, "20", "60", "2"},
       }) {
    DocumentFixture f;
    f.Open(c.file);
    f.doc.SelectFramesUnit();
    f.doc.FirstPointValue = 7;
    f.doc.FrameRateTextChanged("20");
    f.doc.FrameRateCommit();
    EXPECT_EQ(f.doc.store.StartValues[1], c.firstStart) << c.name;
    EXPECT_EQ(f.doc.store.EndValues[1], c.firstEnd) << c.name;
    EXPECT_EQ(f.doc.store.StartValues[f.doc.store.SubtitleCount], c.lastStart) << c.name;
    EXPECT_EQ(f.doc.FirstPointValue, c.firstStart) << c.name;
    EXPECT_EQ(f.doc.SecondPointValue, c.lastStart) << c.name;
    EXPECT_EQ(f.doc.fields.FirstPoint, c.firstField) << c.name;
    EXPECT_EQ(f.doc.fields.SecondPoint, c.secondField) << c.name;
    EXPECT_EQ(f.doc.fields.SecondLine, c.secondLine) << c.name;
    EXPECT_DOUBLE_EQ(f.doc.CommittedFrameRate, 20) << c.name;
    const std::string before = f.Text();
    f.doc.LinesInText();
    EXPECT_EQ(f.Text(), before) << c.name;
  }
}

TEST(DisplayUnit, FramesRoundHalfEvenAndTheSecondPointShowsAtLeastOne) {
  struct Case {
    std::int32_t shift;
    std::int64_t first, second;
    double rate;
    const char *shiftFrames, *firstFrames, *secondFrames;
    const char *shiftTime, *firstTime, *secondTime;
  };
  for (const Case& c : {
           Case{1000, 0, 0, 25, "25", "0", "1", "1000", "00:00:00,000", "00:00:00,000"},
           Case{20, 60, 20, 25, "0", "2", "1", "20", "00:00:00,060", "00:00:00,020"},
           Case{-1000, 100, 140, 25, "-25", "2", "4", "-1000", "00:00:00,100", "00:00:00,140"},
           Case{0, 3723004, 90000000, 23.976, "0", "89263", "2157840", "0", "01:02:03,004", "25:00:00,000"},
       }) {
    DocumentFixture f;
    f.doc.FrameRate = f.doc.CommittedFrameRate = c.rate;
    f.doc.ShiftValue = c.shift;
    f.doc.FirstPointValue = c.first;
    f.doc.SecondPointValue = c.second;
    f.doc.SelectTimeUnit();
    EXPECT_EQ(f.doc.InputUnit, 2);
    EXPECT_EQ(f.doc.fields.UnitsLabel, "");
    EXPECT_EQ(f.doc.fields.IncreaseDecreaseValue, c.shiftTime);
    EXPECT_EQ(f.doc.fields.FirstPoint, c.firstTime);
    EXPECT_EQ(f.doc.fields.SecondPoint, c.secondTime);
    f.doc.SelectFramesUnit();
    EXPECT_EQ(f.doc.InputUnit, 1);
    EXPECT_EQ(f.doc.fields.UnitsLabel, "frames");
    EXPECT_EQ(f.doc.fields.IncreaseDecreaseValue, c.shiftFrames);
    EXPECT_EQ(f.doc.fields.FirstPoint, c.firstFrames);
    EXPECT_EQ(f.doc.fields.SecondPoint, c.secondFrames);
  }
}

}  // namespace
}  // namespace tessary::testing
