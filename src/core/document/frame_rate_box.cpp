// The frame-rate box and the display unit of the timing fields.
#include <algorithm>

#include "document/document.h"
#include "document/units.h"

namespace tessary {

namespace {
bool InRange(double rate) { return rate >= 1 && rate <= 60; }
}  // namespace

void Document::FrameRateTextChanged(std::string_view text) {
  if (text.empty()) {
    fields.FrameRateText.clear();
    return;
  }
  // Let a decimal separator be typed: "23," stays as it is until a digit follows.
  auto endsOnFirst = [&](char sep) {
    std::size_t at = text.find(sep);
    return at != std::string_view::npos && at + 1 == text.size();
  };
  if (endsOnFirst('.') || endsOnFirst(',')) {
    fields.FrameRateText = std::string(text);
    return;
  }
  double rate = DecimalReader(text, 25.0);
  if (InRange(rate)) FrameRate = rate;
  fields.FrameRateText = ShortestDecimal(FrameRate);
  fields.FrameRateRed = true;
}

void Document::FrameRateCommit() {
  if (fields.FrameRateText.empty()) {
    fields.FrameRateText = ShortestDecimal(FrameRate);
    CommittedFrameRate = FrameRate;
    return;
  }
  double rate = DecimalReader(fields.FrameRateText, 25.0);
  if (InRange(rate)) FrameRate = rate;
  fields.FrameRateText = ShortestDecimal(FrameRate);
  if (FrameRate == CommittedFrameRate) {
    ShowPointFields(false);
    return;
  }
  fields.FrameRateRed = true;
  auto& s = store;
  if (s.SubtitleLoaded && s.CurrentType == TypeMicroDVD) {
    // The frame numbers, and with them the text, stay as they are: each time becomes the
    // time of the frame it shows (also a time between two frames, left by an operation).
    auto sameFrame = [&](std::int32_t& v) {
      if (v != -1) v = FramesToMs(MsToFrames(v, CommittedFrameRate), FrameRate);
    };
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      sameFrame(s.StartValues[i]);
      sameFrame(s.EndValues[i]);
    }
  }
  ResetTransformFields();
  CommittedFrameRate = FrameRate;
}

void Document::FrameRateCancel() {
  FrameRate = CommittedFrameRate;
  fields.FrameRateText = ShortestDecimal(FrameRate);
}

void Document::SelectFramesUnit() {
  Unit = DisplayUnit::Frames;
  fields.UnitsLabel = Text(Msg::FramesUnit);
  timing.shift.Show(TimingContext());
  ShowPointFields(true);
}

void Document::SelectTimeUnit() {
  Unit = DisplayUnit::Time;
  fields.UnitsLabel.clear();
  timing.shift.Show(TimingContext());
  ShowPointFields(false);
}

}  // namespace tessary
