// One open subtitle: the model, the editing area it is shown in, and the rules that keep
// the two in step (open, parse, verify, read, repair, render, type switch).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "document/encoding.h"
#include "document/panel_state.h"
#include "document/subtitle_store.h"
#include "fields/timing_fields.h"
#include "operations/timing_operations.h"
#include "ports/clock.h"
#include "ports/editor_view.h"
#include "ports/file_dialogs.h"
#include "ports/prompter.h"
#include "settings/message_table.h"

namespace tessary {

// The settings the document's rules read.
struct DocumentSettings {
  bool CommaInSubRip = true;            // Comma_in_SubRip
  bool AdvancedAutomaticRepair = true;  // Advanced_automatic_repair
  std::int32_t FontColour = 8388608;    // Font_colour, a 0x00BBGGRR colour value
  bool FontColourIsSystem = false;      // the text colour is the system window-text colour
  bool OfferNewerSaveCopy = true;       // opening offers a FILE.sav newer than FILE (a crash left it)
  bool BackupSave = true;               // Backup_save: the replaced file becomes FILE.bak
  bool AutomaticSave = true;            // Automatic_save
  int AutomaticSaveTime = 5;            // Automatic_save_time, minutes
  bool SaveType = true;                 // Save_type: true writes FILE.sav, false saves FILE
};

// How a save command ended.
enum class SaveOutcome {
  Saved,     // the file was written
  Declined,  // the user answered No or cancelled the file chooser: nothing written
  Failed,    // writing failed and the message was shown: nothing written
};

class Document {
 public:
  Document(Prompter& prompter, EditorView& editor, Clock& clock, const MessageTable& messages);
  Document(Prompter& prompter, EditorView& editor, Clock& clock, const MessageTable& messages, FileDialogs& dialogs);

  // --- opening and parsing ---
  // Makes `path` the document's file, checks it, detects its type and parses it.
  void OpenFile(std::string path);
  // OpenFile, then the type button of `type` once the parse succeeded. A subtitle of the other
  // type is not rendered in its own type first: the switch renders it again at once.
  void OpenFileAs(std::string path, SubtitleType type);
  // True when RawLines may be a subtitle; shows the reason otherwise. `rest` is what the
  // split left past the lines it could take.
  bool PreCheck(std::string_view rest);
  // Returns the layout of RawLines[1..LineCount].
  Layout DetectType() const;
  // The parse: editing area -> RawLines -> verify -> read -> repair -> render.
  void TextInLines();
  void VerifySubtitle();
  void ReadSubtitleLines();
  void RepairTimes();
  // Writes the store into the editing area in the current type; without `render` the texts
  // only take the notation of the current type.
  void LinesInText(bool render = true);

  // --- file commands ---
  // The Open command: commits the frame-rate box, asks for a file and opens it.
  void OpenCommand();
  // Opens the file named on the command line ("is a folder!" / "doesn't exist!" otherwise).
  void OpenArgumentFile(const std::string& argument);
  // Save and Save as; both also set SaveSucceeded (false only when writing failed).
  SaveOutcome Save();
  SaveOutcome SaveAs();
  // Close file: asks to save changes; returns true when the document was closed.
  bool CloseFile();
  // Reload: asks, then reads the file again.
  void Reload();
  // Closing the program: asks to save changes; returns true when the program may close
  // (the automatic ".sav" copy is then removed).
  bool QueryClose();

  // --- automatic save ---
  // True when an edited document has waited the automatic-save interval since it was
  // opened or last saved automatically.
  bool AutoSaveDue() const;
  // Saves the document (common save of a verified text) or writes its FILE.sav copy.
  void AutoSave();

  // The message table changed: the texts the document made from it are made again.
  void MessagesChanged();

  // --- timing operations (src/core/operations) ---
  // Runs an operation on the loaded subtitle ("Please load a subtitle!" without one), shows
  // why it was refused, or shows the text again and reports the changes.
  void Run(const Operation& operation);
  // "Mark the line number" for point 1 or 2: the subtitle of the caret's line.
  void MarkLineNumber(int point);

  // What the timing fields' rules read from the document.
  FieldContext TimingContext() const;

  // --- caret ---
  void GetLocNr();
  void GoToLocNr(int line, int column, bool highlight);

  // --- commands and their state (which commands are usable: commands/command_table.h) ---
  void Reinitialization();
  void NoSubtitleNotice();
  void ChangeReport();
  // A change of the editing area's text by the user.
  void EditorTextChanged();
  // Tells the user, once per opened file, that a typed character made the Windows-1250
  // document UTF-8: the window calls it after the keystroke, a save before it writes.
  void NoticeEncodingSwitch();
  // Handlers of the type radio buttons rbMicroDVD and rbSubRip.
  void TypeButtonChecked(SubtitleType type);
  // True while the editing area's text is not what the last parse read and checked: the text
  // was edited since, or that parse failed. Only "Verify writings" and the file commands apply.
  bool AwaitsVerification() const { return SubtitleOpen() && (EditedSinceParse_ || !LastParseSucceeded_); }
  // True when the subtitle has changes or edits that are not saved.
  bool ChangesUnsaved() const { return SubtitleOpen() && (store_.ChangeCount > 0 || store_.TextEdited); }
  // True once a file is loaded and its first parse is done: until then the commands stay as
  // they were before the open, also under the parse's messages.
  bool SubtitleOpen() const { return store_.SubtitleLoaded && !store_.FirstParseAfterLoad; }

  // --- frame-rate box and display unit ---
  void FrameRateTextChanged(std::string_view text);
  void FrameRateCommit();
  void FrameRateCancel();
  void SelectFramesUnit();
  void SelectTimeUnit();

  // --- state (named as the user sees it; read-only but for the mutators below) ---
  const SubtitleStore& store() const { return store_; }
  const DocumentSettings& settings() const { return settings_; }
  const MessageTable& messages() const { return messages_; }
  double FrameRate() const { return FrameRate_; }
  double CommittedFrameRate() const { return CommittedFrameRate_; }
  DisplayUnit Unit() const { return Unit_; }
  TransformMode EntireMode() const { return EntireMode_; }
  bool HighlightActive() const { return HighlightActive_; }
  bool MessageShowing() const { return MessageShowing_; }
  bool VerifiedOK() const { return VerifiedOK_; }
  bool LastParseSucceeded() const { return LastParseSucceeded_; }
  bool EditedSinceParse() const { return EditedSinceParse_; }
  bool VideoPreviewShowing() const { return VideoPreviewShowing_; }
  bool SaveSucceeded() const { return SaveSucceeded_; }
  const std::string& CurrentFileName() const { return CurrentFileName_; }
  const std::string& BackupFileName() const { return BackupFileName_; }
  const EncodingInfo& encoding() const { return encoding_; }
  const FieldTexts& fields() const { return fields_; }
  const TimingFields& timing() const { return timing_; }
  SubtitleType CheckedType() const { return CheckedType_; }
  const std::string& Caption() const { return Caption_; }

  // The user's settings and the timing fields the window's panels edit.
  DocumentSettings& settings() { return settings_; }
  TimingFields& timing() { return timing_; }
  // The frame rate given from outside the box (command line): in force, committed and shown.
  void SetFrameRate(double rate);
  // The cbEntire check box.
  void SetEntireMode(TransformMode mode) { EntireMode_ = mode; }
  // The encoding the window's editing area switches to UTF-8 when a typed character needs it.
  EncodingInfo& EncodingForEditor() { return encoding_; }

  // For tests and tools that build a state the parse cannot make; everything else changes the
  // store through the document's operations.
  SubtitleStore& StoreForSetup() { return store_; }
  // The answer to an earlier counter-out-of-order question of this file.
  void SetCounterNoticeDisabled(bool disabled) { CounterNoticeDisabled_ = disabled; }
  // For tools parsing a document's text a second time: takes `original`'s file, settings, frame
  // rate, encoding and checked type as a loaded document, with the conversion question off.
  void TakeLoadedStateOf(const Document& original);

  // --- message helpers (every box goes through these) ---
  void Show(Icon icon, std::string_view text);
  Answer Ask(Icon icon, std::string_view text, Buttons buttons, Answer defaultAnswer);
  const std::string& Text(Msg id) const { return messages_[id]; }

 private:
  friend struct VerifyRules;

  SubtitleStore store_;
  DocumentSettings settings_;
  const MessageTable& messages_;

  double FrameRate_ = 25;
  double CommittedFrameRate_ = 25;
  DisplayUnit Unit_ = DisplayUnit::Frames;  // of the timing fields
  TransformMode EntireMode_ = TransformMode::Whole;
  int CaretLine_ = 0;
  int CaretColumn_ = 0;
  bool HighlightActive_ = false;
  bool Rendering_ = false;
  bool MessageShowing_ = false;
  Clock::TimePoint LastGuardTime_{};
  Clock::TimePoint AutoSaveReference_{};  // when the automatic save counts its interval from

  bool VerifiedOK_ = false;
  bool LastParseSucceeded_ = false;
  bool EditedSinceParse_ = false;  // the user changed the text after the last parse
  bool EditorReadOnly_ = true;     // nothing is loaded to edit
  bool VideoPreviewShowing_ = false;
  bool CounterNoticeDisabled_ = false;
  bool DisableConvertMessage_ = false;
  bool SaveSucceeded_ = true;

  std::string CurrentFileName_;
  std::string BackupFileName_;
  std::string ReloadFileName_;
  std::string LastParsedFileName_;
  std::string SaveCopyName_;  // the FILE.sav this program wrote for the open document, if any
  std::filesystem::perms SavedAttributes_ = std::filesystem::perms::unknown;
  EncodingInfo encoding_;

  FieldTexts fields_;
  TimingFields timing_;
  SubtitleType CheckedType_ = SubtitleType::MicroDVD;  // which of rbMicroDVD / rbSubRip is checked
  std::string Caption_;

  // Shows why an operation was refused; a refused decrease puts the largest amount it could
  // take into its field.
  void ShowRefusal(const OperationResult& result);

  // The factor back to 1 and the amount to 0 (timing/timing_fields.cpp).
  void ResetManualFields();
  // The transform's fields reset so that a transform changes nothing: the first and last
  // subtitle at their own starts (with no subtitle, 0 and one frame).
  void ResetTransformFields();

  // Shows "Problems with line nr. <line>:" with the quoted line and the detail; clears VerifiedOK.
  void ReportLine(int line, std::string_view quotedLine, std::string_view detail);
  void SetEditorText(std::string text);
  // Shows eFirstPoint and eSecondPoint in the display unit.
  void ShowPointFields(bool secondAtLeastOne);
  // Checks a type radio button; checking one that was not checked runs its handler.
  void CheckTypeButton(SubtitleType type, bool renderAllowed);
  std::string FileCaption() const;

  // Writes the editing area's text to `path` (with the backup when BackupSave is on) and
  // marks the document as saved under that name; shows the message of a failure.
  SaveOutcome WriteDocument(const std::string& path);
  // True when the text was parsed since it was last edited, or the user wants it saved anyway.
  bool ConfirmUnverifiedSave();
  // Asks whether to save the changes before the document goes away; true when it may go.
  bool SettleChangesBeforeClosing();
  // Removes the automatic-save copy this program wrote; a copy it did not write may be the
  // last of the user's work.
  void RemoveSaveCopy();
  // True when FILE.sav is newer than `path` and the user wants to open it instead.
  bool OpenSaveCopyInstead(const std::string& path);

  // The type OpenFileAs switches to after the parse; SubtitleType::None otherwise.
  SubtitleType openAsType_ = SubtitleType::None;

  Prompter& prompter_;
  EditorView& editor_;
  Clock& clock_;
  FileDialogs& dialogs_;
};

}  // namespace tessary
