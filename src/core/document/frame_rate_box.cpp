// The frame-rate box and the display unit of the timing fields.
#include <algorithm>
#include <limits>

#include "document/document.h"
#include "document/units.h"

namespace tessary {

namespace {
bool InRange(double rate) { return rate >= 1 && rate <= 60; }
}  // namespace

void Document::SetFrameRate(double rate) {
  FrameRate_ = CommittedFrameRate_ = rate;
  fields_.FrameRateText = ShortestDecimal(rate);
}

void Document::FrameRateTextChanged(std::string_view text) {
  if (text.empty()) {
    fields_.FrameRateText.clear();
    return;
  }
  // Let a decimal separator be typed: "23," stays as it is until a digit follows.
  auto endsOnFirst = [&](char sep) {
    std::size_t at = text.find(sep);
    return at != std::string_view::npos && at + 1 == text.size();
  };
  if (endsOnFirst('.') || endsOnFirst(',')) {
    fields_.FrameRateText = std::string(text);
    return;
  }
  double rate = DecimalReader(text, 25.0);
  if (InRange(rate)) FrameRate_ = rate;
  fields_.FrameRateText = ShortestDecimal(FrameRate_);
  fields_.FrameRateRed = true;
}

void Document::FrameRateCommit() {
  if (fields_.FrameRateText.empty()) {
    fields_.FrameRateText = ShortestDecimal(FrameRate_);
    CommittedFrameRate_ = FrameRate_;
    return;
  }
  double rate = DecimalReader(fields_.FrameRateText, 25.0);
  if (InRange(rate)) FrameRate_ = rate;
  fields_.FrameRateText = ShortestDecimal(FrameRate_);
  if (FrameRate_ == CommittedFrameRate_) {
    ShowPointFields(false);
    return;
  }
  auto& s = store_;
  if (s.SubtitleLoaded && s.CurrentType == SubtitleType::MicroDVD) {
    // The frame numbers, and with them the text, stay as they are: each time becomes the
    // time of the frame it shows (also a time between two frames, left by an operation). A
    // frame whose time at the new rate no time can hold keeps the rate in force instead.
    auto frame = [&](std::int32_t v) { return MsToFrames(v, CommittedFrameRate_); };
    auto held = [&](std::int32_t v) {
      return RoundHalfEven(static_cast<double>(frame(v)) * 1000.0 / FrameRate_) <=
             std::numeric_limits<std::int32_t>::max();
    };
    for (int i = 1; i <= s.SubtitleCount; ++i)
      if (!held(s.StartValues[i]) || !held(s.EndValues[i])) {
        FrameRateCancel();
        return Show(Icon::Error, Text(Msg::FramesTooHigh));
      }
    auto sameFrame = [&](std::int32_t& v) {
      if (v != -1) v = FramesToMs(frame(v), FrameRate_);
    };
    for (int i = 1; i <= s.SubtitleCount; ++i) {
      sameFrame(s.StartValues[i]);
      sameFrame(s.EndValues[i]);
    }
  }
  fields_.FrameRateRed = true;
  ResetTransformFields();
  CommittedFrameRate_ = FrameRate_;
}

void Document::FrameRateCancel() {
  FrameRate_ = CommittedFrameRate_;
  fields_.FrameRateText = ShortestDecimal(FrameRate_);
}

void Document::SelectFramesUnit() {
  Unit_ = DisplayUnit::Frames;
  fields_.UnitsLabel = Text(Msg::FramesUnit);
  timing_.shift.Show(TimingContext());
  ShowPointFields(true);
}

void Document::SelectTimeUnit() {
  Unit_ = DisplayUnit::Time;
  fields_.UnitsLabel.clear();
  timing_.shift.Show(TimingContext());
  ShowPointFields(false);
}

}  // namespace tessary
