// The target frame rate of "Do it", typed in cbChangeFrameRate.
#include <string>
#include <string_view>

#include "document/document.h"
#include "document/units.h"

namespace tessary {

namespace {

// Typing may pass through any rate the main box takes; leaving the box asks for a rate a
// film can have.
bool TypedRateInRange(double rate) { return rate >= 1 && rate <= 60; }
bool TargetInRange(double rate) { return rate >= 5 && rate <= 60; }

// True when the text ends on its first "." or its first ",": a separator is being typed.
bool EndsOnFirstSeparator(std::string_view text) {
  for (char sep : {'.', ','}) {
    const std::size_t at = text.find(sep);
    if (at != std::string_view::npos && at + 1 == text.size()) return true;
  }
  return false;
}

}  // namespace

void Document::TargetRateChanged(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (IsDigit(c) || c == '.' || c == ',') kept += c;
  fields.ChangeFrameRateText = kept;
  if (kept.empty() || EndsOnFirstSeparator(kept)) return;
  double rate = DecimalReader(kept, LastValidTargetFrameRate);
  if (!TypedRateInRange(rate)) rate = LastValidTargetFrameRate;
  LastValidTargetFrameRate = rate;
  fields.ChangeFrameRateText = GeneralDecimal(rate);
}

void Document::TargetRateExit() {
  // Typing may have left a valid rate below 5 as the last valid one; then the target in
  // force stays.
  const double fallback = TargetInRange(LastValidTargetFrameRate) ? LastValidTargetFrameRate : TargetFrameRate;
  const double rate = DecimalReader(fields.ChangeFrameRateText, fallback);
  if (TargetInRange(rate)) {
    TargetFrameRate = rate;
  } else {
    TargetFrameRate = fallback;
    fields.ChangeFrameRateText = GeneralDecimal(TargetFrameRate);
  }
  LastValidTargetFrameRate = TargetFrameRate;
}

void Document::TargetRateEscape() { fields.ChangeFrameRateText = GeneralDecimal(TargetFrameRate); }

}  // namespace tessary
