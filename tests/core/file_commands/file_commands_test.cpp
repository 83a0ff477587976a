#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "support/document_fixture.h"
#include "support/scripted_file_dialogs.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;
using SaveRequests = std::vector<ScriptedFileDialogs::SaveRequest>;

std::string SubRip(const std::string& firstText) {
  return Lines({"1", "00:00:01,000 --> 00:00:02,000", firstText, "", "2", "00:00:03,000 --> 00:00:04,000", "World", ""});
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A document with file choosers and the file `name` ("Hello") in a temporary folder.
struct FileCommands {
  ScriptedPrompter prompter;
  StringEditor editor;
  ManualClock clock;
  MessageTable messages;
  TempFolder folder;
  ScriptedFileDialogs dialogs;
  Document doc{prompter, editor, clock, messages, dialogs};
  std::string path;

  explicit FileCommands(const std::string& name = "movie.srt", bool open = true) {
    path = folder.Write(name, SubRip("Hello"));
    doc.CurrentFileName = open ? path : "";
    if (open) doc.OpenFile();
  }
  std::string In(const std::string& name) const { return (folder.Path() / name).string(); }
  void Edit(std::string_view text) {
    editor.SetText(text);
    doc.EditorTextChanged();
  }
  void EditAndVerify(std::string_view text) {
    Edit(text);
    doc.TextInLines();
    prompter.shown.clear();
  }
  bool TemporaryLeft() const {
    for (const auto& entry : fs::directory_iterator(folder.Path()))
      if (entry.path().filename().string().starts_with(".tessary-")) return true;
    return false;
  }
};

TEST(Save, ReplacesTheFileAndWithBackupKeepsThePreviousSaveInTheBackup) {
  for (bool backup : {true, false}) {
    SCOPED_TRACE(backup);
    FileCommands f;
    f.doc.settings.BackupSave = backup;
    f.EditAndVerify(SubRip("First"));
    EXPECT_EQ(f.doc.Save(), SaveOutcome::Saved);
    f.EditAndVerify(SubRip("Second"));
    EXPECT_EQ(f.doc.Save(), SaveOutcome::Saved);

    EXPECT_EQ(Read(f.path), SubRip("Second"));
    EXPECT_EQ(Read(f.path + ".bak"), backup ? SubRip("First") : "");
    EXPECT_EQ(fs::exists(f.path + ".bak"), backup);
    EXPECT_FALSE(f.TemporaryLeft());
    EXPECT_TRUE(f.prompter.shown.empty());
    EXPECT_EQ(std::tuple(f.doc.SaveSucceeded, f.doc.store.ChangeCount, f.doc.store.TextEdited, f.doc.commands.Save,
                         f.doc.commands.Reload),
              std::tuple(true, 0, false, false, false));
  }
}

TEST(Save, AReadOnlyFileIsReplacedAndStaysReadOnlyAsDoesItsBackup) {
  const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  FileCommands f("movie.srt", false);
  fs::permissions(f.path, readOnly);
  f.doc.CurrentFileName = f.path;
  f.doc.OpenFile();
  f.EditAndVerify(SubRip("Changed"));

  EXPECT_EQ(f.doc.Save(), SaveOutcome::Saved);
  EXPECT_EQ(Read(f.path), SubRip("Changed"));
  EXPECT_EQ(fs::status(f.path).permissions(), readOnly);
  EXPECT_EQ(fs::status(f.path + ".bak").permissions(), readOnly);
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
                [](FileCommands& f) {
                  f.doc.TypeButtonChecked(TypeMicroDVD);
                  f.dialogs.names = {f.In("missing/movie.sub")};
                },
                [](const FileCommands& f) { return "Can't write in \"" + f.In("missing/movie.sub") + "\"!"; }},
       }) {
    FileCommands f(c.name);
    f.EditAndVerify(SubRip("Changed"));
    c.prepare(f);
    const std::string name = f.doc.CurrentFileName;
    SCOPED_TRACE(c.message(f));

    EXPECT_EQ(f.doc.Save(), SaveOutcome::Failed);
    EXPECT_FALSE(f.doc.SaveSucceeded);
    ASSERT_EQ(f.prompter.shown.size(), 1u);
    EXPECT_EQ(std::tuple(f.prompter.shown[0].icon, f.prompter.shown[0].text), std::tuple(Icon::Error, c.message(f)));
    EXPECT_EQ(Read(f.path), SubRip("Hello"));
    EXPECT_FALSE(f.TemporaryLeft());
    EXPECT_EQ(std::tuple(f.doc.CurrentFileName, f.doc.store.TextEdited, f.doc.commands.Save),
              std::tuple(name, true, true));
  }
}

TEST(Save, AfterATypeSwitchAsksForTheNewNameAndKeepsTheOldFile) {
  for (bool chosen : {true, false}) {
    FileCommands f;
    f.doc.TypeButtonChecked(TypeMicroDVD);
    const std::string renamed = f.In("movie.sub");
    if (chosen) f.dialogs.names = {renamed};

    EXPECT_EQ(f.doc.Save(), chosen ? SaveOutcome::Saved : SaveOutcome::Declined);
    EXPECT_TRUE(f.doc.SaveSucceeded);
    EXPECT_EQ(Read(renamed), chosen ? f.editor.Text() : "");
    EXPECT_EQ(Read(f.path), SubRip("Hello"));
    // Once written under its new name, the document saves there without asking.
    if (chosen) {
      EXPECT_EQ(f.doc.Save(), SaveOutcome::Saved);
    }
    EXPECT_EQ(f.dialogs.saveRequests, (SaveRequests{{renamed, "sub"}}));
  }
}

TEST(SaveAs, AnotherExistingFileIsOverwrittenOnlyWhenConfirmedAndBecomesTheDocument) {
  struct Case {
    bool sameFile;  // the name chosen is a second name of the open file
    std::deque<Answer> answers;
    std::size_t questions, choosers;
  };
  for (const Case& c : {Case{false, {Answer::No, Answer::Yes}, 2, 2}, Case{true, {}, 0, 1}}) {
    FileCommands f;
    const std::string other = f.In("other.srt");
    if (c.sameFile)
      fs::create_hard_link(f.path, other);
    else
      f.folder.Write("other.srt", "old");
    const std::string before = Read(other);
    f.EditAndVerify(SubRip("Changed"));
    f.dialogs.names = {other, other};
    f.prompter.answers = c.answers;

    EXPECT_EQ(f.doc.SaveAs(), SaveOutcome::Saved);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>(c.questions, "This file already exists! Overwrite?"));
    EXPECT_EQ(f.dialogs.saveRequests, SaveRequests(c.choosers, {f.path, "srt"}));
    EXPECT_EQ(Read(other), SubRip("Changed"));
    EXPECT_EQ(Read(other + ".bak"), before);
    EXPECT_EQ(std::tuple(f.doc.CurrentFileName, f.doc.BackupFileName, f.doc.ReloadFileName, f.doc.Caption),
              std::tuple(other, other + ".bak", other, std::string("Tessary - 'other.srt'")));
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
    EXPECT_TRUE(f.doc.SaveSucceeded);
    EXPECT_EQ(std::tuple(f.prompter.shown.back().icon, f.prompter.shown.back().text),
              std::tuple(Icon::Warning, "You didn't yet verified what you wrote!\r\nAre you sure you want to save?"));
    EXPECT_EQ(Read(f.path), SubRip("Hello"));
    EXPECT_EQ(std::tuple(f.doc.store.SubtitleLoaded, f.editor.Text()), std::tuple(true, SubRip("Unverified")));
  }
}

TEST(SaveQuestion, CloseFileAndQueryCloseFollowTheAnswer) {
  struct Case {
    bool queryClose, edited;
    Answer answer;
    bool closes, saved;
  };
  for (const Case& c : {
           Case{false, true, Answer::Yes, true, true},   Case{false, true, Answer::No, true, false},
           Case{false, true, Answer::Cancel, false, false}, Case{true, true, Answer::Yes, true, true},
           Case{true, true, Answer::No, true, false},    Case{true, true, Answer::Cancel, false, false},
           Case{true, false, Answer::Yes, true, false},
       }) {
    SCOPED_TRACE(::testing::Message() << c.queryClose << c.edited << static_cast<int>(c.answer));
    FileCommands f;
    const std::string saveCopy = f.folder.Write("movie.srt.sav", "copy");
    if (c.edited) f.EditAndVerify(SubRip("Changed"));
    f.prompter.answers = {c.answer};

    EXPECT_EQ(c.queryClose ? f.doc.QueryClose() : f.doc.CloseFile(), c.closes);
    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>(c.edited, "Save changes in \"movie.srt\"?"));
    for (const auto& m : f.prompter.shown) EXPECT_EQ(m.icon, Icon::Question);
    EXPECT_EQ(Read(f.path), SubRip(c.saved ? "Changed" : "Hello"));
    // The close query leaves the document to the closing window; Close file empties it.
    EXPECT_EQ(f.doc.store.SubtitleLoaded, !c.closes || c.queryClose);
    EXPECT_EQ(fs::exists(saveCopy), !c.closes);
  }
}

TEST(Reload, AsksWithTheChangeCountAndReadsTheFileAgain) {
  const std::string rest = " Changes to save!\r\nAre you sure you want to reload the file?";
  struct Case {
    bool typed;  // a hand edit, or else 3 counted changes
    Answer answer;
    bool fileGone;
    std::string question, after;
  };
  for (const Case& c : {
           Case{false, Answer::No, false, "There are 3" + rest, SubRip("Hello")},
           Case{true, Answer::No, false, "There are" + rest, SubRip("Typed")},
           Case{true, Answer::Yes, false, "There are" + rest, SubRip("On disk")},
           Case{true, Answer::Yes, true, "There are" + rest, SubRip("Typed")},
       }) {
    SCOPED_TRACE(c.question);
    FileCommands f;
    if (c.typed)
      f.Edit(SubRip("Typed"));
    else
      f.doc.store.ChangeCount = 3;
    if (c.fileGone)
      fs::remove(f.path);
    else
      f.folder.Write("movie.srt", SubRip("On disk"));
    f.prompter.answers = {c.answer};
    f.doc.Reload();

    std::vector<std::string> expected{c.question};
    if (c.fileGone) expected.push_back("\"" + f.path + "\" doesn't exist!");
    EXPECT_EQ(f.prompter.Texts(), expected);
    EXPECT_EQ(f.prompter.shown[0].icon, Icon::Warning);
    EXPECT_EQ(std::tuple(f.editor.Text(), f.doc.store.TextEdited), std::tuple(c.after, c.typed && c.after != SubRip("On disk")));
  }
}

TEST(OpenArgumentFile, OpensAnExistingFileAndNamesAFolderOrAMissingFile) {
  struct Case {
    bool folder;
    std::string argument, message;
  };
  for (const Case& c : {Case{false, "movie.srt", ""}, Case{true, "", " is a folder!"},
                        Case{false, "gone.srt", "\"gone.srt\" doesn't exist!"}}) {
    FileCommands f("movie.srt", false);
    fs::current_path(f.folder.Path());
    const std::string argument = c.folder ? f.folder.Path().string() : c.argument;
    const std::string message = c.folder ? "\"" + argument + "\"" + c.message : c.message;
    f.doc.OpenArgumentFile(argument);

    EXPECT_EQ(f.prompter.Texts(), std::vector<std::string>(!message.empty(), message));
    const bool opened = argument == "movie.srt";
    EXPECT_EQ(std::tuple(f.doc.store.SubtitleLoaded, f.doc.CurrentFileName), std::tuple(opened, opened ? f.path : ""));
  }
}

TEST(OpenCommand, CommitsTheFrameRateAndOpensTheChosenFileWhileShowingTheChooser) {
  for (bool chosen : {true, false}) {
    FileCommands f("movie.srt", false);
    f.doc.FrameRateTextChanged("30");
    std::vector<std::pair<bool, double>> whileOpen;
    f.dialogs.whileOpen = [&] { whileOpen.push_back({f.doc.MessageShowing, f.doc.CommittedFrameRate}); };
    if (chosen) f.dialogs.names = {f.path};

    f.doc.OpenCommand();
    EXPECT_EQ(whileOpen, (std::vector<std::pair<bool, double>>{{true, 30.0}}));
    EXPECT_EQ(std::tuple(f.doc.MessageShowing, f.doc.store.SubtitleLoaded, f.doc.CurrentFileName),
              std::tuple(false, chosen, chosen ? f.path : ""));
    EXPECT_TRUE(f.prompter.shown.empty());
  }
}

}  // namespace
}  // namespace tessary::testing
