// Real subtitle files from elsewhere, and every input that once failed the fuzzer: each one
// opens and parses, is refused with its reason, or has its problem reported - with either
// repair setting. A parsed file is a fixed point of verification and survives both switches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "support/corpus.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name != "README.md" && name != "SOURCES.tsv") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Opens `file` with the given repair setting and checks the three outcomes: parsed,
// refused with one of the refusal messages, or a problem reported.
void CheckFile(const fs::path& file, bool repair, std::map<std::string, int>& tally) {
  SCOPED_TRACE(file.string() + (repair ? " (repair)" : " (strict)"));
  DocumentFixture f;
  f.doc.settings().AdvancedAutomaticRepair = repair;
  f.doc.OpenFile(file.string());
  const auto& shown = f.prompter.shown;
  if (!f.doc.store().SubtitleLoaded) {
    const std::vector<std::string> refusals = {f.doc.Text(Msg::FileEmpty), f.doc.Text(Msg::FileTooBig),
                                               f.doc.Text(Msg::NotText), f.doc.Text(Msg::UnknownType)};
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, Icon::Error);
    EXPECT_NE(std::find(refusals.begin(), refusals.end(), shown[0].text), refusals.end()) << shown[0].text;
    ++tally["refused: " + shown[0].text];
    return;
  }
  if (!f.doc.LastParseSucceeded()) {
    ASSERT_FALSE(shown.empty());
    const bool lineReport = shown.back().text.starts_with(f.doc.Text(Msg::ProblemsWithLine));
    EXPECT_EQ(shown.back().icon, Icon::Error);
    EXPECT_TRUE(lineReport || shown.back().text == f.doc.Text(Msg::TooFewLines)) << shown.back().text;
    ++tally[lineReport ? "reported: a line" : "reported: " + shown.back().text];
    return;
  }
  ++tally[f.doc.store().ChangeCount > 0 ? "parsed, mended" : "parsed as it was"];
  // A parse that kept no subtitle leaves nothing to verify again.
  if (f.doc.store().SubtitleCount == 0) return;

  // Verifying the result again changes nothing.
  const std::string rendered = f.Text();
  const int changes = f.doc.store().ChangeCount;
  f.prompter.shown.clear();
  f.EditAndVerify(rendered);
  EXPECT_TRUE(f.doc.LastParseSucceeded());
  EXPECT_EQ(f.doc.store().ChangeCount, changes);
  EXPECT_EQ(f.Text(), rendered);
  EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>{f.doc.Text(Msg::ProperlyModified)});

  // Switching to the other type and back loses only style marks: times stay in milliseconds.
  const auto& texts = f.doc.store().Texts;
  const bool marks = std::any_of(texts.begin() + 1, texts.begin() + 1 + f.doc.store().SubtitleCount,
                                 [](const std::string& t) { return t.find_first_of("<>{}") != std::string::npos; });
  const SubtitleType type = f.doc.store().CurrentType;
  const SubtitleType other = type == SubtitleType::SubRip ? SubtitleType::MicroDVD : SubtitleType::SubRip;
  f.doc.TypeButtonChecked(other);
  ASSERT_EQ(f.doc.store().CurrentType, other);
  const std::string converted = f.Text();
  f.doc.TypeButtonChecked(type);
  if (!marks) {
    EXPECT_EQ(f.Text(), rendered);
  }

  // The converted text parses, or its problem is reported: a subtitle shorter than a frame
  // becomes one of no length in MicroDVD, which repair cannot lengthen between neighbours.
  f.prompter.shown.clear();
  f.EditAndVerify(converted);
  if (!f.doc.LastParseSucceeded()) {
    ASSERT_FALSE(f.prompter.shown.empty());
    EXPECT_TRUE(f.prompter.shown.back().text.starts_with(f.doc.Text(Msg::ProblemsWithLine)));
  }
}

void CheckFiles(const fs::path& folder) {
  std::map<std::string, int> tally;
  for (const auto& file : InputFiles(folder))
    for (bool repair : {true, false}) CheckFile(file, repair, tally);
  for (const auto& [outcome, count] : tally) std::printf("[ corpus   ] %4d  %s\n", count, outcome.c_str());
}

TEST(FuzzFindings, OpenAreRefusedOrReportedAndParsedOnesAreFixedPoints) {
  CheckFiles(fs::path(TESSARY_TEST_DATA_DIR) / "fuzz");
}

TEST(RealFiles, OpenAreRefusedOrReportedAndParsedOnesAreFixedPoints) {
  TESSARY_SKIP_WITHOUT_CORPUS();
  CheckFiles(TESSARY_CORPUS_DIR);
}

// Real files of each layout and encoding that the rules read as they are; the counts are
// the files' own blocks (or lines, for the one-line layouts).
struct Readable {
  const char* file;
  int subtitles;  // 0: not counted (the file is mended on the way)
};
constexpr Readable ReadableFiles[] = {
    {"GNOME__gnome-subtitles/etc__samples__sample.srt", 934},  // UTF-8 with a mark, LF
    {"GNOME__gnome-subtitles/etc__samples__sample.sub", 934},  // MicroDVD with {Y:...} codes
    {"SubtitleEdit__subtitleedit/tests__libse__Files__auto_detect_windows-1250.srt", 1132},
    {"SubtitleEdit__subtitleedit/tests__libse__Files__auto_detect_Russian.srt", 183},
    {"byroot__pysrt/tests__static__bom-utf-16-be.srt", 7},
    {"asticode__go-astisub/testdata__example-in-carriage-return.srt", 3},  // CR alone ends lines
    {"mpv-player__mpv/test__samples__sdh_mixed.srt", 1},                   // a single subtitle
    {"otsaloma__gaupol/doc__formats__tmplayer.sample.txt", 10},            // time-prefix layout
    {"otsaloma__gaupol/data__samples__subrip-extended.srt", 0},            // coordinates after times
};

TEST(RealFiles, OfEveryLayoutAndEncodingParseWithTheDefaultSettings) {
  TESSARY_SKIP_WITHOUT_CORPUS();
  for (const auto& [file, subtitles] : ReadableFiles) {
    DocumentFixture f;
    f.doc.OpenFile((fs::path(TESSARY_CORPUS_DIR) / file).string());
    EXPECT_TRUE(f.doc.store().SubtitleLoaded && f.doc.LastParseSucceeded()) << file;
    if (subtitles > 0) {
      EXPECT_EQ(f.doc.store().SubtitleCount, subtitles) << file;
      EXPECT_EQ(f.doc.store().ChangeCount, 0) << file;
    }
  }
}

}  // namespace
}  // namespace tessary::testing
