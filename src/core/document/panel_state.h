// What the fields of the main window show; the window binds its controls to these values.
#pragma once

#include <string>

namespace tessary {

// What the window shows beside the timing fields.
struct FieldTexts {
  std::string UnitsLabel = "frames";  // Units1Label, Units2Label
  std::string FrameRateText = "25";   // cbChooseFrameRate
  bool FrameRateRed = true;
};

// The three states of cbEntire: which subtitles the two-point transform changes.
enum class TransformMode {
  Between,     // unchecked: subtitles L1 to L2 only
  Whole,       // checked: every subtitle, by one line
  PinnedEnds,  // greyed: every subtitle; the first and last starts stay
};

}  // namespace tessary
