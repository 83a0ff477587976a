#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "document/units.h"
#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

const std::string SubRipAB =
    Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 --> 00:00:04,000", "B", ""});

// SubRip text in a .sub file takes the SubRip extension: the parse checks the button of the
// detected type, which is no conversion and no edit.
TEST(OpenFile, SetsNameCaptionCommandsPointsAndLineFieldsForTheDetectedType) {
  std::string twelve;
  for (int k = 1; k <= 12; ++k)
    twelve += "{" + std::to_string(k * 100) + "}{" + std::to_string(k * 100 + 50) + "}L\r\n";
  struct Case {
    std::string file, name, newName;
    std::int64_t first, second;
    std::vector<std::string> fields;  // first point, second point, first line, second line
  };
  for (const Case& c : {
           Case{twelve, "film.sub", "film.sub", 4000, 48000, {"100", "1200", "1", "12"}},  // MicroDVD in frames
           Case{SubRipAB, "film.sub", "film.srt", 1000, 3000, {"00:00:01,000", "00:00:03,000", "1", "2"}},
       }) {
    DocumentFixture f;
    f.Open(c.file, c.name);
    const bool microDVD = c.newName.ends_with(".sub");
    SCOPED_TRACE(c.newName);
    EXPECT_TRUE(f.prompter.shown.empty());
    EXPECT_EQ(f.prompter.conversionWarnings, 0);
    EXPECT_EQ(f.doc.CurrentFileName, (f.folder.Path() / c.newName).string());
    EXPECT_EQ(f.doc.Caption, "Tessary - '" + c.newName + "'");
    const auto& m = f.doc.commands;
    EXPECT_EQ(std::tuple(m.SubtitleCommands, m.VerifyWritings, m.Load, m.Save, m.FrameRateChangeGroup),
              std::tuple(true, false, false, false, microDVD));
    EXPECT_FALSE(f.doc.store.TextEdited);
    EXPECT_EQ(std::tuple(f.doc.FirstPointValue, f.doc.SecondPointValue), std::tuple(c.first, c.second));
    const auto& d = f.doc.fields;
    EXPECT_EQ((std::vector<std::string>{d.FirstPoint, d.SecondPoint, d.FirstLine, d.SecondLine}), c.fields);
    EXPECT_EQ(d.LineFieldMaxLength, static_cast<int>(c.fields[3].size()));
  }
}

// One MicroDVD line of 100 bytes of which `bad` are `badByte`.
std::string LineWithNonText(int bad, char badByte) {
  return "{1}{2}" + std::string(static_cast<std::size_t>(bad), badByte) + std::string(94 - bad, 'a');
}

TEST(OpenFile, RefusesWhatCannotBeASubtitleAndStaysClosed) {
  struct Case {
    std::string file;
    const char* message;  // empty: the file opens without one
  };
  for (const Case& c : {
           Case{"", "This file is empty!"}, Case{LineWithNonText(40, '+'), "This is not a text!"},
           Case{LineWithNonText(40, '\t'), "This is not a text!"},
           Case{LineWithNonText(40, '\x7F'), "This is not a text!"}, Case{LineWithNonText(39, '+'), ""},
           Case{LineWithNonText(60, '\xB9'), ""},  // Windows-1250 letters are text
       }) {
    DocumentFixture f;
    f.Open(c.file);
    const bool refused = *c.message != '\0';
    SCOPED_TRACE(c.file);
    EXPECT_EQ(f.prompter.Texts(), refused ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(f.doc.store.SubtitleLoaded, !refused);
    EXPECT_EQ(f.editor.ReadOnly(), refused);
  }
}

TEST(OpenFile, TooBigCountsTwoLineBreakBytesPerLineAfterDroppingTrailingEmptyLines) {
  // Four lines of prose: 2 * 4 + their length against 10,485,760. What is not too big goes on
  // to the detection, which refuses prose.
  auto messages = [](std::size_t total, const char* tail) {
    const std::string quarter(total / 4, 'x');
    DocumentFixture f;
    f.Open(Lines({quarter, quarter, quarter, std::string(total - 3 * quarter.size(), 'x')}) + tail);
    return f.prompter.Texts();
  };
  using Texts = std::vector<std::string>;
  EXPECT_EQ(messages(10485752, ""), Texts{"Unknown subtitle type!"});
  EXPECT_EQ(messages(10485753, ""), Texts{"This text file is too big - over 10MB!"});  // a file of 10,485,759 bytes
  EXPECT_EQ(messages(10485752, "\r\n\r\n\r\n\r\n"), Texts{"Unknown subtitle type!"});
}

TEST(OpenFile, ReadsTheFirst250000LinesOfALongerFileWithoutAMessage) {
  std::string file;
  for (int k = 1; k <= 300000; ++k) file += "{" + std::to_string(k * 10) + "}{" + std::to_string(k * 10 + 5) + "}x\r\n";
  DocumentFixture f;
  f.Open(file);
  EXPECT_TRUE(f.prompter.shown.empty());
  EXPECT_EQ(f.doc.store.SubtitleCount, 250000);
  EXPECT_TRUE(f.Text().ends_with("\n{2500000}{2500005}x"));
}

TEST(OpenFile, AReadOnlyFileOpensAndIsStillReadOnlyAfterwards) {
  DocumentFixture f;
  const std::string path = f.folder.Write("locked.sub", Lines({"{10}{20}A", "{30}{40}B", "{50}{60}C"}));
  const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(path, readOnly);
  f.doc.CurrentFileName = path;
  f.doc.OpenFile();
  EXPECT_TRUE(f.doc.LastParseSucceeded);
  EXPECT_EQ(fs::status(path).permissions(), readOnly);
}

TEST(TextInLines, SaysProperlyModifiedOnlyForAReparseThatChangedNothing) {
  const std::string clean = Lines({"{100}{150}One", "{200}{250}Two", "{300}{350}Three", "{400}{450}Four"});
  const std::string timePair = Lines({"00:00:01.00,00:00:02.00", "Alpha", "", "00:00:03.00,00:00:04.00", "Beta", "",
                                      "00:00:05.00,00:00:06.00", "Gamma"});
  struct Case {
    std::string file, edit;  // edit empty: the text as opened
    std::string message;     // shown by the reparse
    int openedAs = 1;        // the layout detected at open
  };
  for (const Case& c : {
           Case{clean, clean, "The subtitle was properly modified!"}, Case{clean, " " + clean, ChangesMade(1)},
           Case{"  " + clean, clean, "The subtitle was properly modified!"},  // changes at open were reported then
           Case{timePair, "", "The subtitle was properly modified!", 3},      // shown and read again as SubRip
       }) {
    DocumentFixture f;
    f.Open(c.file);
    ASSERT_EQ(f.doc.store.DetectionCode, c.openedAs);
    f.prompter.shown.clear();
    f.EditAndVerify(c.edit.empty() ? f.Text() : c.edit);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{c.message}) << c.file;
  }
}

// An end the repair puts after a start is never later than the file can hold back (the
// last frame at 60 fps).
TEST(TextInLines, RepairWritesNoTimeTheFileCannotReadBack) {
  DocumentFixture f;
  f.doc.FrameRate = 60;
  f.Open("{9999999}{}B");
  EXPECT_EQ(f.Text(), "{9999999}{9999999}B");
  EXPECT_EQ(f.doc.store.EndValues[1], LatestWritableTime(true, 60));
}

// The store of a failed parse is empty: checking the type button of the new text must not
// write it into the editing area over what the user typed.
TEST(TextInLines, AFailedParseOfTheOtherTypeKeepsTheTypedTextAndLeavesOnlyVerifyEnabled) {
  struct Case {
    std::string file, fileName, typed;
    std::string shown;  // the typed text with the visible mends of verification only
    std::string report;
    int line, column;
    const char* extension;
  };
  for (const Case& c : {
           Case{SubRipAB, "film.srt", Lines({"{10}{20}A  ", "{1}{23", "{30}{40}C", "{50}{60}D"}),
                Lines({"{10}{20}A", "{1}{23", "{30}{40}C", "{50}{60}D"}), ProblemReport(2, "{1}{23", "'}' is missing!"),
                2, 7, ".sub"},
           Case{Lines({"{100}{150}Hi", "{200}{250}Ho"}), "film.sub",
                Lines({"1", "00:00:01,000 --> 00:00:02,000", "A ", "", "2", "00:00:03,000 -> 00:00:04,000", "B"}),
                Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 -> 00:00:04,000", "B"}),
                ProblemReport(6, "00:00:03,000 -> 00:00:04,000", "\">\"<>\"-\""), 6, 15, ".srt"},
       }) {
    DocumentFixture f;
    f.doc.settings.AdvancedAutomaticRepair = false;
    f.Open(c.file, c.fileName);
    ASSERT_TRUE(f.doc.LastParseSucceeded);
    f.EditAndVerify(c.typed);
    SCOPED_TRACE(c.fileName);
    EXPECT_FALSE(f.doc.LastParseSucceeded);
    EXPECT_EQ(f.Text(), c.shown);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{c.report});
    EXPECT_EQ(std::pair(f.Caret().line, f.Caret().column), std::pair(c.line, c.column));
    EXPECT_TRUE(f.doc.CurrentFileName.ends_with(c.extension)) << f.doc.CurrentFileName;
    EXPECT_EQ(f.prompter.conversionWarnings, 0);
    EXPECT_EQ(std::pair(f.doc.commands.VerifyWritings, f.doc.commands.SubtitleCommands), std::pair(true, false));
  }
}

}  // namespace
}  // namespace tessary::testing
