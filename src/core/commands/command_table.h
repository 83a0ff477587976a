// The commands of the main window by name, and when each is usable. The window enables its
// controls from here; the command line can refuse a verb whose command is not usable.
#pragma once

namespace tessary {

class Document;

enum class CommandId {
  // File
  Open,
  Save,
  SaveAs,
  Reload,
  CloseFile,
  Append,
  Exit,
  VerifyWritings,
  // Timing and text of a verified subtitle
  SaveAsType,
  DisplayUnit,
  ChooseFrameRate,
  LoadFromVideoFile,
  Multiply,
  Increase,
  Decrease,
  ChangeFrameRate,
  Transform,
  DisplayTime,
  SplitSubtitle,
  SmartWrap,
  RemoveComments,
  // Edit and help
  LoadSaveText,
  Search,
  SearchAgain,
  GoToLine,
  GoToTime,
  GoToFrame,
  DialogRemover,
  VideoPreview,
  Options,
  About,
};

inline constexpr int CommandCount = static_cast<int>(CommandId::About) + 1;

// True when the command may be given in the document's present state.
bool CommandUsable(const Document& doc, CommandId id);

}  // namespace tessary
