#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

constexpr const char* Escape = "\x1b";

// Types the target rate into the box key by key and leaves it.
void TypeTarget(Document& doc, const std::string& rate) {
  for (std::size_t n = 1; n <= rate.size(); ++n) doc.FieldChanged(TimingField::ChangeFrameRate, rate.substr(0, n));
  doc.FieldExit(TimingField::ChangeFrameRate);
}

TEST(FrameRateChange, KeepsTheTimesAndShowsThemAtTheNewRate) {
  struct Case {
    std::string file, fileName;
    std::string textAfter;  // empty: the text does not change
    const char* shiftField;
    const char* firstPointField;
  };
  const std::string subRip =
      Lines({"1", "00:00:40,000 --> 00:00:42,000", "A", "", "2", "00:00:44,000 --> 00:00:46,000", "B", "", ""});
  for (const Case& c : {
           Case{Lines({"{1000}{1050}A", "{1100}{1150}B"}), "m.sub", Lines({"{959}{1007}A", "{1055}{1103}B"}), "24",
                "959"},
           Case{subRip, "s.srt", "", "1000", "00:00:40,000"},
       }) {
    SCOPED_TRACE(c.fileName);
    DocumentFixture f;
    f.Open(c.file, c.fileName);
    const std::string before = f.Text();
    // One second to shift by, typed in the unit the file opened in: it stays one second.
    f.doc.FieldChanged(TimingField::IncreaseDecreaseValue, f.doc.InputUnit == 1 ? "25" : "1000");
    f.doc.FieldExit(TimingField::IncreaseDecreaseValue);
    // The rate in force as target does nothing, and says nothing (the one report below).
    TypeTarget(f.doc, "25");
    f.doc.ChangeFrameRateClick();
    EXPECT_EQ(std::tuple(f.Text(), f.doc.store.ChangeCount, f.doc.ChangesUnsaved()), std::tuple(before, 0, false));
    TypeTarget(f.doc, "23.976");
    f.doc.ChangeFrameRateClick();

    EXPECT_EQ(f.Text(), c.textAfter.empty() ? before : c.textAfter);
    const auto& s = f.doc.store;
    EXPECT_EQ(std::vector<std::int32_t>({s.StartValues[1], s.EndValues[1], s.StartValues[2], s.EndValues[2]}),
              std::vector<std::int32_t>({40000, 42000, 44000, 46000}));
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{"I've made 4 changes"});
    EXPECT_TRUE(f.doc.ChangesUnsaved());
    EXPECT_DOUBLE_EQ(f.doc.FrameRate, 23.976);
    EXPECT_DOUBLE_EQ(f.doc.CommittedFrameRate, 23.976);
    EXPECT_EQ(f.doc.fields.FrameRateText, "23.976");
    EXPECT_TRUE(f.doc.fields.FrameRateRed);
    EXPECT_EQ(f.doc.ShiftValue, 1000);
    EXPECT_EQ(f.doc.fields.IncreaseDecreaseValue, c.shiftField);
    EXPECT_EQ(f.doc.fields.FirstPoint, c.firstPointField);
  }
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
      text == Escape ? f.doc.FieldEscape(TimingField::ChangeFrameRate)
                     : f.doc.FieldChanged(TimingField::ChangeFrameRate, text);
      shown.push_back(f.doc.fields.ChangeFrameRateText);
    }
    EXPECT_EQ(shown, c.shown);
    f.doc.FieldExit(TimingField::ChangeFrameRate);
    EXPECT_DOUBLE_EQ(f.doc.TargetFrameRate, c.target);
    EXPECT_DOUBLE_EQ(f.doc.LastValidTargetFrameRate, c.target);
    EXPECT_EQ(f.doc.FieldText(TimingField::ChangeFrameRate), c.left);
    EXPECT_TRUE(f.prompter.Texts().empty());
  }
}

}  // namespace
}  // namespace tessary::testing
