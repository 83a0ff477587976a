#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;
using SaveRequests = std::vector<ScriptedFileDialogs::SaveRequest>;

std::string SubRip(const std::string& first) { return SubRipFile({{1000, 2000, first}, {3000, 4000, "World"}}); }

// A document with the file `name` ("Hello") in a temporary folder.
struct FileCommands : DocumentFixture {
  std::string path;

  explicit FileCommands(const std::string& name = "movie.srt", bool open = true) {
    path = folder.Write(name, SubRip("Hello"));
    if (open) doc.OpenFile(path);
  }
  std::string In(const std::string& name) const { return (folder.Path() / name).string(); }
  void EditAndVerify(std::string_view text) {
    DocumentFixture::EditAndVerify(text);
    prompter.shown.clear();
  }
  bool TemporaryLeft() const {
    for (const auto& entry : fs::directory_iterator(folder.Path()))
      if (entry.path().filename().string().starts_with(".tessary-")) return true;
    return false;
  }
};

// Through a link, the file it names is replaced, with its backup beside it, and the link stays.
TEST(Save, ReplacesTheFileAndWithBackupKeepsThePreviousSaveInTheBackup) {
  for (auto [backup, link] : {std::pair{true, false}, {false, false}, {true, true}}) {
    SCOPED_TRACE(std::to_string(backup) + std::to_string(link));
    FileCommands f;
    const std::string file = link ? f.In("linked.srt") : f.path;
    if (link) {
      fs::rename(f.path, file);
      fs::create_symlink("linked.srt", f.path);
    }
    f.doc.settings().BackupSave = backup;
    f.EditAndVerify(SubRip("First"));
    EXPECT_EQ(f.doc.Save(), SaveOutcome::Saved);
    f.EditAndVerify(SubRip("Second"));
    EXPECT_EQ(f.doc.Save(), SaveOutcome::Saved);

    EXPECT_EQ(std::tuple(ReadBytes(file), fs::is_symlink(f.path)), std::tuple(SubRip("Second"), link));
    EXPECT_EQ(ReadBytes(file + ".bak"), backup ? SubRip("First") : "");
    EXPECT_EQ(fs::exists(f.path + ".bak"), backup && !link);
    EXPECT_FALSE(f.TemporaryLeft());
    EXPECT_TRUE(f.prompter.shown.empty());
    EXPECT_EQ(std::tuple(f.doc.SaveSucceeded(), f.doc.store().ChangeCount, f.doc.store().TextEdited),
              std::tuple(true, 0, false));
  }
}

// Every failure shows its message, writes nothing, leaves no temporary file and keeps the edits.
TEST(Save, AFailureKeepsTheFileIntactAndReportsIt) {
  struct Case {
    std::string name;
    std::function<void(FileCommands&)> prepare;
    std::function<std::string(const FileCommands&)> message;
  };
  for (const Case& c : {
           Case{"movie.srt", [](FileCommands& f) { fs::create_directories(f.path + ".bak/kept"); },
                [](const FileCommands& f) { return "Can't delete \"" + f.path + ".bak\"!"; }},
           // The name is at the length limit, so FILE.bak is too long a name.
           Case{std::string(251, 'x') + ".srt", [](FileCommands&) {},
                [](const FileCommands& f) { return "Can't rename \"" + f.path + "\" to \"" + f.path + ".bak\"!"; }},
           // After a type switch Save asks for the name, and the chosen folder does not exist.
           Case{"movie.srt",
                [](auto& f) { f.doc.TypeButtonChecked(SubtitleType::MicroDVD), f.dialogs.names = {f.In("x/a.sub")}; },
                [](const FileCommands& f) { return "Can't write in \"" + f.In("x/a.sub") + "\"!"; }},
       }) {
    FileCommands f(c.name);
    f.EditAndVerify(SubRip("Changed"));
    c.prepare(f);
    const std::string name = f.doc.CurrentFileName();
    SCOPED_TRACE(c.message(f));

    EXPECT_EQ(f.doc.Save(), SaveOutcome::Failed);
    EXPECT_FALSE(f.doc.SaveSucceeded());
    ASSERT_EQ(f.prompter.shown.size(), 1u);
    EXPECT_EQ(std::tuple(f.prompter.shown[0].icon, f.prompter.shown[0].text), std::tuple(Icon::Error, c.message(f)));
    EXPECT_EQ(ReadBytes(f.path), SubRip("Hello"));
    EXPECT_FALSE(f.TemporaryLeft());
    EXPECT_EQ(std::pair(f.doc.CurrentFileName(), f.doc.store().TextEdited), std::pair(name, true));
  }
}

// Save as, and Save once a type switch named the document movie.sub, replace another existing
// file only when confirmed (No chooses a name), a second name of the open file without asking;
// the file written becomes the document: its name, backup, caption and the file Reload reads.
TEST(Save, AnotherFileOfTheNameIsReplacedOnlyWhenConfirmedAndTheFileWrittenBecomesTheDocument) {
  enum Existing { None, Other, SameFile };
  struct Case {
    bool switched, saveAs;
    Existing existing;
    std::deque<Answer> answers;
    std::size_t chosen;  // times the chooser returns the name; then it is cancelled
    bool saved;
    std::size_t questions, choosers;
  };
  for (const Case& c : {
           Case{true, false, None, {}, 1, true, 0, 1},
           Case{true, false, None, {}, 0, false, 0, 1},
           Case{true, false, Other, {Answer::Yes}, 0, true, 1, 0},
           Case{true, false, Other, {Answer::No}, 0, false, 1, 1},
           Case{true, true, Other, {Answer::No, Answer::Yes}, 2, true, 2, 2},
           Case{false, true, Other, {Answer::No, Answer::Yes}, 2, true, 2, 2},
           Case{false, true, SameFile, {}, 1, true, 0, 1},
       }) {
    SCOPED_TRACE(::testing::Message() << c.switched << c.saveAs << c.existing << c.answers.size() << c.chosen);
    FileCommands f;
    const std::string name = c.switched ? "movie.sub" : "other.srt", target = f.In(name);
    if (c.existing == Other) f.folder.Write(name, "old");
    if (c.existing == SameFile) fs::create_hard_link(f.path, target);
    const std::string before = ReadBytes(target);
    c.switched ? f.doc.TypeButtonChecked(SubtitleType::MicroDVD) : f.EditAndVerify(SubRip("Changed"));
    f.dialogs.names.assign(c.chosen, target);
    f.prompter.answers = c.answers;

    EXPECT_EQ(c.saveAs ? f.doc.SaveAs() : f.doc.Save(), c.saved ? SaveOutcome::Saved : SaveOutcome::Declined);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>(c.questions, "This file already exists! Overwrite?"));
    const ScriptedFileDialogs::SaveRequest request{c.switched ? target : f.path, c.switched ? "sub" : "srt"};
    EXPECT_EQ(f.dialogs.saveRequests, SaveRequests(c.choosers, request));
    EXPECT_EQ(ReadBytes(target), c.saved ? f.editor.Text() : before);
    if (c.existing != SameFile) {
      EXPECT_EQ(ReadBytes(f.path), SubRip("Hello"));
    }
    if (!c.saved) continue;
    EXPECT_EQ(ReadBytes(target + ".bak"), before);
    EXPECT_EQ(std::tuple(f.doc.CurrentFileName(), f.doc.BackupFileName(), f.doc.Caption()),
              std::tuple(target, target + ".bak", "Tessary - '" + name + "'"));
    const std::string saved = f.editor.Text();
    f.Edit("edited");
    f.prompter.answers = {Answer::Yes};
    f.doc.Reload();
    EXPECT_EQ(f.editor.Text(), saved);
  }
}

// "Yes" to the save question, then "No" to saving a text that was not verified.
TEST(SaveQuestion, DecliningTheUnverifiedTextKeepsTheFileAndTheDocument) {
  struct Case {
    std::function<bool(Document&)> run;  // true when the command went on
    std::deque<Answer> answers;
  };
  for (const Case& c : {
           Case{[](Document& d) { return d.Save() != SaveOutcome::Declined; }, {Answer::No}},
           Case{[](Document& d) { return d.CloseFile(); }, {Answer::Yes, Answer::No}},
           Case{[](Document& d) { return d.QueryClose(); }, {Answer::Yes, Answer::No}},
       }) {
    SCOPED_TRACE(c.answers.size());
    FileCommands f;
    f.Edit(SubRip("Unverified"));
    f.prompter.answers = c.answers;

    EXPECT_FALSE(c.run(f.doc));
    EXPECT_TRUE(f.doc.SaveSucceeded());
    EXPECT_EQ(std::tuple(f.prompter.shown.back().icon, f.prompter.shown.back().text),
              std::tuple(Icon::Warning, "You didn't yet verified what you wrote!\r\nAre you sure you want to save?"));
    EXPECT_EQ(ReadBytes(f.path), SubRip("Hello"));
    EXPECT_EQ(std::tuple(f.doc.store().SubtitleLoaded, f.editor.Text()), std::tuple(true, SubRip("Unverified")));
  }
}

TEST(OpenCommand, CommitsTheFrameRateAndOpensTheChosenFileWhileShowingTheChooser) {
  for (bool chosen : {true, false}) {
    FileCommands f("movie.srt", false);
    f.doc.FrameRateTextChanged("30");
    std::vector<std::pair<bool, double>> whileOpen;
    f.dialogs.whileOpen = [&] { whileOpen.push_back({f.doc.MessageShowing(), f.doc.CommittedFrameRate()}); };
    if (chosen) f.dialogs.names = {f.path};

    f.doc.OpenCommand();
    EXPECT_EQ(whileOpen, (std::vector<std::pair<bool, double>>{{true, 30.0}}));
    EXPECT_EQ(std::tuple(f.doc.MessageShowing(), f.doc.store().SubtitleLoaded, f.doc.CurrentFileName()),
              std::tuple(false, chosen, chosen ? f.path : ""));
    EXPECT_TRUE(f.prompter.shown.empty());
  }
}

// The question counts the changes the program made; No keeps the document. Opening a SubRip
// "subs.txt" names the document "subs.srt"; Reload still reads subs.txt.
TEST(Reload, AsksWithTheCountedChangesAndReadsTheFileThatWasOpened) {
  const std::string reload = "Changes to save!\r\nAre you sure you want to reload the file?";
  FileCommands f("subs.txt");
  ASSERT_EQ(f.doc.CurrentFileName(), f.In("subs.srt"));
  f.doc.StoreForSetup().ChangeCount = 3;
  f.prompter.answers = {Answer::No};
  f.doc.Reload();
  f.doc.StoreForSetup().ChangeCount = 0;
  f.Edit(SubRip("Edited"));
  f.prompter.answers = {Answer::Yes};
  f.doc.Reload();
  EXPECT_EQ(f.prompter.Texts(), (std::vector<std::string>{"There are 3 " + reload, "There are " + reload}));
  EXPECT_TRUE(f.doc.store().SubtitleLoaded);
  EXPECT_EQ(f.editor.Text(), SubRip("Hello"));
}

}  // namespace
}  // namespace tessary::testing
