#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "commands/command_table.h"
#include "store_setup.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

// The same two subtitles in each layout, the first with the text given.
std::string MicroDVD(const std::string& first) { return Lines({"{100}{150}" + first, "{200}{250}World"}); }
std::string SubRip(const std::string& first) { return SubRipFile({{4000, 6000, first}, {8000, 10000, "World"}}); }

TEST(TypeButtonChecked, ConvertsRenamesSetsTheUnitAndWarnsOnlyAboutStyleMarks) {
  struct Case {
    std::string file, fileName;
    SubtitleType target;
    int warnings;
    std::string converted, newName;
  };
  for (const Case& c : {
           Case{MicroDVD("Hello"), "movie.part1.sub", SubtitleType::SubRip, 0, SubRip("Hello"), "movie.part1.srt"},
           Case{MicroDVD("{laughs} Hello"), "film.sub", SubtitleType::SubRip, 1, SubRip("{laughs} Hello"), "film.srt"},
           Case{SubRip("a < b > c"), "film.srt", SubtitleType::MicroDVD, 1, MicroDVD("a < b > c"), "film.sub"},
           // Only the file name's extension is replaced, never a dot in a folder name.
           Case{MicroDVD("Hello"), "release.v2/movie", SubtitleType::SubRip, 0, SubRip("Hello"),
                "release.v2/movie.srt"},
       }) {
    DocumentFixture f;
    std::filesystem::create_directories((f.folder.Path() / c.fileName).parent_path());
    f.Open(c.file, c.fileName);
    ASSERT_TRUE(f.doc.LastParseSucceeded());
    f.doc.TypeButtonChecked(c.target);
    SCOPED_TRACE(c.fileName);
    EXPECT_EQ(f.prompter.conversionWarnings, c.warnings);
    EXPECT_TRUE(f.prompter.shown.empty());
    EXPECT_EQ(f.doc.store().CurrentType, c.target);
    EXPECT_EQ(f.Text(), c.converted);
    EXPECT_TRUE(f.doc.store().TextEdited);
    EXPECT_EQ(f.doc.CurrentFileName(), (f.folder.Path() / c.newName).string());
    // SubRip shows times, MicroDVD frames.
    const bool subRip = c.target == SubtitleType::SubRip;
    EXPECT_EQ(
        std::pair(f.doc.Unit(), f.doc.timing().firstPoint.Text()),
        std::pair(subRip ? DisplayUnit::Time : DisplayUnit::Frames, std::string(subRip ? "00:00:04,000" : "100")));
  }
}

// A cancelled warning, times that a SubRip time line cannot hold, or a text line that SubRip would
// read as a time line keep the document as it was.
TEST(TypeButtonChecked, ARefusedSwitchChecksTheOtherButtonAgainAndChangesNothing) {
  struct Case {
    std::string file;
    int warnings;
    std::vector<std::string> messages;
  };
  for (const Case& c : {
           Case{MicroDVD("{y:i}Hello"), 1, {}},
           Case{Lines({"{100}{150}Hi", "{9999990}{9999999}x"}), 0, {MessageTable()[Msg::FramesTooHigh]}},
           Case{MicroDVD("a|00:00:05,000 --> 00:00:06,000"), 0, {TimeLineInText}},
       }) {
    DocumentFixture f;
    f.prompter.confirmConversion = false;
    f.Open(c.file, "film.sub");
    ASSERT_TRUE(f.prompter.shown.empty());
    const std::string name = f.doc.CurrentFileName();
    f.doc.TypeButtonChecked(SubtitleType::SubRip);
    SCOPED_TRACE(c.file);
    EXPECT_EQ(f.prompter.conversionWarnings, c.warnings);
    EXPECT_EQ(f.prompter.Texts(), c.messages);
    EXPECT_EQ(std::pair(f.doc.CheckedType(), f.doc.store().CurrentType),
              std::pair(SubtitleType::MicroDVD, SubtitleType::MicroDVD));
    EXPECT_EQ(f.Text(), c.file);
    EXPECT_EQ(f.doc.CurrentFileName(), name);
    EXPECT_EQ(std::pair(f.doc.store().TextEdited, f.doc.Unit()), std::pair(false, DisplayUnit::Frames));
  }
}

// The check box takes effect as soon as it is ticked, whichever button closes the warning,
// and lasts until the program ends.
TEST(TypeButtonChecked, TickedBoxSilencesTheWarningForGoodEvenWhenCancelled) {
  DocumentFixture f;
  f.prompter.confirmConversion = false;
  f.prompter.disableOnWarning = true;
  f.Open(MicroDVD("{y:i}Hello"), "film.sub");
  f.doc.TypeButtonChecked(SubtitleType::SubRip);
  ASSERT_EQ(f.doc.store().CurrentType, SubtitleType::MicroDVD);
  f.doc.TypeButtonChecked(SubtitleType::SubRip);
  EXPECT_EQ(f.Text(), SubRip("<i>Hello"));
  f.doc.Reinitialization();
  f.Open(SubRip("<i>Hello</i>"), "other.srt");
  f.doc.TypeButtonChecked(SubtitleType::MicroDVD);
  EXPECT_EQ(f.Text(), MicroDVD("{y:i}Hello"));
  EXPECT_EQ(f.prompter.conversionWarnings, 1);
}

}  // namespace
}  // namespace tessary::testing
