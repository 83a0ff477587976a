// A document with its test doubles, opened on files written to a temporary folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <unistd.h>

#include "document/caret.h"
#include "document/document.h"
#include "ports/string_editor.h"
#include "settings/message_table.h"
#include "support/manual_clock.h"
#include "support/scripted_prompter.h"

namespace tessary::testing {

// Joins lines with CR LF, without a break after the last.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string out;
  bool first = true;
  for (auto line : lines) {
    if (!first) out += "\r\n";
    out += line;
    first = false;
  }
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

struct DocumentFixture {
  ScriptedPrompter prompter;
  StringEditor editor;
  ManualClock clock;
  MessageTable messages;
  TempFolder folder;
  Document doc{prompter, editor, clock, messages};

  // Writes `bytes` to a file and opens it as the Open command does.
  void Open(std::string_view bytes, const std::string& name = "input.txt") {
    doc.CurrentFileName = folder.Write(name, bytes);
    doc.OpenFile();
  }
  // Replaces the editing area's text as typing would, then verifies it again.
  void EditAndVerify(std::string_view text) {
    editor.SetText(text);
    doc.EditorTextChanged();
    doc.TextInLines();
  }
  std::string Text() const { return editor.Text(); }
  TextLocation Caret() const { return LocationOf(editor.Text(), editor.CaretPosition()); }
};

}  // namespace tessary::testing
