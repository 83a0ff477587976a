// Switching between MicroDVD and SubRip with the type radio buttons.
#include "document/document.h"
#include "document/style_marks.h"
#include "document/units.h"
#include "operations/time_changes.h"

namespace tessary {

namespace {
// Replaces the extension of the file name (not of a folder) with `extension`.
std::string WithExtension(const std::string& path, const char* extension) {
  std::size_t slash = path.find_last_of('/');
  std::size_t dot = path.find_last_of('.');
  std::size_t cut = dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : path.size();
  return path.substr(0, cut) + extension;
}

// Whether a MicroDVD text, in SubRip notation, has a line that would read as a time line.
bool HasTimeLikeSubRipLine(const SubtitleStore& s) {
  std::string converted;
  for (int i = 1; i <= s.SubtitleCount; ++i) {
    std::string_view text = s.Texts[i];
    if (text.find('{') != std::string_view::npos) {
      converted = text;
      MicroDVDToSubRip(converted);
      text = converted;
    }
    if (HasTimeLikeDisplayLine(text)) return true;
  }
  return false;
}
}  // namespace

void Document::TypeButtonChecked(SubtitleType type) { CheckTypeButton(type, true); }

void Document::CheckTypeButton(SubtitleType type, bool renderAllowed) {
  if (CheckedType_ == type) return;
  CheckedType_ = type;
  if (!store_.SubtitleLoaded) return;
  const SubtitleType other = type == SubtitleType::SubRip ? SubtitleType::MicroDVD : SubtitleType::SubRip;
  if (store_.CurrentType == other) {
    bool marks = type == SubtitleType::SubRip ? store_.BraceCodesFound : store_.AngleTagsFound;
    bool confirmed = true;
    if (!TimesWritable(store_, type, FrameRate_)) {
      Show(Icon::Error, Text(Msg::FramesTooHigh));
      confirmed = false;
    } else if (type == SubtitleType::SubRip && HasTimeLikeSubRipLine(store_)) {
      // SubRip would take the line as a time line and lose it.
      Show(Icon::Error, Text(Msg::TimeLikeTextLine));
      confirmed = false;
    } else if (!DisableConvertMessage_ && marks) {
      MessageShowing_ = true;
      confirmed = prompter_.ConfirmConversion(DisableConvertMessage_);
      MessageShowing_ = false;
    }
    if (!confirmed) {
      CheckTypeButton(other, renderAllowed);
      return;
    }
    store_.TextEdited = true;
  }
  store_.CurrentType = type;
  if (!store_.FirstParseAfterLoad && renderAllowed) LinesInText();
  CurrentFileName_ = WithExtension(CurrentFileName_, type == SubtitleType::SubRip ? ".srt" : ".sub");
  BackupFileName_ = CurrentFileName_ + ".bak";
  Caption_ = FileCaption();
  if (type == SubtitleType::SubRip)
    SelectTimeUnit();
  else
    SelectFramesUnit();
}

}  // namespace tessary
