#include <gtest/gtest.h>

#include <functional>
#include <map>
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
const std::string Repaired = Lines({"{25}{50}Hello  ", "{75}{100}World"});             // repaired on opening
const std::string Failing = Lines({"{10}{20}A", "{1}{23", "{30}{40}C", "{50}{60}D"});  // without repair

// What each situation enables, by the names below; the other commands are always usable.
std::string UsableCommands(const Document& doc) {
  using enum CommandId;
  static const CommandId ids[] = {Open,       Save,           Reload,   SaveAs,          CloseFile,
                                  Append,     VerifyWritings, Multiply, ChangeFrameRate, LoadFromVideoFile,
                                  SearchAgain};
  static const char* const names[] = {"open",   "save",     "reload", "save-as",   "close",       "append",
                                      "verify", "multiply", "fps",    "video-fps", "search-again"};
  std::string out;
  for (std::size_t k = 0; k < std::size(ids); ++k)
    if (CommandUsable(doc, ids[k])) out += std::string(out.empty() ? "" : " ") + names[k];
  for (CommandId id : {Exit, Search, GoToLine, Options, About})
    if (!CommandUsable(doc, id)) out += " !" + std::to_string(static_cast<int>(id));
  return out;
}

// The steps of a situation, one letter each: open SubRip, MicroDVD, a file the open repairs, one failing
// verification or one refused; edit, verify, edit badly and verify, save, multiply, switch the type, close, or
// stand under a message of the first parse.
const std::map<char, std::function<void(DocumentFixture&)>> Steps = {
    {'s', [](auto& f) { f.Open(SubRip, "film.srt"); }},
    {'m', [](auto& f) { f.Open(MicroDVD, "film.sub"); }},
    {'p', [](auto& f) { f.Open(Repaired, "film.sub"); }},
    {'o', [](auto& f) { f.doc.settings().AdvancedAutomaticRepair = false, f.Open(Failing, "film.sub"); }},
    {'r', [](auto& f) { f.Open("no subtitle"); }},
    {'e', [](auto& f) { f.editor.SetText(SubRip + "x"), f.doc.EditorTextChanged(); }},
    {'v', [](auto& f) { f.doc.TextInLines(); }},
    {'b', [](auto& f) { f.EditAndVerify("no subtitle"); }},
    {'S', [](auto& f) { f.prompter.answers = {Answer::Yes}, f.doc.Save(); }},
    {'x', [](auto& f) { f.doc.Run(MultiplyParams{2}); }},
    {'t',
     [](auto& f) {
       f.doc.TypeButtonChecked(f.doc.store().CurrentType == SubtitleType::SubRip ? SubtitleType::MicroDVD
                                                                                 : SubtitleType::SubRip);
     }},
    {'c', [](auto& f) { f.doc.CloseFile(); }},
    {'f', [](auto& f) { f.doc.StoreForSetup().FirstParseAfterLoad = true; }}};

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
    for (char step : std::string_view(steps)) Steps.at(step)(f);
    EXPECT_EQ(UsableCommands(f.doc), usable) << steps;
  }
}

}  // namespace
}  // namespace tessary::testing
