#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string Original = Lines({"1", "00:00:01,000 --> 00:00:02,000", "Hello", "", ""});
const std::string Edited = Lines({"1", "00:00:01,000 --> 00:00:02,000", "Hello again", "", ""});

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::string{std::istreambuf_iterator<char>(in), {}} : "<missing>";
}

// An edited document with automatic save every minute, opened at the fixture's clock.
struct AutoSaving : DocumentFixture {
  explicit AutoSaving(bool copy) {
    doc.settings.AutomaticSaveTime = 1;
    doc.settings.SaveType = copy;
    Open(Original, "film.srt");
    editor.SetText(Edited);
    doc.EditorTextChanged();
  }
  std::string Path() const { return doc.CurrentFileName; }
  // Lets the main timer tick after `seconds`.
  bool TickAfter(double seconds) {
    clock.AdvanceSeconds(seconds);
    if (!doc.AutoSaveDue()) return false;
    doc.AutoSave();
    return true;
  }
};

TEST(AutoSave, FallsDueEveryIntervalOfSixtyPointZeroFiveSecondsPerMinute) {
  AutoSaving f(true);
  EXPECT_FALSE(f.TickAfter(60.04));
  EXPECT_TRUE(f.TickAfter(0.01));  // 60.05 s after the open
  EXPECT_FALSE(f.TickAfter(60.04));
  EXPECT_TRUE(f.TickAfter(0.01));
  f.doc.settings.AutomaticSave = false;
  EXPECT_FALSE(f.TickAfter(120));
}

TEST(AutoSave, AnUnchangedDocumentIsNeverSaved) {
  DocumentFixture f;
  f.doc.settings.AutomaticSaveTime = 1;
  f.Open(Original, "film.srt");
  f.clock.AdvanceSeconds(3600);
  EXPECT_FALSE(f.doc.AutoSaveDue());
}

// With copies the file itself never changes; a common save writes it only once verified.
TEST(AutoSave, WritesTheCopyOrTheFileByTheSaveType) {
  struct Case {
    bool copy, verified;
    bool fileSaved;
  };
  for (Case c : {Case{true, false, false}, Case{true, true, false}, Case{false, false, false}, Case{false, true, true}}) {
    SCOPED_TRACE(::testing::Message() << "copy " << c.copy << " verified " << c.verified);
    AutoSaving f(c.copy);
    if (c.verified) f.doc.TextInLines();
    f.prompter.shown.clear();
    ASSERT_TRUE(f.TickAfter(61));
    EXPECT_EQ(Read(f.Path()), c.fileSaved ? f.Text() : Original);
    EXPECT_EQ(Read(f.Path() + ".sav"), c.fileSaved ? "<missing>" : f.Text());
    EXPECT_TRUE(f.prompter.shown.empty());
  }
}

TEST(AutoSave, TheCopyIsRemovedWhenTheDocumentCloses) {
  for (bool byClosingTheProgram : {false, true}) {
    AutoSaving f(true);
    ASSERT_TRUE(f.TickAfter(61));
    const std::string copy = f.Path() + ".sav";
    ASSERT_TRUE(std::filesystem::exists(copy));
    f.prompter.answers.push_back(Answer::No);  // do not save the changes
    EXPECT_TRUE(byClosingTheProgram ? f.doc.QueryClose() : f.doc.CloseFile());
    EXPECT_FALSE(std::filesystem::exists(copy));
  }
}

}  // namespace
}  // namespace tessary::testing
