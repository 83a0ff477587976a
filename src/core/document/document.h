// One open subtitle: the model, the editing area it is shown in, and the rules that keep
// the two in step (open, parse, verify, read, repair, render, type switch).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "document/command_state.h"
#include "document/encoding.h"
#include "document/subtitle_store.h"
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
  // Reads CurrentFileName, checks it, detects its type and parses it.
  void OpenFile();
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
  // Writes the store into the editing area in the current type.
  void LinesInText();

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

  // --- timing operations (src/core/timing) ---
  // Multiply, Increase, Decrease: every start and end, then the change report.
  void MultiplyClick();
  void IncreaseClick();
  void DecreaseClick();
  // "Do it": the subtitle keeps its times and takes the target frame rate.
  void ChangeFrameRateClick();
  // The two-point transform in the mode of cbEntire.
  void TransformClick();
  // "Mark the line number" for point 1 or 2: the subtitle of the caret's line.
  void MarkLineNumber(int point);

  // The rules of the typed timing fields. FieldChanged runs on every change of the text
  // (it may clean the text in `fields`); FieldExit commits it (leaving the field, or Enter);
  // FieldEscape shows the value in force again; FieldAcceptsKey filters a typed character.
  void FieldChanged(TimingField field, std::string_view text);
  void FieldExit(TimingField field);
  void FieldEscape(TimingField field);
  bool FieldAcceptsKey(TimingField field, char key, bool hasSelection) const;
  // The text of a timing field as it stands.
  std::string& FieldText(TimingField field);

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
  void TypeButtonChecked(int type);
  // True while the editing area's text is not what the last parse read and checked: the text
  // was edited since, or that parse failed. Only "Verify writings" and the file commands apply.
  bool AwaitsVerification() const { return SubtitleOpen() && (EditedSinceParse || !LastParseSucceeded); }
  // True when the subtitle has changes or edits that are not saved.
  bool ChangesUnsaved() const { return SubtitleOpen() && (store.ChangeCount > 0 || store.TextEdited); }
  // True once a file is loaded and its first parse is done: until then the commands stay as
  // they were before the open, also under the parse's messages.
  bool SubtitleOpen() const { return store.SubtitleLoaded && !store.FirstParseAfterLoad; }

  // --- frame-rate box and display unit ---
  void FrameRateTextChanged(std::string_view text);
  void FrameRateCommit();
  void FrameRateCancel();
  void SelectFramesUnit();
  void SelectTimeUnit();

  // --- state (named as the user sees it) ---
  SubtitleStore store;
  DocumentSettings settings;
  const MessageTable& messages;

  double FrameRate = 25;
  double CommittedFrameRate = 25;
  int InputUnit = 1;            // 1 frames, 2 time
  std::int32_t ShiftValue = 0;  // -1 while the field is empty
  std::int32_t LastValidShiftValue = 0;
  double MultiplyValue = 1.0;  // -1 while the field is empty
  double LastValidMultiplyValue = 1.0;
  double TargetFrameRate = 25;
  double LastValidTargetFrameRate = 25;
  TransformMode EntireMode = TransformMode::Whole;
  std::int64_t FirstPointValue = 0;
  std::int64_t SecondPointValue = 1;
  std::int32_t FirstPointLine = 0;
  std::int32_t SecondPointLine = 1;
  int CaretLine = 0;
  int CaretColumn = 0;
  bool HighlightActive = false;
  bool Rendering = false;
  bool MessageShowing = false;
  Clock::TimePoint LastGuardTime{};
  Clock::TimePoint AutoSaveReference{};  // when the automatic save counts its interval from

  bool VerifiedOK = false;
  bool LastParseSucceeded = false;
  bool EditedSinceParse = false;  // the user changed the text after the last parse
  bool EditorReadOnly = true;     // nothing is loaded to edit
  bool VideoPreviewShowing = false;
  bool CounterNoticeDisabled = false;
  bool DisableConvertMessage = false;
  bool SaveSucceeded = true;

  std::string CurrentFileName;
  std::string BackupFileName;
  std::string ReloadFileName;
  std::string LastParsedFileName;
  std::string SaveCopyName;  // the FILE.sav this program wrote for the open document, if any
  std::filesystem::perms SavedAttributes = std::filesystem::perms::unknown;
  EncodingInfo encoding;

  FieldTexts fields;
  int CheckedType = TypeMicroDVD;  // which of rbMicroDVD / rbSubRip is checked
  std::string Caption;

  // --- message helpers (every box goes through these) ---
  void Show(Icon icon, std::string_view text);
  Answer Ask(Icon icon, std::string_view text, Buttons buttons, Answer defaultAnswer);
  const std::string& Text(Msg id) const { return messages[id]; }

 private:
  friend struct VerifyRules;

  // Replaces a start or end time by an operation, counting the change as the user sees it:
  // for MicroDVD only when the frame number changes.
  void ReplaceTime(std::int32_t& value, std::int64_t replacement);

  // The rules of the manual modifications' fields (timing/manual_fields.cpp) and of the
  // frame-rate change box (timing/frame_rate_change.cpp).
  // Each reset and each showing writes a field's text from its value, so that what a field
  // shows is what its command uses.
  void ResetManualFields();
  void ShowShiftField();
  void MultiplyFieldChanged(std::string_view text);
  void MultiplyFieldExit();
  void MultiplyFieldEscape();
  bool MultiplyFieldAcceptsKey(char key) const;
  void ShiftFieldChanged(std::string_view text);
  void ShiftFieldExit();
  void ShiftFieldEscape();
  bool ShiftFieldAcceptsKey(char key, bool hasSelection) const;
  void TargetRateChanged(std::string_view text);
  void TargetRateExit();
  void TargetRateEscape();

  // The rules of the transform's fields (timing/transform_fields.cpp); `second` picks
  // eSecondPoint / eSecondLine. The reset makes a transform change nothing: the first and last
  // subtitle at their own starts (with no subtitle, 0 and one frame), with the texts and the
  // length limit of the line numbers.
  void ResetTransformFields();
  void PointFieldChanged(bool second, std::string_view text);
  void PointFieldExit(bool second);
  void PointFieldEscape(bool second);
  bool PointFieldAcceptsKey(bool second, char key, bool hasSelection) const;
  void LineFieldChanged(bool second, std::string_view text);
  void LineFieldExit(bool second);
  void LineFieldEscape(bool second);

  // Shows "Problems with line nr. <line>:" with the quoted line and the detail; clears VerifiedOK.
  void ReportLine(int line, std::string_view quotedLine, std::string_view detail);
  void SetEditorText(std::string text);
  // Writes eFirstPoint and eSecondPoint in the display unit.
  void WritePointFields(bool secondAtLeastOne);
  // Checks a type radio button; checking one that was not checked runs its handler.
  void CheckTypeButton(int type, bool renderAllowed);
  // True when every time can be written in a file of `type` at `frameRate` and read back.
  bool TimesWritable(int type, double frameRate) const;
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

  Prompter& prompter_;
  EditorView& editor_;
  Clock& clock_;
  FileDialogs& dialogs_;
};

}  // namespace tessary
