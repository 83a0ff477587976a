// A document with its test doubles, opened on files written to a temporary folder, and the
// builders of the files the tests open.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "document/caret.h"
#include "document/document.h"
#include "document/units.h"
#include "ports/string_editor.h"
#include "settings/message_table.h"
#include "support/manual_clock.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_prompter.h"

namespace tessary::testing {

// Joins lines with CR LF, without a break after the last.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) out += (i == 0 ? "" : "\r\n") + lines[i];
  return out;
}

struct Subtitle {
  std::int32_t start, end;
  std::string text;
  bool operator==(const Subtitle&) const = default;
};
inline void PrintTo(const Subtitle& s, std::ostream* os) { *os << s.start << "-" << s.end << " \"" << s.text << "\""; }

// A SubRip file of the subtitles as the program writes it: a blank line between blocks, CR LF.
inline std::string SubRipFile(const std::vector<Subtitle>& subtitles) {
  std::string out;
  for (std::size_t i = 0; i < subtitles.size(); ++i)
    out += (i ? "\r\n" : "") + std::to_string(i + 1) + "\r\n" + FormatTime(subtitles[i].start, true) + " --> " +
           FormatTime(subtitles[i].end, true) + "\r\n" + subtitles[i].text + "\r\n";
  return out;
}

inline std::vector<Subtitle> SubtitlesOf(const Document& doc) {
  const auto& s = doc.store();
  std::vector<Subtitle> out;
  for (int i = 1; i <= s.SubtitleCount; ++i) out.push_back({s.StartValues[i], s.EndValues[i], s.Texts[i]});
  return out;
}

// The bytes of `text` in UTF-16 with its byte-order mark.
inline std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string out;
  for (char16_t unit : u"\uFEFF" + std::u16string(text)) {
    char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
    out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return out;
}

// The file's bytes; "" when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("tessary-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Writes `bytes` to `name` in the folder and returns its path.
  std::string Write(const std::string& name, std::string_view bytes) const {
    std::string file = (path_ / name).string();
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }
  std::filesystem::path Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A document and its test doubles, with no folder of its own.
struct DocumentRig {
  ScriptedPrompter prompter;
  StringEditor editor;
  ManualClock clock;
  MessageTable messages;
  ScriptedFileDialogs dialogs;
  Document doc{prompter, editor, clock, messages, dialogs};

  // Replaces the editing area's text as typing would.
  void Edit(std::string_view text) {
    editor.SetText(text);
    doc.EditorTextChanged();
  }
  // The same, then verifies it again.
  void EditAndVerify(std::string_view text) {
    Edit(text);
    doc.TextInLines();
  }
  std::string Text() const { return editor.Text(); }
  TextLocation Caret() const { return LocationOf(editor.Text(), editor.CaretPosition()); }
};

struct DocumentFixture : DocumentRig {
  TempFolder folder;

  // Writes `bytes` to a file and opens it as the Open command does.
  void Open(std::string_view bytes, const std::string& name = "input.txt") { doc.OpenFile(folder.Write(name, bytes)); }
};

}  // namespace tessary::testing
