// Which commands and fields of the main window are usable, and what the fields show.
// The window binds its controls to these values.
#pragma once

#include <string>

namespace tessary {

struct CommandState {
  // The timing and text controls that a successful parse enables (ChangeComStatus).
  bool SubtitleCommands = true;
  bool VerifyWritings = false;       // btnVerifyWritings
  bool LoadFromVideoFile = true;     // btnLoadFromVideoFile
  bool Load = true;                  // sbLoadFile, OpenFileMenu
  bool Save = false;                 // sbSave, SaveFileMenu
  bool Reload = false;               // sbReload, ReloadFileMenu
  bool SaveAs = false;               // sbSaveAs, SaveFileAsMenu
  bool CloseFile = false;            // sbCloseFile, CloseFileMenu
  bool Append = false;               // AppendMenu
  bool ExitProgram = true;           // ExitProgramMenu
  bool FrameRateChangeGroup = true;  // cbChangeFrameRate and its labels, btnChangeFrameRate
  bool SearchAgain = false;          // SearchAgainMenu
  bool EditorReadOnly = true;
  bool VideoPreviewShowing = false;
};

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
