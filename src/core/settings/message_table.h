// The texts the user sees: 212 entries, numbered as in the language files.
#pragma once

#include <array>
#include <string>

namespace tessary {

inline constexpr int MessageCount = 212;

// Entries the program refers to by name; the value is the entry's number.
enum class Msg {
  Ok = 8,
  Cancel = 9,
  FramesUnit = 33,
  ConvertQuestion = 42,
  Title = 89,
  DisableThisMessage = 131,
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
