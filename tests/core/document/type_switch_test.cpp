#include <gtest/gtest.h>

#include <filesystem>

#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

std::string MicroDVDFile(const std::string& firstText) {
  return Lines({"{100}{150}" + firstText, "{200}{250}World"});
}

std::string SubRipFile(const std::string& firstText) {
  return Lines({"1", "00:00:04,000 --> 00:00:06,000", firstText, "", "2", "00:00:08,000 --> 00:00:10,000", "World"});
}

std::string SubRipRendered(const std::string& firstText) { return SubRipFile(firstText) + "\r\n"; }

struct Switch {
  const char* name;
  std::string file;
  std::string fileName;
  int target;
  int warnings;
  std::string converted;
  std::string newName;
};

class TypeSwitch : public ::testing::TestWithParam<Switch> {};

TEST_P(TypeSwitch, ConvertsRenamesSetsTheUnitAndWarnsOnlyAboutStyleMarks) {
  const Switch& c = GetParam();
  DocumentFixture f;
  std::filesystem::create_directories((f.folder.Path() / c.fileName).parent_path());
  f.Open(c.file, c.fileName);
  ASSERT_TRUE(f.doc.LastParseSucceeded);
  ASSERT_FALSE(f.doc.store.TextEdited);
  ASSERT_FALSE(f.doc.commands.Save);

  f.doc.TypeButtonChecked(c.target);
  EXPECT_EQ(f.prompter.conversionWarnings, c.warnings);
  EXPECT_EQ(f.doc.store.CurrentType, c.target);
  EXPECT_EQ(f.doc.CheckedType, c.target);
  EXPECT_EQ(f.Text(), c.converted);
  EXPECT_TRUE(f.doc.store.TextEdited);
  EXPECT_TRUE(f.doc.commands.Save);
  EXPECT_TRUE(f.doc.commands.Reload);
  EXPECT_EQ(f.doc.store.ChangeCount, 0);
  EXPECT_EQ(f.doc.CurrentFileName, (f.folder.Path() / c.newName).string());
  EXPECT_EQ(f.doc.BackupFileName, f.doc.CurrentFileName + ".bak");
  EXPECT_EQ(f.doc.Caption, "Tessary - '" + std::filesystem::path(c.newName).filename().string() + "'");
  // SubRip shows times and has no frame rate to change; MicroDVD shows frames.
  const bool subRip = c.target == TypeSubRip;
  EXPECT_EQ(f.doc.InputUnit, subRip ? 2 : 1);
  EXPECT_EQ(f.doc.fields.UnitsLabel, subRip ? "" : "frames");
  EXPECT_EQ(f.doc.fields.FirstPoint, subRip ? "00:00:04,000" : "100");
  EXPECT_EQ(f.doc.commands.FrameRateChangeGroup, !subRip);
  EXPECT_TRUE(f.prompter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Switch, TypeSwitch,
    ::testing::Values(
        Switch{"PlainMicroDVD", MicroDVDFile("Hello"), "movie.part1.sub", TypeSubRip, 0, SubRipRendered("Hello"),
               "movie.part1.srt"},
        Switch{"MicroDVDWithLineCode", MicroDVDFile("{y:i}Hello"), "film.sub", TypeSubRip, 1,
               SubRipRendered("<i>Hello"), "film.srt"},
        Switch{"MicroDVDWithOtherBraces", MicroDVDFile("{laughs} Hello"), "film.sub", TypeSubRip, 1,
               SubRipRendered("{laughs} Hello"), "film.srt"},
        Switch{"PlainSubRip", SubRipFile("Hello"), "movie.part1.srt", TypeMicroDVD, 0, MicroDVDFile("Hello"),
               "movie.part1.sub"},
        Switch{"SubRipWithTag", SubRipFile("<i>Hello</i>"), "film.srt", TypeMicroDVD, 1, MicroDVDFile("{y:i}Hello"),
               "film.sub"},
        Switch{"SubRipWithComparison", SubRipFile("a < b > c"), "film.srt", TypeMicroDVD, 1, MicroDVDFile("a < b > c"),
               "film.sub"},
        // Only the file name's extension is replaced, never a dot in a folder name.
        Switch{"FileWithoutExtensionInDottedFolder", MicroDVDFile("Hello"), "release.v2/movie", TypeSubRip, 0,
               SubRipRendered("Hello"), "release.v2/movie.srt"}),
    [](const auto& info) { return info.param.name; });

TEST(TypeSwitchWarning, CancelChecksTheOtherButtonAgainAndChangesNothing) {
  DocumentFixture f;
  f.prompter.confirmConversion = false;
  f.Open(MicroDVDFile("{y:i}Hello"), "film.sub");
  const std::string name = f.doc.CurrentFileName;

  f.doc.TypeButtonChecked(TypeSubRip);
  EXPECT_EQ(f.prompter.conversionWarnings, 1);
  EXPECT_EQ(f.doc.CheckedType, TypeMicroDVD);
  EXPECT_EQ(f.doc.store.CurrentType, TypeMicroDVD);
  EXPECT_EQ(f.Text(), MicroDVDFile("{y:i}Hello"));
  EXPECT_EQ(f.doc.CurrentFileName, name);
  EXPECT_FALSE(f.doc.store.TextEdited);
  EXPECT_FALSE(f.doc.commands.Save);
  EXPECT_EQ(f.doc.InputUnit, 1);
  EXPECT_TRUE(f.doc.commands.FrameRateChangeGroup);
}

// The check box takes effect as soon as it is ticked, whichever button closes the warning,
// and lasts until the program ends.
TEST(TypeSwitchWarning, TickedBoxSilencesItForGoodEvenWhenCancelled) {
  DocumentFixture f;
  f.prompter.confirmConversion = false;
  f.prompter.disableOnWarning = true;
  f.Open(MicroDVDFile("{y:i}Hello"), "film.sub");
  f.doc.TypeButtonChecked(TypeSubRip);
  ASSERT_EQ(f.doc.store.CurrentType, TypeMicroDVD);
  EXPECT_TRUE(f.doc.DisableConvertMessage);

  f.doc.TypeButtonChecked(TypeSubRip);
  EXPECT_EQ(f.Text(), SubRipRendered("<i>Hello"));
  f.doc.Reinitialization();
  f.Open(SubRipFile("<i>Hello</i>"), "other.srt");
  f.doc.TypeButtonChecked(TypeMicroDVD);
  EXPECT_EQ(f.Text(), MicroDVDFile("{y:i}Hello"));
  EXPECT_EQ(f.prompter.conversionWarnings, 1);
}

// The parse checks the button of the detected type; that is no conversion.
TEST(TypeSwitchOnOpen, SubRipTextInASubFileTakesTheSubRipExtensionWithoutAnEdit) {
  DocumentFixture f;
  f.Open(SubRipFile("<i>Hello</i>"), "film.sub");
  EXPECT_EQ(f.doc.CheckedType, TypeSubRip);
  EXPECT_EQ(f.doc.CurrentFileName, (f.folder.Path() / "film.srt").string());
  EXPECT_EQ(f.doc.Caption, "Tessary - 'film.srt'");
  EXPECT_EQ(f.doc.InputUnit, 2);
  EXPECT_FALSE(f.doc.commands.FrameRateChangeGroup);
  EXPECT_EQ(f.prompter.conversionWarnings, 0);
  EXPECT_FALSE(f.doc.store.TextEdited);
  EXPECT_FALSE(f.doc.commands.Save);
  EXPECT_EQ(f.Text(), SubRipRendered("<i>Hello</i>"));
}

struct FailedParse {
  const char* name;
  std::string file;
  std::string fileName;
  std::string typed;
  std::string shown;  // the typed text with the visible mends of verification only
  std::string report;
  int line, column;
  int checked;
  const char* extension;
};

class TypeSwitchAfterFailedParse : public ::testing::TestWithParam<FailedParse> {};

// The store of a failed parse is empty: switching the button must not write it into the
// editing area over what the user typed.
TEST_P(TypeSwitchAfterFailedParse, KeepsTheTypedText) {
  const FailedParse& c = GetParam();
  DocumentFixture f;
  f.doc.settings.AdvancedAutomaticRepair = false;
  f.Open(c.file, c.fileName);
  ASSERT_TRUE(f.doc.LastParseSucceeded);

  f.EditAndVerify(c.typed);
  EXPECT_FALSE(f.doc.LastParseSucceeded);
  EXPECT_EQ(f.Text(), c.shown);
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{c.report});
  EXPECT_EQ(f.Caret().line, c.line);
  EXPECT_EQ(f.Caret().column, c.column);
  EXPECT_EQ(f.doc.CheckedType, c.checked);
  EXPECT_TRUE(f.doc.CurrentFileName.ends_with(c.extension)) << f.doc.CurrentFileName;
  EXPECT_EQ(f.prompter.conversionWarnings, 0);
  EXPECT_TRUE(f.doc.commands.VerifyWritings);
  EXPECT_FALSE(f.doc.commands.SubtitleCommands);
}

INSTANTIATE_TEST_SUITE_P(
    Switch, TypeSwitchAfterFailedParse,
    ::testing::Values(
        FailedParse{"MicroDVDTypedOverSubRip", SubRipFile("Hello"), "film.srt",
                    Lines({"{10}{20}A  ", "{1}{23", "{30}{40}C", "{50}{60}D"}),
                    Lines({"{10}{20}A", "{1}{23", "{30}{40}C", "{50}{60}D"}),
                    ProblemReport(2, "{1}{23", "'}' is missing!"), 2, 7, TypeMicroDVD, ".sub"},
        FailedParse{"SubRipTypedOverMicroDVD", MicroDVDFile("Hello"), "film.sub",
                    Lines({"1", "00:00:01,000 --> 00:00:02,000", "A ", "", "2", "00:00:03,000 -> 00:00:04,000", "B"}),
                    Lines({"1", "00:00:01,000 --> 00:00:02,000", "A", "", "2", "00:00:03,000 -> 00:00:04,000", "B"}),
                    ProblemReport(6, "00:00:03,000 -> 00:00:04,000", "\">\"<>\"-\""), 6, 15, TypeSubRip, ".srt"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tessary::testing
