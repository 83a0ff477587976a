#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

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

// The copy the automatic save wrote goes with the document; a copy this program did not write
// (what a crash left) stays, whatever the document does.
TEST(AutoSave, OnlyTheCopyThisProgramWroteIsRemovedWithTheDocument) {
  enum class Leave { Close, Reload, Exit };
  for (bool ours : {true, false})
    for (Leave leave : {Leave::Close, Leave::Reload, Leave::Exit}) {
      SCOPED_TRACE(::testing::Message() << ours << static_cast<int>(leave));
      AutoSaving f(true);
      const std::string copy = f.Path() + ".sav";
      if (ours) {
        ASSERT_TRUE(f.TickAfter(61));
      } else {
        f.folder.Write("film.srt.sav", Edited);
        fs::last_write_time(copy, fs::last_write_time(f.Path()) - std::chrono::hours(1));
      }
      f.prompter.answers = {leave == Leave::Reload ? Answer::Yes : Answer::No};  // reload, or do not save
      if (leave == Leave::Reload) {
        f.doc.Reload();
      } else {
        EXPECT_TRUE(leave == Leave::Close ? f.doc.CloseFile() : f.doc.QueryClose());
      }
      EXPECT_EQ(fs::exists(copy), !ours);
      EXPECT_EQ(f.prompter.shown.size(), 1u);
    }
}

// A copy newer than the file is offered on opening. Taken, it is unsaved work under the file's
// name: Save writes the file, and the copy stays until this program writes its own.
TEST(AutoSave, OpeningOffersACopyNewerThanTheFile) {
  struct Case {
    int copyNewerBy;  // seconds
    Answer answer;
    bool asked, taken;
  };
  for (const Case& c : {Case{60, Answer::Yes, true, true}, Case{60, Answer::No, true, false},
                        Case{-60, Answer::Yes, false, false}}) {
    SCOPED_TRACE(c.copyNewerBy);
    DocumentFixture f;
    const std::string file = f.folder.Write("film.srt", Original);
    const std::string copy = f.folder.Write("film.srt.sav", Edited);
    fs::last_write_time(copy, fs::last_write_time(file) + std::chrono::seconds(c.copyNewerBy));
    f.prompter.answers = {c.answer};
    f.doc.CurrentFileName = file;
    f.doc.OpenFile();

    std::vector<std::string> asked;
    if (c.asked) asked.push_back("\"" + copy + "\" is an automatic copy newer than the file.\r\nOpen the copy instead?");
    EXPECT_EQ(f.prompter.Texts(), asked);
    if (c.asked) {
      EXPECT_EQ(f.prompter.shown[0].icon, Icon::Warning);
    }
    EXPECT_EQ(f.Text().find("Hello again") != std::string::npos, c.taken);
    EXPECT_EQ(std::tuple(f.doc.CurrentFileName, f.doc.Caption, f.doc.commands.Save),
              std::tuple(file, std::string("Tessary - 'film.srt'"), c.taken));
    EXPECT_EQ(f.doc.Save(), SaveOutcome::Saved);
    EXPECT_EQ(Read(file), f.Text());
    EXPECT_EQ(Read(copy), Edited);
  }
}

}  // namespace
}  // namespace tessary::testing
