// The document's runner of the timing operations: the guard, the refusal shown, the text shown
// again and the report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

TEST(RunOperation, WithNoSubtitleEveryOperationOnlyGivesTheNotice) {
  DocumentRig f;
  // Calls so close together show the box from the second one on.
  for (const Operation& operation : {Operation{MultiplyParams{1.5}}, Operation{ShiftParams{-1000}},
                                     Operation{FrameRateChangeParams{30}}, Operation{TransformParams{}}})
    f.doc.Run(operation);
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>(3, "Please load a subtitle!"));
  EXPECT_EQ(std::pair(f.doc.FrameRate(), f.doc.timing().shift.Text()), std::pair(25.0, std::string("0")));
}

TEST(RunOperation, ShowsTheRefusalOrTheTextAgainWithTheReport) {
  struct Case {
    const char* name;
    std::vector<Subtitle> subtitles;
    Operation operation;
    std::vector<std::string> messages;
    bool rendered;
    Icon icon = Icon::Information;
  };
  using enum TransformMode;
  const std::vector<Subtitle> two = {{1001, 1003, "A"}, {4000, 5000, "B"}};
  const std::vector<Subtitle> guarded = {{1001, 1003, "A"}, {108000000, 108001000, "B"}};
  const std::string order = MessageTable()[Msg::PointsOutOfOrder];
  for (const Case& c : {
           Case{"changed", two, MultiplyParams{1.5}, {"I've made 4 changes"}, true},
           Case{"nothing to do", two, MultiplyParams{1}, {}, false},
           Case{"a stretch past the guard", guarded, MultiplyParams{1.5}, {}, false},
           Case{"a shift past the guard", guarded, ShiftParams{1000}, {"No change"}, true},
           Case{"a transform with no change", two, TransformParams{1, 1001, 2, 4000, Whole}, {"No change"}, false},
           Case{"refused", two, TransformParams{1, 5000, 2, 5000, Whole}, {order}, false, Icon::Error},
       }) {
    SCOPED_TRACE(c.name);
    DocumentFixture f;
    f.Open(SubRipFile(c.subtitles), "s.srt");
    f.prompter.shown.clear();
    f.editor.ColourRange(0, 1, Rgb{});  // showing the text again clears it
    f.doc.Run(c.operation);
    EXPECT_EQ(f.prompter.Texts(), c.messages);
    for (const ShownMessage& shown : f.prompter.shown) EXPECT_EQ(shown.icon, c.icon);
    EXPECT_EQ(f.editor.Colourings().empty(), c.rendered);
    const bool changed = f.doc.store().ChangeCount > 0;
    EXPECT_EQ(std::tuple(f.doc.ChangesUnsaved(), f.doc.store().ReportedChangeCount),
              std::tuple(changed, f.doc.store().ChangeCount));
  }
}

// Each run reports its own changes; the transform shows the line numbers it limited and why it refused; the
// repair after a MicroDVD transform works on the frames the text shows, so that the result verifies unchanged.
TEST(RunOperation, ReportsEachRunAloneAndShowsWhatTheTransformLimitedAndRepaired) {
  DocumentFixture f;
  f.Open(SubRipFile({{1000, 2000, "A"}, {4000, 5000, "B"}}), "s.srt");
  f.doc.Run(ShiftParams{1});
  f.doc.Run(ShiftParams{1});
  f.doc.Run(TransformParams{1, 1002, 9, 4002, TransformMode::Whole});
  EXPECT_EQ(std::pair(f.doc.timing().secondLine.Value(), f.doc.timing().secondLine.Text()),
            std::pair(2, std::string("2")));
  f.doc.StoreForSetup().StartValues[2] = f.doc.store().StartValues[1];
  f.doc.Run(TransformParams{1, 1000, 2, 5000, TransformMode::Whole});
  EXPECT_EQ(f.prompter.Texts(), (std::vector<std::string>{"I've made 4 changes", "I've made 4 changes", "No change",
                                                          "Two subtitles the transform is worked out from have the "
                                                          "same start time.\r\nPlease choose other lines..."}));
  f.Open(Lines({"{25}{50}a", "{10075}{10150}b"}), "a.sub");
  f.doc.Run(TransformParams{1, 1000, 2, 8000, TransformMode::Whole});
  const std::string transformed = f.Text();
  EXPECT_EQ(transformed.substr(0, transformed.find('a')), "{25}{100}");  // squeezed into one frame: lengthened
  f.prompter.shown.clear();
  f.EditAndVerify(transformed);
  EXPECT_EQ(f.Text(), transformed);
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{"The subtitle was properly modified!"});
}

// The document shows the text at the new rate, commits it in the main box and shows the amounts
// kept in milliseconds in frames of the new rate.
TEST(RunOperation, ChangeFrameRateShowsTheSubtitleAndItsFieldsAtTheNewRate) {
  DocumentFixture f;
  f.Open(Lines({"{1000}{1050}A", "{1100}{1150}B"}), "m.sub");
  f.doc.timing().shift.Changed("25", f.doc.TimingContext());  // one second, which it stays
  f.doc.timing().shift.Exit(f.doc.TimingContext());
  f.doc.Run(FrameRateChangeParams{23.976});
  EXPECT_EQ(f.Text(), Lines({"{959}{1007}A", "{1055}{1103}B"}));
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{"I've made 4 changes"});
  EXPECT_EQ(std::tuple(f.doc.FrameRate(), f.doc.CommittedFrameRate(), f.doc.fields().FrameRateText,
                       f.doc.fields().FrameRateRed, f.doc.timing().shift.Value(), f.doc.timing().shift.Text(),
                       f.doc.timing().firstPoint.Text()),
            std::tuple(23.976, 23.976, std::string("23.976"), true, 1000, std::string("24"), std::string("959")));
}

// A decrease past the first start offers the largest amount in the field, in frames rounded down so that it
// never passes the start (5030 ms: 125 frames), where the next run takes it.
TEST(RunOperation, ADecreasePastTheFirstStartOffersTheLargestAmountInTheField) {
  DocumentFixture f;
  f.Open(SubRipFile({{5030, 9000, "A"}, {10000, 11000, "A"}}), "d.srt");
  f.doc.SelectFramesUnit();
  f.doc.timing().shift.Changed("200", f.doc.TimingContext());
  f.doc.timing().shift.Exit(f.doc.TimingContext());
  auto decrease = [&f] { f.doc.Run(ShiftParams{-std::int64_t{f.doc.timing().shift.Value()}}); };
  decrease();
  ASSERT_EQ(f.prompter.shown.size(), 1u);
  EXPECT_EQ(std::tuple(f.prompter.shown[0].icon, f.prompter.shown[0].text, f.doc.timing().shift.Text()),
            std::tuple(Icon::Error,
                       "The maximum value which can be used so that\r\nthe frames couldn't become negative is "
                       "125\r\nPlease try again",
                       "125"));
  decrease();
  EXPECT_EQ(f.doc.store().StartValues[1], 30);
}

}  // namespace
}  // namespace tessary::testing
