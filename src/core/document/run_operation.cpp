// The runner of the timing operations: the guard, the operation, then what the user is shown.
#include <cmath>
#include <string>

#include "document/document.h"
#include "document/units.h"

namespace tessary {

namespace {

// Where the operations differ in what the user is shown.
struct Showing {
  bool pastGuardReported = false;  // past the guard the text is shown again with "No change"
  bool unchangedRendered = true;   // with nothing changed the text is shown again
};

// Past the guard a shift still says "No change"; a transform that changes nothing leaves the
// text as it is shown.
constexpr Showing ShowingOf(const MultiplyParams&) { return {false, true}; }
constexpr Showing ShowingOf(const ShiftParams&) { return {true, true}; }
constexpr Showing ShowingOf(const FrameRateChangeParams&) { return {false, true}; }
constexpr Showing ShowingOf(const TransformParams&) { return {false, false}; }

}  // namespace

void Document::Run(const Operation& operation) {
  if (!store_.SubtitleLoaded) return NoSubtitleNotice();
  const OperationResult result = Apply(store_, operation, {store_.CurrentType, FrameRate_});
  const Showing showing = std::visit([](const auto& params) { return ShowingOf(params); }, operation);
  if (result.lines) {
    // The transform took the numbers the line fields hold, limited as the fields limit them.
    timing_.firstLine.FitTo(store_.SubtitleCount);
    timing_.secondLine.FitTo(store_.SubtitleCount);
  }
  switch (result.outcome) {
    case Outcome::NothingToDo:
      return;
    case Outcome::Refused:
      return ShowRefusal(result);
    case Outcome::PastGuard:
      if (!showing.pastGuardReported) return;
      break;
    case Outcome::Done:
      if (result.changes == 0 && !showing.unchangedRendered) return ChangeReport();
      break;
  }
  if (result.frameRate) FrameRate_ = CommittedFrameRate_ = *result.frameRate;
  LinesInText();
  if (result.frameRate) {
    // The main box commits the new rate, which is already in force; the amounts in
    // milliseconds are shown again in frames of the new rate.
    fields_.FrameRateRed = true;
    fields_.FrameRateText = GeneralDecimal(FrameRate_);
    FrameRateCommit();
    const FieldContext context = TimingContext();
    if (auto refusal = timing_.shift.Exit(context)) Show(Icon::Error, refusal->Text(messages_));
    timing_.firstPoint.Exit(context);
    timing_.secondPoint.Exit(context);
  }
  ChangeReport();
}

void Document::ShowRefusal(const OperationResult& result) {
  std::string text = result.message ? Text(*result.message) : std::string();
  if (result.largestDecreaseMs) {
    // The largest amount goes into the field, in frames rounded down so that it never reaches
    // past the first start; the field's own rules read it back.
    const std::int32_t start = *result.largestDecreaseMs;
    const std::int64_t largest =
        Unit_ == DisplayUnit::Frames ? static_cast<std::int64_t>(std::floor(start * FrameRate_ / 1000.0)) : start;
    timing_.shift.Changed(std::to_string(largest), TimingContext());
    text += " " + timing_.shift.Text() + "\r\n" + Text(Msg::PleaseTryAgain);
  }
  Show(Icon::Error, text + result.detail);
}

}  // namespace tessary
