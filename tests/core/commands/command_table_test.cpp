#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "commands/command_table.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

const std::string SubRip =
    Lines({"1", "00:00:01,000 --> 00:00:02,000", "Hello", "", "2", "00:00:03,000 --> 00:00:04,000", "World", "", ""});
const std::string MicroDVD = Lines({"{25}{50}Hello", "{75}{100}World", ""});

// What each situation enables, by the names below; the other commands are always usable.
std::string UsableCommands(const Document& doc) {
  static const std::vector<std::pair<CommandId, const char*>> named = {{CommandId::Open, "open"},
                                                                       {CommandId::Save, "save"},
                                                                       {CommandId::Reload, "reload"},
                                                                       {CommandId::SaveAs, "save-as"},
                                                                       {CommandId::CloseFile, "close"},
                                                                       {CommandId::Append, "append"},
                                                                       {CommandId::VerifyWritings, "verify"},
                                                                       {CommandId::Multiply, "multiply"},
                                                                       {CommandId::ChangeFrameRate, "fps"},
                                                                       {CommandId::LoadFromVideoFile, "video-fps"},
                                                                       {CommandId::SearchAgain, "search-again"}};
  std::string out;
  for (const auto& [id, name] : named)
    if (CommandUsable(doc, id)) out += std::string(out.empty() ? "" : " ") + name;
  for (CommandId id : {CommandId::Exit, CommandId::Search, CommandId::GoToLine, CommandId::Options, CommandId::About})
    if (!CommandUsable(doc, id)) out += " !" + std::to_string(static_cast<int>(id));
  return out;
}

TEST(CommandTable, EnablesEachCommandInTheSituationsOfASession) {
  using Steps = std::function<void(DocumentFixture&)>;
  const Steps edit = [](DocumentFixture& f) {
    f.Open(SubRip, "film.srt");
    f.editor.SetText(SubRip + "x");
    f.doc.EditorTextChanged();
  };
  const Steps failedParse = [](DocumentFixture& f) {
    f.Open(SubRip, "film.srt");
    f.EditAndVerify("no subtitle");
  };
  const std::string timing = " multiply fps video-fps";
  struct Case {
    const char* name;
    Steps steps;
    std::string usable;
  };
  for (const Case& c : std::vector<Case>{
           {"nothing loaded", [](DocumentFixture&) {}, "open" + timing},
           {"SubRip", [](DocumentFixture& f) { f.Open(SubRip, "film.srt"); },
            "save-as close append multiply video-fps"},
           {"MicroDVD", [](DocumentFixture& f) { f.Open(MicroDVD, "film.sub"); }, "save-as close append" + timing},
           {"repaired on opening",
            [](DocumentFixture& f) {
              f.Open(Lines({"{25}{50}Hello  ", "{75}{100}World"}), "film.sub");
            },
            "save reload save-as close append" + timing},
           {"edited", edit, "save reload save-as close verify"},
           {"edited and verified",
            [&](DocumentFixture& f) {
              edit(f);
              f.doc.TextInLines();
            },
            "save reload save-as close append multiply video-fps"},
           {"failed parse", failedParse, "save reload save-as close append verify"},
           {"failed parse, saved anyway",
            [&](DocumentFixture& f) {
              failedParse(f);
              f.prompter.answers = {Answer::Yes};
              f.doc.Save();
            },
            "save-as close append verify"},
           {"failing on opening",
            [](DocumentFixture& f) {
              f.doc.settings.AdvancedAutomaticRepair = false;
              f.Open(Lines({"{10}{20}A", "{1}{23", "{30}{40}C", "{50}{60}D"}), "film.sub");
            },
            "save-as close append verify"},
           {"saved after verified edits",
            [&](DocumentFixture& f) {
              edit(f);
              f.doc.TextInLines();
              f.doc.Save();
            },
            "save-as close append multiply video-fps"},
           {"multiplied",
            [](DocumentFixture& f) {
              f.Open(MicroDVD, "film.sub");
              f.doc.MultiplyValue = 2;
              f.doc.MultiplyClick();
            },
            "save reload save-as close append" + timing},
           {"MicroDVD saved as SubRip",
            [](DocumentFixture& f) {
              f.Open(MicroDVD, "film.sub");
              f.doc.TypeButtonChecked(TypeSubRip);
            },
            "save reload save-as close append multiply video-fps"},
           {"SubRip saved as MicroDVD",
            [](DocumentFixture& f) {
              f.Open(SubRip, "film.srt");
              f.doc.TypeButtonChecked(TypeMicroDVD);
            },
            "save reload save-as close append" + timing},
           {"closed: the editing area is read-only",
            [](DocumentFixture& f) {
              f.Open(SubRip, "film.srt");
              f.doc.CloseFile();
            },
            "open" + timing},
           {"under a message of the first parse",
            [](DocumentFixture& f) {
              f.Open(SubRip, "film.srt");
              f.doc.store.FirstParseAfterLoad = true;
            },
            "open" + timing},
           {"refused file", [](DocumentFixture& f) { f.Open("no subtitle"); }, "open" + timing},
       }) {
    DocumentFixture f;
    c.steps(f);
    EXPECT_EQ(UsableCommands(f.doc), c.usable) << c.name;
  }
}

}  // namespace
}  // namespace tessary::testing
