#include "document/document.h"

#include <chrono>
#include <utility>

#include "document/units.h"

namespace tessary {

namespace {
NoFileDialogs noFileDialogs;
// A second click on a subtitle command within this time of the first tells the user to load one.
constexpr std::chrono::milliseconds NoticeRepeatTime{864};
}  // namespace

Document::Document(Prompter& prompter, EditorView& editor, Clock& clock, const MessageTable& table)
    : Document(prompter, editor, clock, table, noFileDialogs) {}

Document::Document(Prompter& prompter, EditorView& editor, Clock& clock, const MessageTable& table,
                   FileDialogs& dialogs)
    : messages(table), prompter_(prompter), editor_(editor), clock_(clock), dialogs_(dialogs) {
  Caption = Text(Msg::Title);
  fields.UnitsLabel = Text(Msg::FramesUnit);
  AutoSaveReference = clock_.Now();
}

void Document::Show(Icon icon, std::string_view text) {
  MessageShowing = true;
  prompter_.Show(icon, text);
  MessageShowing = false;
}

Answer Document::Ask(Icon icon, std::string_view text, Buttons buttons, Answer defaultAnswer) {
  MessageShowing = true;
  Answer answer = prompter_.Ask(icon, text, buttons, defaultAnswer);
  MessageShowing = false;
  return answer;
}

void Document::SetEditorText(std::string text) {
  Rendering = true;
  editor_.SetText(std::move(text));
  Rendering = false;
}

std::string Document::FileCaption() const {
  return Text(Msg::Title) + " - '" + std::filesystem::path(CurrentFileName).filename().string() + "'";
}

void Document::Reinitialization() {
  Caption = Text(Msg::Title);
  HighlightActive = false;
  CounterNoticeDisabled = false;
  store.ChangeCount = store.ReportedChangeCount = 0;
  store.TextEdited = store.SubtitleLoaded = false;
  store.DetectionCode = Layout::Unknown;
  store.CurrentType = TypeNone;
  BackupFileName.clear();
  RemoveSaveCopy();
  CurrentFileName.clear();
  LastParsedFileName.clear();
  store.ClearEntries();
  store.SubtitleCount = store.LineCount = 0;
  SavedAttributes = std::filesystem::perms::unknown;
  Unit = DisplayUnit::Frames;
  ResetManualFields();
  ResetTransformFields();
  EditedSinceParse = false;
  fields.UnitsLabel = Text(Msg::FramesUnit);
  CheckedType = TypeMicroDVD;
  fields.FrameRateRed = true;
  EditorReadOnly = true;
  editor_.SetReadOnly(true);
  SetEditorText("");
  encoding = {};
  AutoSaveReference = clock_.Now();
}

void Document::NoSubtitleNotice() {
  if (clock_.Now() - LastGuardTime <= NoticeRepeatTime) Show(Icon::Information, Text(Msg::PleaseLoad));
  LastGuardTime = clock_.Now();
}

void Document::ChangeReport() {
  int made = store.ChangeCount - store.ReportedChangeCount;
  if (made < 1)
    Show(Icon::Information, Text(Msg::NoChange));
  else
    Show(Icon::Information, Text(Msg::IveMade) + " " + std::to_string(made) + " " + Text(Msg::Changes));
  store.ReportedChangeCount = store.ChangeCount;
}

void Document::EditorTextChanged() {
  if (!store.SubtitleLoaded || Rendering) return;
  if (!store.FirstParseAfterLoad) store.TextEdited = true;
  EditedSinceParse = true;
}

void Document::NoticeEncodingSwitch() {
  if (!encoding.utf8SwitchUntold) return;
  encoding.utf8SwitchUntold = false;
  Show(Icon::Warning, Text(Msg::SavedAsUtf8));
}

}  // namespace tessary
