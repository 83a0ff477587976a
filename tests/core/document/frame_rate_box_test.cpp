#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

constexpr const char* Enter = "\n";     // commits the box
constexpr const char* Escape = "\x1b";  // cancels it

TEST(FrameRateBox, TypingTakesRatesFrom1To60AndCommitOrCancelSettleTheRateInForce) {
  struct Case {
    std::vector<std::string> typed;
    double rate, committed;
    const char* text;
  };
  for (const Case& c : {
           Case{{"23,976"}, 23.976, 25, "23.976"},
           Case{{"30", "23,"}, 30, 25, "23,"},  // a separator may still be followed by digits
           // Not a number reads as 25; a rate out of 1..60 changes nothing.
           Case{{"30", "2x"}, 25, 25, "25"},
           Case{{"30", "23.976."}, 25, 25, "25"},
           Case{{"30", "0"}, 30, 25, "30"},
           Case{{"30", "60.5"}, 30, 25, "30"},
           Case{{"30", "60"}, 60, 25, "60"},
           Case{{"30", "1"}, 1, 25, "1"},
           // Enter commits and Escape cancels; an emptied box shows the rate in force again.
           Case{{"30", Enter}, 30, 30, "30"},
           Case{{"23,", Enter}, 23, 23, "23"},
           Case{{"30", "23,", Escape}, 25, 25, "25"},
           Case{{"23,", "", Enter}, 25, 25, "25"},
       }) {
    DocumentFixture f;
    for (const std::string& key : c.typed) {
      if (key == Enter)
        f.doc.FrameRateCommit();
      else if (key == Escape)
        f.doc.FrameRateCancel();
      else
        f.doc.FrameRateTextChanged(key);
    }
    SCOPED_TRACE(::testing::PrintToString(c.typed));
    EXPECT_DOUBLE_EQ(f.doc.FrameRate, c.rate);
    EXPECT_DOUBLE_EQ(f.doc.CommittedFrameRate, c.committed);
    EXPECT_EQ(f.doc.fields.FrameRateText, c.text);
  }
}

TEST(FrameRateBox, CommitRescalesMicroDVDTimesSoThatTheFramesStayAndRefreshesThePoints) {
  struct Case {
    std::string file;
    std::int32_t firstStart, firstEnd, lastStart;  // after committing 20 fps
    const char *firstField, *secondField;
  };
  for (const Case& c : {
           Case{Lines({"{100}{150}One", "{200}{250}Two", "{300}{350}Three"}), 5000, 7500, 15000, "100", "300"},
           Case{Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 --> 00:00:04,000", "B"}), 1000,
                2000, 3000, "20", "60"},
       }) {
    DocumentFixture f;
    f.Open(c.file);
    f.doc.SelectFramesUnit();
    f.doc.timing.firstPoint.Set(7, f.doc.TimingContext());
    f.doc.FrameRateTextChanged("20");
    f.doc.FrameRateCommit();
    const auto& s = f.doc.store;
    SCOPED_TRACE(c.file);
    EXPECT_EQ(std::tuple(s.StartValues[1], s.EndValues[1], s.StartValues[s.SubtitleCount]),
              std::tuple(c.firstStart, c.firstEnd, c.lastStart));
    EXPECT_EQ(std::pair(f.doc.timing.firstPoint.Value(), f.doc.timing.secondPoint.Value()),
              (std::pair<std::int64_t, std::int64_t>(c.firstStart, c.lastStart)));
    EXPECT_EQ(std::pair(f.doc.timing.firstPoint.Text(), f.doc.timing.secondPoint.Text()),
              (std::pair<std::string, std::string>(c.firstField, c.secondField)));
    const std::string before = f.Text();
    f.doc.LinesInText();
    EXPECT_EQ(f.Text(), before);
  }
}

TEST(DisplayUnit, FramesRoundHalfEvenAndTheSecondPointShowsAtLeastOne) {
  struct Case {
    std::int64_t first, second;
    double rate;
    std::vector<std::string> frames, times;  // first point, second point
  };
  for (const Case& c : {
           Case{60, 20, 25, {"2", "1"}, {"00:00:00,060", "00:00:00,020"}},
           Case{100, 140, 25, {"2", "4"}, {"00:00:00,100", "00:00:00,140"}},
           Case{3723004, 90000000, 23.976, {"89263", "2157840"}, {"01:02:03,004", "25:00:00,000"}},
       }) {
    DocumentFixture f;
    f.doc.FrameRate = f.doc.CommittedFrameRate = c.rate;
    f.doc.timing.firstPoint.Set(c.first, f.doc.TimingContext());
    f.doc.timing.secondPoint.Set(c.second, f.doc.TimingContext());
    auto shown = [&] {
      return std::vector<std::string>{f.doc.timing.firstPoint.Text(), f.doc.timing.secondPoint.Text()};
    };
    f.doc.SelectTimeUnit();
    EXPECT_EQ(shown(), c.times);
    f.doc.SelectFramesUnit();
    EXPECT_EQ(shown(), c.frames);
  }
}

}  // namespace
}  // namespace tessary::testing
