// "Do it": the subtitle keeps its real times and is expressed at the target frame rate, typed
// in cbChangeFrameRate.
#include "document/document.h"
#include "document/units.h"

namespace tessary {

void Document::ChangeFrameRateClick() {
  if (!store.SubtitleLoaded) return NoSubtitleNotice();
  if (timing.targetRate.Target() == FrameRate) return;
  // Frame numbers of the new rate that the file cannot hold are refused, changing nothing.
  if (store.CurrentType == TypeMicroDVD && !TimesWritable(TypeMicroDVD, timing.targetRate.Target()))
    return Show(Icon::Error, Text(Msg::FramesTooHigh));
  // The stored milliseconds stay; only the rate they are shown at changes. With the rate
  // in force equal to the new one, the main box's commit finds nothing to rescale.
  FrameRate = CommittedFrameRate = timing.targetRate.Target();
  store.ChangeCount += 2 * store.SubtitleCount;
  LinesInText();
  fields.FrameRateRed = true;
  fields.FrameRateText = GeneralDecimal(FrameRate);
  FrameRateCommit();
  // The amounts in milliseconds are shown again in frames of the new rate.
  const FieldContext context = TimingContext();
  if (auto refusal = timing.shift.Exit(context)) Show(Icon::Error, refusal->Text(messages));
  timing.firstPoint.Exit(context);
  timing.secondPoint.Exit(context);
  ChangeReport();
}

}  // namespace tessary
