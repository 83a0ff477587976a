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
  if (store_.SubtitleLoaded) return;
  FrameRateCommit();
  MessageShowing_ = true;
  const std::string chosen = dialogs_.AskOpenFileName();
  MessageShowing_ = false;
  if (chosen.empty()) return;
  OpenFile(Absolute(chosen));
}

void Document::OpenArgumentFile(const std::string& argument) {
  if (argument.empty()) return;
  std::error_code ec;
  if (fs::is_directory(argument, ec)) {
    Show(Icon::Error, Quoted(argument) + " " + Text(Msg::IsAFolder));
  } else if (Exists(argument)) {
    OpenFile(Absolute(argument));
  } else {
    Show(Icon::Error, Quoted(argument) + " " + Text(Msg::DoesntExist));
  }
}

bool Document::ConfirmUnverifiedSave() {
  return !AwaitsVerification() ||
         Ask(Icon::Warning, Text(Msg::NotVerifiedSave), Buttons::YesNo, Answer::No) == Answer::Yes;
}

SaveOutcome Document::Save() {
  SaveSucceeded_ = true;
  if (!store_.SubtitleLoaded) return SaveOutcome::Declined;
  // A type switch renames the file; a free new name is chosen in Save as.
  if (!SameNameIgnoringCase(CurrentFileName_, LastParsedFileName_) && !Exists(CurrentFileName_)) return SaveAs();
  // Another file of that name is replaced only when the user says so; otherwise a name is chosen.
  if (Exists(CurrentFileName_) && !SameFile(CurrentFileName_, ReloadFileName_) &&
      Ask(Icon::Question, Text(Msg::AlreadyExists), Buttons::YesNo, Answer::No) != Answer::Yes)
    return SaveAs();
  if (!ConfirmUnverifiedSave()) return SaveOutcome::Declined;
  return WriteDocument(CurrentFileName_);
}

SaveOutcome Document::SaveAs() {
  SaveSucceeded_ = true;
  if (!store_.SubtitleLoaded || !ConfirmUnverifiedSave()) return SaveOutcome::Declined;
  const std::string extension = store_.CurrentType == SubtitleType::MicroDVD ? "sub" : "srt";
  std::string chosen;
  for (;;) {
    MessageShowing_ = true;
    chosen = dialogs_.AskSaveFileName(CurrentFileName_, extension);
    MessageShowing_ = false;
    if (chosen.empty()) return SaveOutcome::Declined;
    chosen = Absolute(chosen);
    // The name a type switch gave the document may belong to another file.
    if (!Exists(chosen) || SameFile(chosen, ReloadFileName_)) break;
    if (Ask(Icon::Question, Text(Msg::AlreadyExists), Buttons::YesNo, Answer::No) == Answer::Yes) break;
  }
  return WriteDocument(chosen);
}

SaveOutcome Document::WriteDocument(const std::string& path) {
  SaveSucceeded_ = false;
  NoticeEncodingSwitch();
  std::string converted;
  const FileBytes bytes = BytesForFile(editor_.Text(), encoding_, converted);
  // The backup always sits beside the file written, as BackupFileName does beside the open one;
  // through a link, that is beside the file the link names.
  const std::string file = WrittenFile(path);
  const std::string backup = file + ".bak";

  switch (ReplaceFile(path, bytes.body, settings_.BackupSave ? backup : std::string(), SavedAttributes_, bytes.head)) {
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
  CurrentFileName_ = ReloadFileName_ = LastParsedFileName_ = path;
  BackupFileName_ = CurrentFileName_ + ".bak";
  Caption_ = FileCaption();
  store_.ClearChanges();
  store_.TextEdited = false;
  SaveSucceeded_ = true;
  return SaveOutcome::Saved;
}

bool Document::SettleChangesBeforeClosing() {
  if (!ChangesUnsaved()) return true;
  const std::string name = fs::path(CurrentFileName_).filename().string();
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
  if (SaveCopyName_.empty()) return;
  std::error_code ignored;
  fs::remove(SaveCopyName_, ignored);
  SaveCopyName_.clear();
}

bool Document::OpenSaveCopyInstead(const std::string& path) {
  if (!settings_.OfferNewerSaveCopy) return false;
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
  if (store_.ChangeCount > 0) question += std::to_string(store_.ChangeCount) + " ";
  question += Text(Msg::ChangesToSaveReload);
  if (Ask(Icon::Warning, question, Buttons::YesNo, Answer::No) != Answer::Yes) return;

  const std::string file = Exists(ReloadFileName_)    ? ReloadFileName_
                           : Exists(CurrentFileName_) ? CurrentFileName_
                                                      : std::string();
  if (file.empty()) {
    Show(Icon::Error, Quoted(ReloadFileName_) + " " + Text(Msg::DoesntExist));
    return;
  }
  Reinitialization();
  OpenFile(file);
}

}  // namespace tessary
