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
    : messages_(table), prompter_(prompter), editor_(editor), clock_(clock), dialogs_(dialogs) {
  Caption_ = Text(Msg::Title);
  fields_.UnitsLabel = Text(Msg::FramesUnit);
  AutoSaveReference_ = clock_.Now();
}

void Document::Show(Icon icon, std::string_view text) {
  MessageShowing_ = true;
  prompter_.Show(icon, text);
  MessageShowing_ = false;
}

Answer Document::Ask(Icon icon, std::string_view text, Buttons buttons, Answer defaultAnswer) {
  MessageShowing_ = true;
  Answer answer = prompter_.Ask(icon, text, buttons, defaultAnswer);
  MessageShowing_ = false;
  return answer;
}

void Document::SetEditorText(std::string text) {
  Rendering_ = true;
  editor_.SetText(std::move(text));
  Rendering_ = false;
}

std::string Document::FileCaption() const {
  return Text(Msg::Title) + " - '" + std::filesystem::path(CurrentFileName_).filename().string() + "'";
}

void Document::Reinitialization() {
  Caption_ = Text(Msg::Title);
  HighlightActive_ = false;
  CounterNoticeDisabled_ = false;
  store_.ClearChanges();
  store_.TextEdited = store_.SubtitleLoaded = false;
  store_.DetectionCode = Layout::Unknown;
  store_.CurrentType = SubtitleType::None;
  BackupFileName_.clear();
  RemoveSaveCopy();
  CurrentFileName_.clear();
  LastParsedFileName_.clear();
  store_.ClearEntries();
  store_.SetSubtitleCount(0);
  store_.LineCount = 0;
  SavedAttributes_ = std::filesystem::perms::unknown;
  Unit_ = DisplayUnit::Frames;
  ResetManualFields();
  ResetTransformFields();
  EditedSinceParse_ = false;
  fields_.UnitsLabel = Text(Msg::FramesUnit);
  CheckedType_ = SubtitleType::MicroDVD;
  fields_.FrameRateRed = true;
  EditorReadOnly_ = true;
  editor_.SetReadOnly(true);
  SetEditorText("");
  encoding_ = {};
  AutoSaveReference_ = clock_.Now();
}

void Document::NoSubtitleNotice() {
  if (clock_.Now() - LastGuardTime_ <= NoticeRepeatTime) Show(Icon::Information, Text(Msg::PleaseLoad));
  LastGuardTime_ = clock_.Now();
}

void Document::ChangeReport() {
  int made = store_.ChangeCount - store_.ReportedChangeCount;
  if (made < 1)
    Show(Icon::Information, Text(Msg::NoChange));
  else
    Show(Icon::Information, Text(Msg::IveMade) + " " + std::to_string(made) + " " + Text(Msg::Changes));
  store_.MarkChangesReported();
}

void Document::TakeLoadedStateOf(const Document& original) {
  settings_ = original.settings_;
  SetFrameRate(original.FrameRate_);
  encoding_ = original.encoding_;
  CurrentFileName_ = original.CurrentFileName_;
  CheckedType_ = original.CheckedType_;
  DisableConvertMessage_ = true;
  store_.SubtitleLoaded = true;
}

void Document::EditorTextChanged() {
  if (!store_.SubtitleLoaded || Rendering_) return;
  if (!store_.FirstParseAfterLoad) store_.TextEdited = true;
  EditedSinceParse_ = true;
}

void Document::NoticeEncodingSwitch() {
  if (!encoding_.utf8SwitchUntold) return;
  encoding_.utf8SwitchUntold = false;
  Show(Icon::Warning, Text(Msg::SavedAsUtf8));
}

}  // namespace tessary
