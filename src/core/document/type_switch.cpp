// Switching between MicroDVD and SubRip with the type radio buttons.
#include "document/document.h"
#include "document/units.h"

namespace tessary {

namespace {
// Replaces the extension of the file name (not of a folder) with `extension`.
std::string WithExtension(const std::string& path, const char* extension) {
  std::size_t slash = path.find_last_of('/');
  std::size_t dot = path.find_last_of('.');
  std::size_t cut = dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : path.size();
  return path.substr(0, cut) + extension;
}
}  // namespace

// A SubRip time line has two digits for the hours and a MicroDVD frame number seven digits:
// later times cannot be written so that they read back.
bool Document::TimesWritable(int type, double frameRate) const {
  for (int i = 1; i <= store.SubtitleCount; ++i)
    for (std::int32_t v : {store.StartValues[i], store.EndValues[i]})
      if (v != -1 && !TimeWritable(v, type == TypeMicroDVD, frameRate)) return false;
  return true;
}

void Document::TypeButtonChecked(int type) { CheckTypeButton(type, true); }

void Document::CheckTypeButton(int type, bool renderAllowed) {
  if (CheckedType == type) return;
  CheckedType = type;
  if (!store.SubtitleLoaded) return;
  const int other = type == TypeSubRip ? TypeMicroDVD : TypeSubRip;
  if (store.CurrentType == other) {
    bool marks = type == TypeSubRip ? store.BraceCodesFound : store.AngleTagsFound;
    bool confirmed = true;
    if (!TimesWritable(type, FrameRate)) {
      Show(Icon::Error, Text(Msg::FramesTooHigh));
      confirmed = false;
    } else if (!DisableConvertMessage && marks) {
      MessageShowing = true;
      confirmed = prompter_.ConfirmConversion(DisableConvertMessage);
      MessageShowing = false;
    }
    if (!confirmed) {
      CheckTypeButton(other, renderAllowed);
      return;
    }
    store.TextEdited = true;
  }
  store.CurrentType = type;
  if (!store.FirstParseAfterLoad && renderAllowed) LinesInText();
  CurrentFileName = WithExtension(CurrentFileName, type == TypeSubRip ? ".srt" : ".sub");
  BackupFileName = CurrentFileName + ".bak";
  Caption = FileCaption();
  if (type == TypeSubRip)
    SelectTimeUnit();
  else
    SelectFramesUnit();
}

}  // namespace tessary
