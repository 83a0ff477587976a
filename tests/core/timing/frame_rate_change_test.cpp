// "Do it" on a store, and the target rate box.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/operation_cases.h"

namespace tessary::testing {
namespace {

constexpr const char* Escape = "\x1b";

TEST(FrameRateChange, KeepsTheStoredTimesAndGivesTheTargetAsTheNewRate) {
  const Times times = {40000, 42000, 44000, 46000};
  ExpectCase({"the rate in force", {TypeMicroDVD, 25}, times, FrameRateChangeParams{25}, Outcome::NothingToDo, 0});
  const OperationResult r =
      ExpectCase({"another rate", {TypeMicroDVD, 25}, times, FrameRateChangeParams{23.976}, Outcome::Done, 4});
  EXPECT_EQ(r.frameRate, 23.976);
}

TEST(TargetRateBox, TypingKeepsRatesFrom1To60AndLeavingTakesRatesFrom5To60) {
  struct Case {
    std::vector<std::string> typed;  // the box's text after each change; Escape as "\x1b"
    std::vector<std::string> shown;  // what the box then shows
    double target;                   // after leaving the box
    const char* left;                // the text after leaving
  };
  for (const Case& c : {
           Case{{"2", "23", "23.", "23.9", "23.97", "23.976"},
                {"2", "23", "23.", "23.9", "23.97", "23.976"},
                23.976,
                "23.976"},
           Case{{"7", "70"}, {"7", "7"}, 7, "7"},  // 70 is out of range: the last valid rate stays
           Case{{"29,", "29,97"}, {"29,", "29.97"}, 29.97, "29.97"},
           Case{{"3", "3a"}, {"3", "3"}, 25, "25"},  // 3 may be typed but is no target: 25 stays
           Case{{"0"}, {"25"}, 25, "25"},
           Case{{"2", "2.5.", "2.5.1"}, {"2", "2", "2"}, 25, "25"},  // two separators read as the last valid
           Case{{"2a4"}, {"24"}, 24, "24"},                          // pasted text is cleaned
           Case{{"24", Escape}, {"24", "25"}, 25, "25"},             // the target in force comes back
       }) {
    SCOPED_TRACE(::testing::PrintToString(c.typed));
    DocumentFixture f;
    std::vector<std::string> shown;
    for (const std::string& text : c.typed) {
      text == Escape ? f.doc.timing.targetRate.Escape(f.doc.TimingContext())
                     : f.doc.timing.targetRate.Changed(text, f.doc.TimingContext());
      shown.push_back(f.doc.timing.targetRate.Text());
    }
    EXPECT_EQ(shown, c.shown);
    f.doc.timing.targetRate.Exit(f.doc.TimingContext());
    EXPECT_DOUBLE_EQ(f.doc.timing.targetRate.Target(), c.target);
    EXPECT_DOUBLE_EQ(f.doc.timing.targetRate.LastValid(), c.target);
    EXPECT_EQ(f.doc.timing.targetRate.Text(), c.left);
    EXPECT_TRUE(f.prompter.Texts().empty());
  }
}

}  // namespace
}  // namespace tessary::testing
