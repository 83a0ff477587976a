// Opening a file: reading its lines, the text check and the detection of its layout.
#include <optional>
#include <system_error>
#include <utility>

#include "document/document.h"
#include "document/file_input.h"
#include "document/line_patterns.h"
#include "document/line_split.h"
#include "document/text_check.h"
#include "document/units.h"

namespace tessary {

namespace fs = std::filesystem;

namespace {

std::string Quoted(std::string_view path) { return "\"" + std::string(path) + "\""; }

// "{" digits "}{" digits "}" at the start of the line.
bool IsMicroDVDLine(std::string_view s) {
  if (s.empty() || s[0] != '{') return false;
  std::size_t i = 1;
  while (i < s.size() && IsDigit(s[i])) ++i;
  if (s.substr(i, 2) != "}{") return false;
  i += 2;
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i < s.size() && s[i] == '}';
}

// "12" and "12 " count: the first non-digit, if any, is the last character.
bool IsNumberLine(std::string_view s) {
  if (s.empty()) return false;
  std::size_t i = 0;
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i >= s.size() - 1;
}

// The strict look that lets a short SubRip file open: every block of non-empty lines is a
// counter, a time line whose times read and at least one text line.
bool IsStrictSubRip(const std::vector<std::string>& lines, int count) {
  int blocks = 0;
  for (int i = 1; i <= count;) {
    if (lines[i].empty()) {
      ++i;
      continue;
    }
    int end = i;
    while (end <= count && !lines[end].empty()) ++end;
    const std::string& time = lines[i + 1];
    if (end - i < 3 || !IsAllDigits(lines[i]) || !(IsWellFormedTimeLine(time) || ReadLooseTimeLine(time).reads))
      return false;
    ++blocks;
    i = end;
  }
  return blocks > 0;
}

}  // namespace

void Document::OpenFile(std::string path) {
  CurrentFileName_ = path;
  // The copy a crash left is read in the file's place; the document keeps the file's name, so
  // that Save puts the recovered work where the user expects it.
  const bool fromCopy = OpenSaveCopyInstead(path);
  const std::string source = fromCopy ? path + ".sav" : path;
  std::string bytes;
  fs::perms attributes = fs::perms::unknown;
  const InputOutcome read = ReadInputFile(source, MaxBytes, bytes, attributes);
  std::optional<EncodingInfo> decoded;
  if (read == InputOutcome::Read) decoded = DecodeFile(bytes);
  if (!decoded) {
    switch (read) {
      case InputOutcome::Missing:
        Show(Icon::Error, Quoted(source) + " " + Text(Msg::DoesntExist));
        break;
      case InputOutcome::Unreadable:
        Show(Icon::Error, Text(Msg::CantOpen) + " " + Quoted(source) + " " + Text(Msg::ForReading));
        break;
      case InputOutcome::TooBig:
        Show(Icon::Error, Text(Msg::FileTooBig));
        break;
      case InputOutcome::Read:  // read, but no text in the encoding_ its mark names
        Show(Icon::Error, Text(Msg::NotText));
        break;
    }
    Reinitialization();
    return;
  }
  BackupFileName_ = path + ".bak";
  // A save writes the file, so it keeps the file's permissions, not the copy's.
  std::error_code ec;
  if (fromCopy) attributes = fs::status(path, ec).permissions();
  SavedAttributes_ = attributes;
  encoding_ = *decoded;

  store_.ClearEntries();
  std::string_view rest;
  store_.LineCount = SplitFileLines(bytes, store_.RawLines, MaxLines, &rest);
  while (store_.LineCount > 0 && store_.RawLines[store_.LineCount].empty()) --store_.LineCount;
  if (!PreCheck(rest)) {
    Reinitialization();
    return;
  }
  store_.DetectionCode = DetectType();
  store_.CurrentType = TypeOfDetection(store_.DetectionCode);
  if (store_.DetectionCode == Layout::Unknown) {
    Show(Icon::Error, Text(Msg::UnknownType));
    Reinitialization();
    return;
  }
  store_.SubtitleLoaded = true;
  fs::current_path(fs::path(path).parent_path(), ec);
  EditorReadOnly_ = false;
  editor_.SetReadOnly(false);
  fields_.FrameRateRed = true;
  store_.FirstParseAfterLoad = true;
  SetEditorText(FileText(std::move(bytes), store_.RawLines, store_.LineCount));
  editor_.ResetColour();
  AutoSaveReference_ = clock_.Now();
  // The recovered work is not in the file yet.
  store_.TextEdited = fromCopy;
  TextInLines();
}

void Document::OpenFileAs(std::string path, SubtitleType type) {
  openAsType_ = type;
  OpenFile(std::move(path));
  openAsType_ = SubtitleType::None;
  if (store_.SubtitleLoaded && LastParseSucceeded_) TypeButtonChecked(type);
}

bool Document::PreCheck(std::string_view rest) {
  // A longer text is refused rather than cut, so that no line of it is lost unseen; empty
  // lines at the end are no lines.
  if (rest.find_first_not_of("\r\n") != std::string_view::npos) {
    Show(Icon::Error, Text(Msg::FileTooBig));
    return false;
  }
  std::int64_t total = 0, bad = 0;
  const bool utf8 = encoding_.IsUtf8Document();
  for (int i = 1; i <= store_.LineCount; ++i) {
    total += static_cast<std::int64_t>(store_.RawLines[i].size());
    bad += CountNonText(store_.RawLines[i], utf8);
  }
  if (total == 0) {
    Show(Icon::Error, Text(Msg::FileEmpty));
    return false;
  }
  if (2 * static_cast<std::int64_t>(store_.LineCount) + total > static_cast<std::int64_t>(MaxBytes)) {
    Show(Icon::Error, Text(Msg::FileTooBig));
    return false;
  }
  if (bad * 100 >= 40 * total) {
    Show(Icon::Error, Text(Msg::NotText));
    return false;
  }
  return true;
}

Layout Document::DetectType() const {
  const auto& lines = store_.RawLines;
  const int count = store_.LineCount;
  const double L = count;

  int microDVD = 0;
  for (int i = 1; i <= count; ++i) microDVD += IsMicroDVDLine(lines[i]);
  if (microDVD >= L * 3 / 4) return Layout::MicroDVD;

  int empty = 0, number = 0, time = 0, length23 = 0;
  for (int i = 1; i <= count; ++i) {
    const std::string& s = lines[i];
    if (s.empty())
      ++empty;
    else if (IsNumberLine(s))
      ++number;
    else if (TimeLineScore(s))
      ++time;
    length23 += s.size() == 23;
  }
  if (empty > L / 8.6 && number > L / 5.7 && time > L / 5.7) return Layout::SubRip;
  if (empty > L / 5 && length23 > L / 4) return Layout::TimePair;

  if (count >= 20) {
    int dialogue = 0;
    for (int i = 1; i <= count; ++i) dialogue += lines[i].starts_with(DialoguePrefix);
    if (dialogue >= 1 && dialogue >= (L - 20) * 3 / 4) return Layout::Ssa;
  }

  int digits = 0, colons = 0;
  for (int i = 1; i <= count; ++i) {
    const std::string& s = lines[i];
    if (s.size() < 9) continue;
    digits += IsDigit(s[0]) && IsDigit(s[1]) && IsDigit(s[3]) && IsDigit(s[4]) && IsDigit(s[6]) && IsDigit(s[7]);
    colons += s[2] == ':' && s[5] == ':' && s[8] == ':';
  }
  if (L * 0.75 <= digits && digits <= L * 1.25 && L * 0.75 <= colons && colons <= L * 1.25) return Layout::TimePrefix;

  if (IsStrictSubRip(lines, count)) return Layout::SubRip;
  return Layout::Unknown;
}

}  // namespace tessary
