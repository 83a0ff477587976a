// The document's side of the typed timing fields: what their rules read, their resets, and
// "Mark the line number".
#include <algorithm>
#include <string>

#include "document/caret.h"
#include "document/document.h"
#include "document/units.h"

namespace tessary {

FieldContext Document::TimingContext() const {
  return {Unit_, FrameRate_, settings_.CommaInSubRip, store_.SubtitleLoaded ? store_.SubtitleCount : 0};
}

void Document::ResetManualFields() {
  timing_.factor.Reset();
  timing_.shift.Reset(TimingContext());
}

void Document::ResetTransformFields() {
  const auto& s = store_;
  const bool any = s.SubtitleLoaded && s.SubtitleCount >= 1;
  const FieldContext context = TimingContext();
  timing_.firstPoint.Set(any ? s.StartValues[1] : 0, context);
  timing_.secondPoint.Set(any ? s.StartValues[s.SubtitleCount] : FramesToMs(1, FrameRate_), context);
  timing_.firstLine.Reset(context.subtitleCount);
  timing_.secondLine.Reset(context.subtitleCount);
}

void Document::ShowPointFields(bool secondAtLeastOne) {
  const FieldContext context = TimingContext();
  timing_.firstPoint.Show(context);
  timing_.secondPoint.Show(context, secondAtLeastOne);
}

void Document::MarkLineNumber(int point) {
  const auto& s = store_;
  if (!s.SubtitleLoaded || s.SubtitleCount < 1 || AwaitsVerification()) return;
  const int line = LocationOf(editor_.Text(), editor_.CaretPosition()).line;
  int number = line;
  if (s.CurrentType == SubtitleType::SubRip) {
    // Each subtitle takes its counter line, its time line, a line per "|"-joined text line
    // and the blank line.
    std::int64_t rest = std::min(line, s.LineCount);
    number = s.SubtitleCount + 1;
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      rest -= 4 + std::count(s.Texts[i].begin(), s.Texts[i].end(), '|');
      if (rest < 1) {
        number = i;
        break;
      }
    }
  }
  LineField& field = point == 2 ? timing_.secondLine : timing_.firstLine;
  const FieldContext context = TimingContext();
  field.Changed(std::to_string(std::min(number, s.SubtitleCount)), context);
  field.Exit(context);
}

}  // namespace tessary
