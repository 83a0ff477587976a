#include <gtest/gtest.h>

#include <string>
#include <string_view>
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

// Runs the steps of a situation, one letter each: open SubRip, MicroDVD, a file the open
// repairs, one failing verification or one refused; edit, verify, edit badly and verify, save,
// multiply, switch the type, close, or stand under a message of the first parse.
void RunSteps(DocumentFixture& f, std::string_view steps) {
  for (char step : steps) switch (step) {
      case 's':
        f.Open(SubRip, "film.srt");
        break;
      case 'm':
        f.Open(MicroDVD, "film.sub");
        break;
      case 'p':  // repaired on opening
        f.Open(Lines({"{25}{50}Hello  ", "{75}{100}World"}), "film.sub");
        break;
      case 'o':  // fails verification
        f.doc.settings().AdvancedAutomaticRepair = false;
        f.Open(Lines({"{10}{20}A", "{1}{23", "{30}{40}C", "{50}{60}D"}), "film.sub");
        break;
      case 'r':
        f.Open("no subtitle");
        break;
      case 'e':
        f.editor.SetText(SubRip + "x"), f.doc.EditorTextChanged();
        break;
      case 'v':
        f.doc.TextInLines();
        break;
      case 'b':
        f.EditAndVerify("no subtitle");
        break;
      case 'S':
        f.prompter.answers = {Answer::Yes}, f.doc.Save();
        break;
      case 'x':
        f.doc.Run(MultiplyParams{2});
        break;
      case 't':
        f.doc.TypeButtonChecked(f.doc.store().CurrentType == SubtitleType::SubRip ? SubtitleType::MicroDVD
                                                                                  : SubtitleType::SubRip);
        break;
      case 'c':
        f.doc.CloseFile();
        break;
      case 'f':  // under a message of the first parse
        f.doc.StoreForSetup().FirstParseAfterLoad = true;
        break;
    }
}

TEST(CommandTable, EnablesEachCommandInTheSituationsOfASession) {
  const std::string none = "open multiply fps video-fps", open = "save-as close append multiply",
                    changed = "save reload " + open;
  for (const auto& [steps, usable] : std::vector<std::pair<const char*, std::string>>{
           {"", none},
           {"s", open + " video-fps"},
           {"m", open + " fps video-fps"},
           {"p", changed + " fps video-fps"},
           {"se", "save reload save-as close verify"},
           {"sev", changed + " video-fps"},
           {"sb", "save reload save-as close append verify"},
           {"sbS", "save-as close append verify"},
           {"o", "save-as close append verify"},
           {"sevS", open + " video-fps"},
           {"mx", changed + " fps video-fps"},
           {"mt", changed + " video-fps"},
           {"st", changed + " fps video-fps"},
           {"sc", none},
           {"r", none},
           {"sf", none},
       }) {
    DocumentFixture f;
    RunSteps(f, steps);
    EXPECT_EQ(UsableCommands(f.doc), usable) << steps;
  }
}

}  // namespace
}  // namespace tessary::testing
