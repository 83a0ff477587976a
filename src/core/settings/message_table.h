// The texts the user sees: 212 entries, numbered as in the language files.
#pragma once

#include <array>
#include <string>

namespace tessary {

inline constexpr int MessageCount = 212;

// Entries the program refers to by name; the value is the entry's number.
enum class Msg {
  VerifyWritings = 1,
  Transform = 2,
  DoIt = 3,
  LoadFromVideoFile = 4,
  Ok = 8,
  Cancel = 9,
  DisplayTime = 10,
  SplitSubtitle = 11,
  SmartWrap = 12,
  RemoveComments = 13,
  ManualModifications = 25,
  SaveAsType = 26,
  AutomaticModifications = 27,
  MomentInWhichThe = 28,
  FirstLineShouldAppear = 29,
  LastLineShouldAppear = 30,
  ChangeFrameRateTo = 31,
  FrameRate = 32,
  FramesUnit = 33,
  ConvertQuestion = 42,
  Frames = 54,
  TimeMs = 55,
  File = 68,
  Open = 69,
  Save = 70,
  SaveAs = 71,
  Reload = 72,
  CloseFile = 73,
  Exit = 74,
  Help = 75,
  About = 76,
  Edit = 77,
  Search = 78,
  SearchAgain = 79,
  LoadSaveText = 80,
  GoToLine = 81,
  GoToTime = 82,
  GoToFrame = 83,
  Options = 84,
  VideoPreview = 88,
  Title = 89,
  SingleDialogRemover = 94,
  Append = 95,
  OpenTip = 96,
  SaveTip = 97,
  SaveAsTip = 98,
  ReloadTip = 99,
  CloseFileTip = 100,
  Speedbar = 101,
  MultiplyTip = 102,
  IncreaseTip = 103,
  DecreaseTip = 104,
  MoviesFrameRateTip = 105,
  VerifyTip = 106,
  LoadFromVideoFileTip = 107,
  DisplayTimeTip = 108,
  ChangeFrameRateTip = 109,
  DisableThisMessage = 131,
  ApplyToEntireSubtitle = 137,
  Cut = 138,
  Copy = 139,
  Paste = 140,
  Delete = 141,
  SelectAll = 142,
  MarkLineNumber = 143,
  ForTheFirstPoint = 144,
  ForTheSecondPoint = 145,
  CantOpen = 146,
  ForReading = 147,
  FileEmpty = 148,
  FileTooBig = 149,
  NotText = 150,
  UnknownType = 153,
  ProblemsWithLine = 154,
  ProblemsDetected = 156,
  Changes = 157,
  MultiplyOutOfRange = 158,
  LargestDecrease = 159,
  PleaseTryAgain = 160,
  PointsOutOfOrder = 161,
  ThereAre = 162,
  CantDelete = 164,
  CantRename = 165,
  To = 166,
  ChangesToSaveReload = 167,
  ShiftOutOfRange = 169,
  ProperlyModified = 170,
  DoesntExist = 171,
  NotVerifiedSave = 173,
  AlreadyExists = 174,
  SaveChangesIn = 175,
  IveMade = 176,
  NoChange = 177,
  IsAFolder = 178,
  CounterNotInOrder = 179,
  TooFewLines = 180,
  CantWriteIn = 182,
  PleaseLoad = 191,
  ShorterThan4 = 192,
  OpenBraceMissing = 193,
  CloseBraceMissing = 194,
  NotANumber = 195,
  LineTooShort = 196,
  StartNotBeforeEnd = 197,
  EndAfterNextStart = 198,
  CantDetermineStart = 199,
  CantDetermineEnd = 200,
  LinesOutOfOrder = 205,
  TooManyErrors = 206,
  FramesWouldBeNegative = 207,
  FramesTooHigh = 208,
  NewerSaveCopy = 210,
  SavedAsUtf8 = 211,
  TimeLikeTextLine = 212,
};

// Holds the current text of every entry; starts with the built-in English set.
class MessageTable {
 public:
  MessageTable();
  // Gives every entry its built-in English text again.
  void LoadBuiltInEnglish();
  const std::string& operator[](Msg id) const { return entries_[static_cast<int>(id) - 1]; }
  const std::string& Entry(int number) const { return entries_[number - 1]; }
  void SetEntry(int number, std::string text) { entries_[number - 1] = std::move(text); }
  static const char* BuiltInEnglish(int number);

 private:
  std::array<std::string, MessageCount> entries_;
};

}  // namespace tessary
