// The parse: the editing area's text becomes subtitles and is written back in canonical form.
#include "document/document.h"
#include "document/line_split.h"
#include "document/units.h"

namespace tessary {

void Document::TextInLines() {
  if (!store_.SubtitleLoaded) return;
  bool ok = false;
  GetLocNr();
  // Right after opening, the editing area holds exactly the lines just read and checked.
  bool checked = store_.FirstParseAfterLoad;
  if (!checked) {
    store_.ClearEntries();
    std::string_view rest;
    store_.LineCount = SplitEditorLines(editor_.Text(), store_.RawLines, MaxLines, &rest);
    while (store_.LineCount > 0 && store_.RawLines[store_.LineCount].empty()) --store_.LineCount;
    // A refused text stays in the editing area as typed, for the user to shorten.
    checked = PreCheck(rest);
  }
  if (checked) {
    if (!store_.FirstParseAfterLoad) {
      store_.DetectionCode = DetectType();
      store_.CurrentType = TypeOfDetection(store_.DetectionCode);
    }
    if (store_.DetectionCode == Layout::Unknown) {
      Show(Icon::Error, Text(Msg::UnknownType));
    } else {
      // A MicroDVD line is a subtitle: the verification counts the lines, and the read sizes the
      // subtitles when it takes the lines over (sized earlier, a large file would be held twice).
      if (store_.CurrentType == SubtitleType::MicroDVD) store_.SubtitleCount = store_.LineCount;
      VerifySubtitle();
      if (VerifiedOK_) {
        ReadSubtitleLines();
        RepairTimes();
      } else {
        store_.SetSubtitleCount(store_.SubtitleCount);  // what a failed verification left, with room for it
      }
      ok = VerifiedOK_;
    }
  }
  if (ok) {
    LinesInText(openAsType_ == SubtitleType::None || openAsType_ == store_.CurrentType);
    if (!store_.FirstParseAfterLoad && store_.ChangeCount == store_.ReportedChangeCount)
      Show(Icon::Information, Text(Msg::ProperlyModified));
    store_.MarkChangesReported();
  }
  LastParseSucceeded_ = ok;
  EditedSinceParse_ = false;

  // Reload reads the file that was opened, not the name the type switch gives it.
  if (store_.FirstParseAfterLoad) ReloadFileName_ = CurrentFileName_;
  // The store of a failed parse has just been cleared: the switch must not render it.
  if (store_.CurrentType == SubtitleType::MicroDVD || store_.CurrentType == SubtitleType::SubRip)
    CheckTypeButton(store_.CurrentType, ok);

  ResetTransformFields();
  Caption_ = FileCaption();
  LastParsedFileName_ = CurrentFileName_;
  store_.FirstParseAfterLoad = false;
}

}  // namespace tessary
