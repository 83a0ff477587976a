// The parse: the editing area's text becomes subtitles and is written back in canonical form.
#include "document/document.h"
#include "document/line_split.h"
#include "document/units.h"

namespace tessary {

void Document::TextInLines() {
  if (!store.SubtitleLoaded) return;
  bool ok = false;
  GetLocNr();
  // Right after opening, the editing area holds exactly the lines just read and checked.
  bool checked = store.FirstParseAfterLoad;
  if (!checked) {
    store.ClearEntries();
    std::string_view rest;
    store.LineCount = SplitEditorLines(editor_.Text(), store.RawLines, MaxLines, &rest);
    while (store.LineCount > 0 && store.RawLines[store.LineCount].empty()) --store.LineCount;
    // A refused text stays in the editing area as typed, for the user to shorten.
    checked = PreCheck(rest);
  }
  if (checked) {
    if (!store.FirstParseAfterLoad) {
      store.DetectionCode = DetectType();
      store.CurrentType = TypeOfDetection(store.DetectionCode);
    }
    if (store.DetectionCode == Layout::Unknown) {
      Show(Icon::Error, Text(Msg::UnknownType));
    } else {
      if (store.CurrentType == TypeMicroDVD) store.SubtitleCount = store.LineCount;
      VerifySubtitle();
      if (VerifiedOK) {
        ReadSubtitleLines();
        RepairTimes();
      }
      ok = VerifiedOK;
    }
  }
  if (ok) {
    LinesInText(openAsType_ == TypeNone || openAsType_ == store.CurrentType);
    if (!store.FirstParseAfterLoad && store.ChangeCount == store.ReportedChangeCount)
      Show(Icon::Information, Text(Msg::ProperlyModified));
    store.ReportedChangeCount = store.ChangeCount;
  }
  LastParseSucceeded = ok;
  EditedSinceParse = false;

  // Reload reads the file that was opened, not the name the type switch gives it.
  if (store.FirstParseAfterLoad) ReloadFileName = CurrentFileName;
  // The store of a failed parse has just been cleared: the switch must not render it.
  if (store.CurrentType == TypeMicroDVD || store.CurrentType == TypeSubRip) CheckTypeButton(store.CurrentType, ok);

  // After a failed parse the count may stand above the subtitles read; those read as 0.
  store.EnsureSubtitles(store.SubtitleCount);
  ResetTransformFields();
  Caption = FileCaption();
  LastParsedFileName = CurrentFileName;
  store.FirstParseAfterLoad = false;
}

}  // namespace tessary
