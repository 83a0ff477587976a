// Problems that verification reports, and the layout rules that need a whole parse.
#include <gtest/gtest.h>

#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string T1 = "00:00:01,000 --> 00:00:02,000";
const std::string T3 = "00:00:05,000 --> 00:00:06,000";

struct MicroDVDReport {
  const char* name;
  bool repair;
  std::string line;
  std::string detail;
  int column;
};

class MicroDVDReports : public ::testing::TestWithParam<MicroDVDReport> {};

// The reported line follows an empty line, which is removed first: the report counts lines
// after the removal, and the editing area shows the mends made so far.
TEST_P(MicroDVDReports, ReportLineCountsAfterRemovedEmptyLinesAndTheMendsAreShown) {
  const MicroDVDReport& c = GetParam();
  DocumentFixture f;
  f.doc.settings.AdvancedAutomaticRepair = c.repair;
  f.Open(Lines({"{10}{20}A  ", "", c.line, "{30}{40}C", "{50}{60}D", "{70}{80}E", "{90}{95}F", "{96}{97}G"}));

  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{ProblemReport(2, c.line, c.detail)});
  EXPECT_EQ(f.Text(), Lines({"{10}{20}A", c.line, "{30}{40}C", "{50}{60}D", "{70}{80}E", "{90}{95}F", "{96}{97}G", ""}));
  EXPECT_EQ(f.Caret().line, 2);
  EXPECT_EQ(f.Caret().column, c.column);
  ASSERT_EQ(f.editor.Colourings().size(), 1u);
  EXPECT_EQ(f.editor.Colourings()[0].start, std::string("{10}{20}A\r\n").size());
  EXPECT_EQ(f.editor.Colourings()[0].length, c.line.size());
  EXPECT_EQ(f.editor.Colourings()[0].colour, (Rgb{128, 0, 0}));  // the default text colour is not dark
  EXPECT_EQ(f.doc.store.ChangeCount, 3);
  EXPECT_TRUE(f.doc.commands.VerifyWritings);
}

INSTANTIATE_TEST_SUITE_P(
    Verify, MicroDVDReports,
    ::testing::Values(MicroDVDReport{"ShortLineStrict", false, "Hi", "Line is shorter than 4 characters!", 3},
                      MicroDVDReport{"SecondValueWithoutBraceStrict", false, "{12}x{20}Hi", "'{' is missing!", 5},
                      MicroDVDReport{"UnclosedFirstValueWithRepair", true, "{123", "Line too short!", 5},
                      MicroDVDReport{"UnclosedSecondValueWithRepair", true, "{1}{23", "'}' is missing!", 7}),
    [](const auto& info) { return info.param.name; });

struct StrictReport {
  const char* name;
  std::vector<std::string> lines;
  int line;  // the reported line
  std::string detail;
  int column;
};

class StrictReports : public ::testing::TestWithParam<StrictReport> {};

TEST_P(StrictReports, ReportTheLineAtTheOffendingColumn) {
  const StrictReport& c = GetParam();
  DocumentFixture f;
  f.doc.settings.AdvancedAutomaticRepair = false;
  f.Open(Joined(c.lines));
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{ProblemReport(c.line, c.lines[c.line - 1], c.detail)});
  EXPECT_EQ(f.Text(), Joined(c.lines));
  EXPECT_EQ(f.Caret().line, c.line);
  EXPECT_EQ(f.Caret().column, c.column);
}

std::vector<std::string> SubRipWith(const std::string& timeLine) {
  return {"1", T1, "A", "", "2", timeLine, "B", "", "3", T3, "C"};
}

std::vector<std::string> TimePairWith(const std::string& timeLine) {
  return {"00:00:01.00,00:00:02.00", "First", "", "00:00:03.00,00:00:04.00", "Second", "",
          "00:00:05.00,00:00:06.00", "Third", "", timeLine, "Fourth"};
}

std::vector<std::string> SsaLines() {
  std::vector<std::string> lines;
  for (int k = 10; k < 30; ++k)
    lines.push_back("Dialogue: Marked=0,0:00:" + std::to_string(k) + ".00,0:00:" + std::to_string(k) +
                    ".50,Default,NTP,0000,0000,0000,,Line " + std::to_string(k));
  return lines;
}

std::vector<std::string> SsaWith(const std::string& fifth) {
  std::vector<std::string> lines = SsaLines();
  lines[4] = fifth;
  return lines;
}

std::vector<std::string> TimePrefixWith(const std::string& second) {
  return {"00:00:01:A", second, "00:00:09:B", "00:00:12:C"};
}

INSTANTIATE_TEST_SUITE_P(
    Verify, StrictReports,
    ::testing::Values(
        StrictReport{"SubRipShortArrow", SubRipWith("00:00:03,000 -> 00:00:04,000"), 6, "\">\"<>\"-\"", 15},
        StrictReport{"SubRipTwoBlanksBeforeArrow", SubRipWith("00:00:03,000  --> 00:00:04,000"), 6, "\" \"<>\"-\"", 14},
        StrictReport{"SubRipEndTimeCut", SubRipWith("00:00:03,000 --> 00:00:04,00"), 6, "Line too short!", 29},
        StrictReport{"SubRipWrongSeparatorInEnd", SubRipWith("00:00:03,000 --> 00:00:04;000"), 6, "\";\"<>\".\"", 26},
        StrictReport{"SubRipColonForComma", SubRipWith("00:00:03:000 --> 00:00:04,000"), 6, "\":\"<>\".\"", 9},
        StrictReport{"TimePairWrongLength", TimePairWith("00:00:07.00,00:00:08.0"), 10, "Line too short!", 23},
        StrictReport{"TimePairWrongSeparator", TimePairWith("00:00:07.00;00:00:08.00"), 10, "\";\"<>\",\"", 12},
        StrictReport{"TimePairLetter", TimePairWith("00:00:07.00,00:00:0x.00"), 10, "\"x\" is not a number!", 20},
        StrictReport{"SsaShortDialogue", SsaWith("Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default"), 5,
                     "Line too short!", 1},
        StrictReport{"SsaBadTimes",
                     SsaWith("Dialogue: Marked=0,0:00:1.00,0:00:02.00,Default,NTP,0000,0000,0000,,Some longer text"),
                     5, "", 1},
        StrictReport{"TimePrefixShortLine", TimePrefixWith("Hi"), 2, "Line too short!", 3},
        StrictReport{"TimePrefixLetter", TimePrefixWith("00:00:0x:Text"), 2, "\"x\" is not a number!", 8},
        StrictReport{"TimePrefixBlankForColon", TimePrefixWith("00:00:05 Text"), 2, "\" \"<>\":\"", 9}),
    [](const auto& info) { return info.param.name; });

TEST(SubRipCounterQuestion, AcceptedOnceThenNotAskedAgainUntilTheSubtitleIsClosed) {
  DocumentFixture f;
  f.doc.settings.AdvancedAutomaticRepair = false;
  const std::string text = Lines({"1", T1, "A", "", "2", "00:00:03,000 --> 00:00:04,000", "B", "", "4", T3, "C", "",
                                  "7", "00:00:07,000 --> 00:00:08,000", "D"});
  const std::string question =
      "The counter index is not in raising order!\r\nDo you wish to disable this notification and continue anyway?";
  f.prompter.answers = {Answer::Ok};
  f.Open(text);
  // One question for both counters out of order.
  EXPECT_EQ(f.prompter.Texts(), (std::vector<std::string>{question, ChangesMade(2)}));

  f.prompter.shown.clear();
  f.EditAndVerify(text);
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{ChangesMade(2)});

  f.doc.Reinitialization();
  f.prompter.shown.clear();
  f.Open(text);
  EXPECT_EQ(f.prompter.shown.front().text, question);
}

// Every parse counts the dialogue lines afresh, so a second parse finds the same subtitles.
TEST(SsaParse, CountsDialogueLinesFromZeroAtEveryParse) {
  DocumentFixture f;
  f.Open(Joined(SsaLines()), "film.ssa");
  ASSERT_EQ(f.doc.store.SubtitleCount, 20);
  f.EditAndVerify(Joined(SsaLines()));
  EXPECT_EQ(f.doc.store.SubtitleCount, 20);
  EXPECT_EQ(f.doc.store.Texts[20], "Line 29");
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{"The subtitle was properly modified!"});
}

class TimePrefixZeroTime : public ::testing::TestWithParam<std::string> {};

// A line without a readable time starts at 0 and keeps its text exactly.
TEST_P(TimePrefixZeroTime, KeepsTheLineTextExactly) {
  const std::string& line = GetParam();
  DocumentFixture f;
  f.Open(Lines({line, "00:00:05:A", "00:00:09:B", "00:00:12:C"}));
  EXPECT_TRUE(f.prompter.shown.empty());
  EXPECT_EQ(SubtitlesOf(f.doc)[0], (Subtitle{0, 5000, line}));
  EXPECT_EQ(f.Text(), Lines({"1", "00:00:00,000 --> 00:00:05,000", line, "", "2", "00:00:05,000 --> 00:00:09,000",
                             "A", "", "3", "00:00:09,000 --> 00:00:12,000", "B", "", "4",
                             "00:00:12,000 --> 00:00:15,000", "C", ""}));
}

INSTANTIATE_TEST_SUITE_P(Verify, TimePrefixZeroTime,
                         ::testing::Values("Hello there", "Hi", "00:00:5:late", "12:30 lunch time"));

}  // namespace
}  // namespace tessary::testing
