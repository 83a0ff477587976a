// What the fields of the main window show; the window binds its controls to these values.
#pragma once

#include <string>

namespace tessary {

// The digits eFirstLine and eSecondLine take while no subtitle is loaded.
inline constexpr int LineDigitsWithoutSubtitle = 5;

struct FieldTexts {
  std::string MultiplyValue = "1";                     // eMultiplyValue
  std::string IncreaseDecreaseValue = "0";             // eIncreaseDecreaseValue
  std::string FirstPoint = "0";                        // eFirstPoint
  std::string SecondPoint = "1";                       // eSecondPoint
  std::string FirstLine = "0";                         // eFirstLine
  std::string SecondLine = "1";                        // eSecondLine
  int LineFieldMaxLength = LineDigitsWithoutSubtitle;  // of eFirstLine and eSecondLine
  std::string UnitsLabel = "frames";                   // Units1Label, Units2Label
  std::string FrameRateText = "25";                    // cbChooseFrameRate
  bool FrameRateRed = true;
  std::string ChangeFrameRateText = "25";  // cbChangeFrameRate
};

// The typed fields of the timing operations, for their shared rules.
enum class TimingField {
  MultiplyValue,          // eMultiplyValue
  IncreaseDecreaseValue,  // eIncreaseDecreaseValue
  FirstLine,              // eFirstLine
  FirstPoint,             // eFirstPoint
  SecondLine,             // eSecondLine
  SecondPoint,            // eSecondPoint
  ChangeFrameRate,        // cbChangeFrameRate
};

// The three states of cbEntire: which subtitles the two-point transform changes.
enum class TransformMode {
  Between,     // unchecked: subtitles L1 to L2 only
  Whole,       // checked: every subtitle, by one line
  PinnedEnds,  // greyed: every subtitle; the first and last starts stay
};

}  // namespace tessary
