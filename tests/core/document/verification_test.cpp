// Verification of the layouts the oracle tests do not cover, problem reports through the whole
// parse, and the rules that span more than one parse.
#include <gtest/gtest.h>

#include <utility>

#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string T1 = "00:00:01,000 --> 00:00:02,000";
const std::string T3 = "00:00:05,000 --> 00:00:06,000";

TEST(VerifySubtitle, TimePairLinesWithABrokenTimeGetItZeroedAndAnythingElseStaysText) {
  struct Case {
    std::string line, mended;
    int changes;
  };
  for (const Case& c : {
           Case{"00:00:01.00,00:00:0x.00", "00:00:01.00,00:00:00.00", 1},
           Case{"0x:00:01.00,00:00:03.00", "00:00:00.00,00:00:03.00", 1},
           Case{"0x:00:01.00,00:00:0x.00", "00:00:00.00,00:00:00.00", 2},
           Case{"00:00:01.00 00:00:03.00", "00:00:01.00 00:00:03.00", 0},  // the middle is not examined
           Case{"00:00:01.00,garbage", "00:00:01.00,garbage", 0},
       }) {
    DocumentFixture f;
    SetRawLines(f.doc, {"00:00:01.00,00:00:02.00", "Hello", "", c.line, "Hi"}, 3);
    f.doc.VerifySubtitle();
    EXPECT_TRUE(f.doc.VerifiedOK()) << c.line;
    EXPECT_EQ(RawLinesOf(f.doc)[3], c.mended);
    EXPECT_EQ(f.doc.store().ChangeCount, c.changes) << c.line;
    EXPECT_TRUE(f.prompter.shown.empty());
  }
}

std::vector<std::string> TimePairWith(const std::string& timeLine) {
  const std::string pair = "00:00:01.00,00:00:02.00";
  return {pair, "First", "", pair, "Second", "", pair, "Third", "", timeLine, "Fourth"};  // words: no counters
}

// Twenty dialogue lines, the fifth replaced by `fifth` when one is given.
std::vector<std::string> SsaLines(const std::string& fifth = "") {
  std::vector<std::string> lines;
  for (int k = 10; k < 30; ++k)
    lines.push_back("Dialogue: Marked=0,0:00:" + std::to_string(k) + ".00,0:00:" + std::to_string(k) +
                    ".50,Default,NTP,0000,0000,0000,,Line " + std::to_string(k));
  if (!fifth.empty()) lines[4] = fifth;
  return lines;
}

std::vector<std::string> TimePrefixWith(const std::string& second) {
  return {"00:00:01:A", second, "00:00:09:B", "00:00:12:C"};
}

TEST(TextInLines, ReportsAProblemWithTheLineTheCaretAndTheTextAsMendedSoFar) {
  struct Case {
    bool repair;
    std::vector<std::string> lines;
    int line;  // the reported line, quoted as the text shows it
    std::string detail;
    int column;
    std::string shown = "";  // the editing area afterwards, when not the lines as opened
  };
  for (const Case& c : {
           Case{false, TimePairWith("00:00:07.00,00:00:08.0"), 10, "Line too short!", 23},
           Case{false, TimePairWith("00:00:07.00;00:00:08.00"), 10, "\";\"<>\",\"", 12},
           Case{false, TimePairWith("00:00:07.00,00:00:0x.00"), 10, "\"x\" is not a number!", 20},
           Case{false, SsaLines("Dialogue: Marked=0,0:00:01.00,0:00:02.00,Default,NTP,0000,0000,000"), 5,
                "Line too short!", 1},
           Case{false, SsaLines("Dialogue: Marked=0,0:00:1.00,0:00:02.00,Default,NTP,0000,0000,0000,,Some longer text"),
                5, "", 1},
           Case{false, TimePrefixWith("Hi"), 2, "Line too short!", 3},
           Case{false, TimePrefixWith("00:00:0x:Text"), 2, "\"x\" is not a number!", 8},
           Case{false, TimePrefixWith("00:00:05 Text"), 2, "\" \"<>\":\"", 9},
           // A "|" would make a display line of its own of what reads as a time line.
           Case{true, {"1", T1, "|00,000--> 00:01"}, 3, TimeLineInText, 1},
           // Time repair shows the store rendered as it stands, with the repairs made so far.
           Case{true,
                {"{10}{20}A", "{}{}B", "{}{50}C", "{60}{70}D"},
                3,
                "I can't determine the start value!",
                1,
                Lines({"{10}{20}A", "{20}{}B", "{}{50}C", "{60}{70}D"})},
       }) {
    DocumentFixture f;
    f.doc.settings().AdvancedAutomaticRepair = c.repair;
    f.Open(Lines(c.lines));
    SCOPED_TRACE(c.lines[c.line - 1]);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{ProblemReport(c.line, c.lines[c.line - 1], c.detail)});
    EXPECT_EQ(f.Text(), c.shown.empty() ? Lines(c.lines) : c.shown);
    EXPECT_EQ(std::pair(f.Caret().line, f.Caret().column), std::pair(c.line, c.column));
    EXPECT_FALSE(f.doc.LastParseSucceeded());
  }
}

TEST(VerifySubtitle, SubRipCounterQuestionAcceptedOnceIsNotAskedAgainUntilTheSubtitleIsClosed) {
  DocumentFixture f;
  f.doc.settings().AdvancedAutomaticRepair = false;
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
  EXPECT_EQ(f.prompter.shown.at(0).text, question);
}

// Every parse counts the dialogue lines afresh, so a second parse finds the same subtitles.
TEST(TextInLines, SsaCountsDialogueLinesFromZeroAtEveryParse) {
  DocumentFixture f;
  f.Open(Lines(SsaLines()), "film.ssa");
  ASSERT_EQ(f.doc.store().SubtitleCount, 20);
  f.EditAndVerify(Lines(SsaLines()));
  EXPECT_EQ(f.doc.store().SubtitleCount, 20);
  EXPECT_EQ(f.doc.store().Texts[20], "Line 29");
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{"The subtitle was properly modified!"});
}

// A line without a readable time starts at 0 and keeps its text exactly; that is no change.
TEST(TextInLines, TimePrefixLineWithoutATimeStartsAtZeroAndKeepsItsText) {
  for (const std::string line : {"Hello there", "Hi", "00:00:5:late", "12:30 lunch time"}) {
    DocumentFixture f;
    f.Open(Lines({line, "00:00:05:A", "00:00:09:B", "00:00:12:C"}));
    EXPECT_TRUE(f.prompter.shown.empty()) << line;
    EXPECT_EQ(SubtitlesOf(f.doc).at(0), (Subtitle{0, 5000, line}));
    EXPECT_TRUE(f.Text().starts_with(Lines({"1", "00:00:00,000 --> 00:00:05,000", line, "", "2", ""}))) << f.Text();
  }
}

}  // namespace
}  // namespace tessary::testing
