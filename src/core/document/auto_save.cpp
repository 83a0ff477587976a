// Automatic save: a copy beside the file, or the file itself, at a fixed interval.
#include <chrono>

#include "document/document.h"
#include "document/safe_write.h"

namespace tessary {

namespace {
// A minute of the interval, as the interval has always been counted.
constexpr std::chrono::microseconds MinuteOfInterval{60'046'272};
}  // namespace

bool Document::AutoSaveDue() const {
  return ChangesUnsaved() && settings_.AutomaticSave &&
         clock_.Now() - AutoSaveReference_ >= settings_.AutomaticSaveTime * MinuteOfInterval;
}

void Document::AutoSave() {
  AutoSaveReference_ = clock_.Now();
  // A text edited by hand is saved over the file only after it was verified.
  if (!settings_.SaveType && !AwaitsVerification()) {
    Save();
    return;
  }
  // A copy that cannot be written is tried again one interval later.
  NoticeEncodingSwitch();
  std::string converted;
  const FileBytes bytes = BytesForFile(editor_.Text(), encoding_, converted);
  const std::string copy = CurrentFileName_ + ".sav";
  // A copy this session did not write (what a crash left, or another document's copy that a
  // type switch's new name hits) is kept as its backup, in the step that writes ours.
  const std::string backup = copy == SaveCopyName_ ? std::string() : WrittenFile(copy) + ".bak";
  if (!WriteFileSafely(copy, bytes.body, bytes.head, backup)) return;
  // A type switch renamed the document: the copy under the old name is superseded.
  if (copy != SaveCopyName_) RemoveSaveCopy();
  SaveCopyName_ = copy;
}

void Document::MessagesChanged() {
  Caption_ = store_.SubtitleLoaded ? FileCaption() : Text(Msg::Title);
  if (Unit_ == DisplayUnit::Frames) fields_.UnitsLabel = Text(Msg::FramesUnit);
}

}  // namespace tessary
