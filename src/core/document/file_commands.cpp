// Open, save, save as, close, reload and the close query.
#include <algorithm>
#include <system_error>

#include "document/document.h"
#include "document/safe_write.h"

namespace tessary {

namespace fs = std::filesystem;

namespace {

std::string Quoted(std::string_view path) { return "\"" + std::string(path) + "\""; }

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

std::string Absolute(const std::string& path) {
  std::error_code ec;
  fs::path absolute = fs::absolute(path, ec);
  return ec ? path : absolute.lexically_normal().string();
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

// Two names of one file: equal but for case, or another path to the same existing file.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return SameNameIgnoringCase(a, b) || (fs::equivalent(a, b, ec) && !ec);
}

}  // namespace

void Document::OpenCommand() {
  // A subtitle must be closed before another is opened.
  if (store.SubtitleLoaded) return;
  FrameRateCommit();
  MessageShowing = true;
  const std::string chosen = dialogs_.AskOpenFileName();
  MessageShowing = false;
  if (chosen.empty()) return;
  CurrentFileName = Absolute(chosen);
  OpenFile();
}

void Document::OpenArgumentFile(const std::string& argument) {
  if (argument.empty()) return;
  std::error_code ec;
  if (fs::is_directory(argument, ec)) {
    Show(Icon::Error, Quoted(argument) + " " + Text(Msg::IsAFolder));
  } else if (Exists(argument)) {
    CurrentFileName = Absolute(argument);
    OpenFile();
  } else {
    Show(Icon::Error, Quoted(argument) + " " + Text(Msg::DoesntExist));
  }
}

bool Document::ConfirmUnverifiedSave() {
  return !AwaitsVerification() ||
         Ask(Icon::Warning, Text(Msg::NotVerifiedSave), Buttons::YesNo, Answer::No) == Answer::Yes;
}

SaveOutcome Document::Save() {
  SaveSucceeded = true;
  if (!store.SubtitleLoaded) return SaveOutcome::Declined;
  // A type switch renames the file; a free new name is chosen in Save as.
  if (!SameNameIgnoringCase(CurrentFileName, LastParsedFileName) && !Exists(CurrentFileName)) return SaveAs();
  // Another file of that name is replaced only when the user says so; otherwise a name is chosen.
  if (Exists(CurrentFileName) && !SameFile(CurrentFileName, ReloadFileName) &&
      Ask(Icon::Question, Text(Msg::AlreadyExists), Buttons::YesNo, Answer::No) != Answer::Yes)
    return SaveAs();
  if (!ConfirmUnverifiedSave()) return SaveOutcome::Declined;
  return WriteDocument(CurrentFileName);
}

SaveOutcome Document::SaveAs() {
  SaveSucceeded = true;
  if (!store.SubtitleLoaded || !ConfirmUnverifiedSave()) return SaveOutcome::Declined;
  const std::string extension = store.CurrentType == TypeMicroDVD ? "sub" : "srt";
  std::string chosen;
  for (;;) {
    MessageShowing = true;
    chosen = dialogs_.AskSaveFileName(CurrentFileName, extension);
    MessageShowing = false;
    if (chosen.empty()) return SaveOutcome::Declined;
    chosen = Absolute(chosen);
    // The name a type switch gave the document may belong to another file.
    if (!Exists(chosen) || SameFile(chosen, ReloadFileName)) break;
    if (Ask(Icon::Question, Text(Msg::AlreadyExists), Buttons::YesNo, Answer::No) == Answer::Yes) break;
  }
  return WriteDocument(chosen);
}

SaveOutcome Document::WriteDocument(const std::string& path) {
  SaveSucceeded = false;
  NoticeEncodingSwitch();
  std::string converted;
  const FileBytes bytes = BytesForFile(editor_.Text(), encoding, converted);
  // The backup always sits beside the file written, as BackupFileName does beside the open one;
  // through a link, that is beside the file the link names.
  const std::string file = WrittenFile(path);
  const std::string backup = file + ".bak";

  switch (ReplaceFile(path, bytes.body, settings.BackupSave ? backup : std::string(), SavedAttributes, bytes.head)) {
    case ReplaceStep::Done:
      break;
    case ReplaceStep::DeleteBackup:
      Show(Icon::Error, Text(Msg::CantDelete) + " " + Quoted(backup) + "!");
      return SaveOutcome::Failed;
    case ReplaceStep::RenameToBackup:
      Show(Icon::Error, Text(Msg::CantRename) + " " + Quoted(file) + " " + Text(Msg::To) + " " + Quoted(backup) + "!");
      return SaveOutcome::Failed;
    case ReplaceStep::WriteTemporary:
    case ReplaceStep::MoveIntoPlace:
      Show(Icon::Error, Text(Msg::CantWriteIn) + " " + Quoted(path) + "!");
      return SaveOutcome::Failed;
  }
  // The document takes the name only once the file is written; it is then the file Reload reads.
  CurrentFileName = ReloadFileName = LastParsedFileName = path;
  BackupFileName = CurrentFileName + ".bak";
  Caption = FileCaption();
  store.ChangeCount = store.ReportedChangeCount = 0;
  store.TextEdited = false;
  SaveSucceeded = true;
  return SaveOutcome::Saved;
}

bool Document::SettleChangesBeforeClosing() {
  if (!ChangesUnsaved()) return true;
  const std::string name = fs::path(CurrentFileName).filename().string();
  switch (Ask(Icon::Question, Text(Msg::SaveChangesIn) + " " + Quoted(name) + "?", Buttons::YesNoCancel, Answer::Yes)) {
    case Answer::Yes:
      // A declined or failed save keeps the edits, so the document must stay.
      return Save() == SaveOutcome::Saved;
    case Answer::No:
      return true;
    default:
      return false;
  }
}

bool Document::CloseFile() {
  if (!SettleChangesBeforeClosing()) return false;
  Reinitialization();
  return true;
}

bool Document::QueryClose() {
  if (!SettleChangesBeforeClosing()) return false;
  RemoveSaveCopy();
  return true;
}

void Document::RemoveSaveCopy() {
  if (SaveCopyName.empty()) return;
  std::error_code ignored;
  fs::remove(SaveCopyName, ignored);
  SaveCopyName.clear();
}

bool Document::OpenSaveCopyInstead(const std::string& path) {
  if (!settings.OfferNewerSaveCopy) return false;
  const std::string copy = path + ".sav";
  std::error_code copyError, fileError;
  const auto copyTime = fs::last_write_time(copy, copyError);
  const auto fileTime = fs::last_write_time(path, fileError);
  if (copyError || fileError || copyTime <= fileTime || !fs::is_regular_file(copy, copyError) ||
      !fs::is_regular_file(path, fileError))
    return false;
  // Yes keeps the newer work in front of the user; both files stay as they are either way.
  return Ask(Icon::Warning, Quoted(copy) + " " + Text(Msg::NewerSaveCopy), Buttons::YesNo, Answer::Yes) == Answer::Yes;
}

void Document::Reload() {
  if (!ChangesUnsaved()) return;
  std::string question = Text(Msg::ThereAre) + " ";
  if (store.ChangeCount > 0) question += std::to_string(store.ChangeCount) + " ";
  question += Text(Msg::ChangesToSaveReload);
  if (Ask(Icon::Warning, question, Buttons::YesNo, Answer::No) != Answer::Yes) return;

  const std::string file = Exists(ReloadFileName)    ? ReloadFileName
                           : Exists(CurrentFileName) ? CurrentFileName
                                                     : std::string();
  if (file.empty()) {
    Show(Icon::Error, Quoted(ReloadFileName) + " " + Text(Msg::DoesntExist));
    return;
  }
  Reinitialization();
  CurrentFileName = file;
  OpenFile();
}

}  // namespace tessary
