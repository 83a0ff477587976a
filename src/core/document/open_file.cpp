// Opening a file: reading its lines, the text check and the detection of its layout.
#include <fstream>
#include <system_error>
#include <utility>

#include "document/document.h"
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
// counter, a well-formed time line and at least one text line.
bool IsStrictSubRip(const std::vector<std::string>& lines, int count) {
  int blocks = 0;
  for (int i = 1; i <= count;) {
    if (lines[i].empty()) {
      ++i;
      continue;
    }
    int end = i;
    while (end <= count && !lines[end].empty()) ++end;
    if (end - i < 3 || !IsAllDigits(lines[i]) || !IsWellFormedTimeLine(lines[i + 1])) return false;
    ++blocks;
    i = end;
  }
  return blocks > 0;
}

// Reads the file, but never more than a document can use: past ReadCap bytes the lines
// read already make the document too big or reach the line limit, so the verdict is the
// same. A cut read ends at its last line end, so that no character is split.
constexpr std::size_t ReadCap = 2 * 10485760 + 16;

bool ReadCapped(std::ifstream& in, std::string& bytes, std::uintmax_t fileSize) {
  bytes.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(fileSize, ReadCap + 1)));
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return false;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() > ReadCap) {
    std::size_t end = bytes.find_last_of("\r\n");
    bytes.resize(end == std::string::npos ? ReadCap : end + 1);
  }
  return true;
}

}  // namespace

void Document::OpenFile() {
  const std::string path = CurrentFileName;
  std::error_code ec;
  if (!fs::exists(path, ec)) {
    Show(Icon::Error, Quoted(path) + " " + Text(Msg::DoesntExist));
    Reinitialization();
    return;
  }
  BackupFileName = path + ".bak";
  SavedAttributes = fs::status(path, ec).permissions();
  // Reading must work on a read-only file too; its permissions are put back afterwards.
  if (!ec) fs::permissions(path, SavedAttributes | fs::perms::owner_read, ec);
  auto restore = [&] {
    std::error_code ignored;
    if (SavedAttributes != fs::perms::unknown) fs::permissions(path, SavedAttributes, ignored);
  };

  std::string bytes;
  bool failed = fs::is_directory(path, ec);
  if (!failed) {
    std::ifstream in(path, std::ios::binary);
    failed = !in || !ReadCapped(in, bytes, fs::file_size(path, ec));
  }
  restore();
  if (failed) {
    Show(Icon::Error, Text(Msg::CantOpen) + " " + Quoted(path) + " " + Text(Msg::ForReading));
    Reinitialization();
    return;
  }
  encoding = DecodeFile(bytes);
  commands.SearchAgain = false;

  store.ClearEntries();
  store.LineCount = SplitFileLines(bytes, store.RawLines, MaxLines);
  while (store.LineCount > 0 && store.RawLines[store.LineCount].empty()) --store.LineCount;
  if (!PreCheck()) {
    Reinitialization();
    return;
  }
  store.DetectionCode = DetectType();
  store.CurrentType = TypeOfDetection(store.DetectionCode);
  if (store.DetectionCode == 0) {
    Show(Icon::Error, Text(Msg::UnknownType));
    Reinitialization();
    return;
  }
  store.SubtitleLoaded = true;
  fs::current_path(fs::path(path).parent_path(), ec);
  commands.EditorReadOnly = false;
  editor_.SetReadOnly(false);
  fields.FrameRateRed = true;
  store.FirstParseAfterLoad = true;
  SetEditorText(FileText(std::move(bytes), store.RawLines, store.LineCount));
  editor_.ResetColour();
  AutoSaveReference = clock_.Now();
  TextInLines();
}

bool Document::PreCheck() {
  std::int64_t total = 0, bad = 0;
  const bool utf8 = encoding.IsUtf8Document();
  for (int i = 1; i <= store.LineCount; ++i) {
    total += static_cast<std::int64_t>(store.RawLines[i].size());
    bad += CountNonText(store.RawLines[i], utf8);
  }
  if (total == 0) {
    Show(Icon::Error, Text(Msg::FileEmpty));
    return false;
  }
  if (2 * static_cast<std::int64_t>(store.LineCount) + total > 10485760) {
    Show(Icon::Error, Text(Msg::FileTooBig));
    return false;
  }
  if (bad * 100 >= 40 * total) {
    Show(Icon::Error, Text(Msg::NotText));
    return false;
  }
  return true;
}

int Document::DetectType() const {
  const auto& lines = store.RawLines;
  const int count = store.LineCount;
  const double L = count;

  int microDVD = 0;
  for (int i = 1; i <= count; ++i) microDVD += IsMicroDVDLine(lines[i]);
  if (microDVD >= L * 3 / 4) return 1;

  int empty = 0, number = 0, time = 0, length23 = 0;
  for (int i = 1; i <= count; ++i) {
    const std::string& s = lines[i];
    if (s.empty()) ++empty;
    else if (IsNumberLine(s)) ++number;
    else if (TimeLineScore(s)) ++time;
    length23 += s.size() == 23;
  }
  if (empty > L / 8.6 && number > L / 5.7 && time > L / 5.7) return 2;
  if (empty > L / 5 && length23 > L / 4) return 3;

  if (count >= 20) {
    int dialogue = 0;
    for (int i = 1; i <= count; ++i) dialogue += lines[i].starts_with(DialoguePrefix);
    if (dialogue >= 1 && dialogue >= (L - 20) * 3 / 4) return 4;
  }

  int digits = 0, colons = 0;
  for (int i = 1; i <= count; ++i) {
    const std::string& s = lines[i];
    if (s.size() < 9) continue;
    digits += IsDigit(s[0]) && IsDigit(s[1]) && IsDigit(s[3]) && IsDigit(s[4]) && IsDigit(s[6]) && IsDigit(s[7]);
    colons += s[2] == ':' && s[5] == ':' && s[8] == ':';
  }
  if (L * 0.75 <= digits && digits <= L * 1.25 && L * 0.75 <= colons && colons <= L * 1.25) return 5;

  if (IsStrictSubRip(lines, count)) return 2;
  return 0;
}

}  // namespace tessary
