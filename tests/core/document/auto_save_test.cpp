#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string Original = Lines({"1", "00:00:01,000 --> 00:00:02,000", "Hello", "", ""});
const std::string Edited = Lines({"1", "00:00:01,000 --> 00:00:02,000", "Hello again", "", ""});

// An edited document with automatic save every minute, opened at the fixture's clock.
struct AutoSaving : DocumentFixture {
  // `crashCopy`, if any, is a film.srt.sav newer than the file, declined at the open.
  explicit AutoSaving(bool copy, std::string_view crashCopy = {}) {
    doc.settings().AutomaticSaveTime = 1;
    doc.settings().SaveType = copy;
    if (!crashCopy.empty()) {
      fs::last_write_time(folder.Write("film.srt.sav", crashCopy), fs::file_time_type::clock::now() + 1h);
      prompter.answers = {Answer::No};
    }
    Open(Original, "film.srt");
    Edit(Edited);
  }
  std::string Path() const { return doc.CurrentFileName(); }
  // Lets the main timer tick after `wait`.
  bool TickAfter(Clock::TimePoint::duration wait) {
    clock.Advance(wait);
    if (!doc.AutoSaveDue()) return false;
    doc.AutoSave();
    return true;
  }
};

TEST(AutoSave, FallsDueEveryIntervalOf60_046272SecondsPerMinuteWhileTheDocumentIsChanged) {
  AutoSaving f(true);
  EXPECT_FALSE(f.TickAfter(60'046'271us));
  EXPECT_TRUE(f.TickAfter(1us));  // 60.046272 s after the open
  EXPECT_FALSE(f.TickAfter(60'046'271us));
  EXPECT_TRUE(f.TickAfter(1us));
  f.doc.settings().AutomaticSave = false;
  EXPECT_FALSE(f.TickAfter(120s));
  f.doc.settings().AutomaticSave = true;
  f.prompter.answers = {Answer::Yes};  // save the unverified text
  f.doc.Save();
  EXPECT_FALSE(f.TickAfter(1h));
}

// With copies the file itself never changes; a common save writes it only once verified.
TEST(AutoSave, WritesTheCopyOrTheFileByTheSaveType) {
  struct Case {
    bool copy, verified;
    bool fileSaved;
  };
  for (Case c :
       {Case{true, false, false}, Case{true, true, false}, Case{false, false, false}, Case{false, true, true}}) {
    SCOPED_TRACE(::testing::Message() << "copy " << c.copy << " verified " << c.verified);
    AutoSaving f(c.copy);
    if (c.verified) f.doc.TextInLines();
    f.prompter.shown.clear();
    ASSERT_TRUE(f.TickAfter(61s));
    EXPECT_EQ(ReadBytes(f.Path()), c.fileSaved ? f.Text() : Original);
    EXPECT_EQ(ReadBytes(f.Path() + ".sav"), c.fileSaved ? "" : f.Text());
    EXPECT_TRUE(f.prompter.shown.empty());
  }
}

// The automatic save never destroys a copy this program did not write: the first save over one
// (a crash copy declined at open, another document's copy the name of a type switch hits) keeps
// it as FILE.sav.bak, later saves replace only their own copy. Closing, reloading and exiting
// remove only the copy this program wrote: one it did not write, and the backup, stay.
TEST(AutoSave, NeverDestroysACopyItDidNotWriteAndRemovesOnlyItsOwn) {
  const std::pair<void (*)(Document&), Answer> leaves[] = {{[](Document& d) { d.CloseFile(); }, Answer::No},
                                                           {[](Document& d) { d.QueryClose(); }, Answer::No},
                                                           {[](Document& d) { d.Reload(); }, Answer::Yes}};
  const std::string foreign = "Someone's work";
  enum Case { OnlyOurs, LeftBeside, CrashDeclined, HitBySwitch };
  for (Case c : {OnlyOurs, LeftBeside, CrashDeclined, HitBySwitch})
    for (const auto& [leave, answer] : leaves) {
      SCOPED_TRACE(c);
      AutoSaving f(true, c == CrashDeclined ? foreign : "");
      if (c == HitBySwitch) {
        ASSERT_TRUE(f.TickAfter(61s));
        f.folder.Write("film.sub.sav", foreign);
        f.doc.TextInLines();
        f.doc.TypeButtonChecked(SubtitleType::MicroDVD);
      }
      const std::string copy = f.Path() + ".sav";
      if (c == LeftBeside) {
        fs::last_write_time(f.folder.Write("film.srt.sav", foreign), fs::last_write_time(f.Path()) - 1h);
      } else {
        ASSERT_TRUE(f.TickAfter(61s) && f.TickAfter(61s));
      }
      const std::string backup = c >= CrashDeclined ? foreign : "";
      EXPECT_EQ(std::pair(ReadBytes(copy), ReadBytes(copy + ".bak")),
                std::pair(c == LeftBeside ? foreign : f.Text(), backup));
      f.prompter.shown.clear();
      f.prompter.answers = {answer};
      leave(f.doc);
      EXPECT_EQ(std::pair(ReadBytes(copy), ReadBytes(copy + ".bak")),
                std::pair(c == LeftBeside ? foreign : "", backup));
      EXPECT_EQ(f.prompter.shown.size(), 1u);
    }
}

// A copy newer than the file is offered on opening. Taken, it is unsaved work under the file's
// name: Save writes the file, and the copy stays.
TEST(AutoSave, OpeningOffersACopyNewerThanTheFile) {
  for (auto [newerBy, answer, taken] :
       {std::tuple(60, Answer::Yes, true), std::tuple(60, Answer::No, false), std::tuple(-60, Answer::Yes, false)}) {
    DocumentFixture f;
    const std::string file = f.folder.Write("film.srt", Original), copy = f.folder.Write("film.srt.sav", Edited);
    fs::last_write_time(copy, fs::last_write_time(file) + std::chrono::seconds(newerBy));
    f.prompter.answers = {answer};
    f.doc.OpenFile(file);

    const std::string question = "\"" + copy + "\" is an automatic copy newer than the file.\r\nOpen the copy instead?";
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>(newerBy > 0, question));
    EXPECT_TRUE(f.prompter.shown.empty() || f.prompter.shown[0].icon == Icon::Warning);
    EXPECT_EQ(std::tuple(f.Text().find("again") != std::string::npos, f.doc.store().TextEdited, f.doc.Caption()),
              std::tuple(taken, taken, std::string("Tessary - 'film.srt'")));
    EXPECT_EQ(f.doc.Save(), SaveOutcome::Saved);
    EXPECT_EQ(std::pair(ReadBytes(file), ReadBytes(copy)), std::pair(f.Text(), Edited));
  }
}

}  // namespace
}  // namespace tessary::testing
