// The file choosers of the open and save commands.
#pragma once

#include <string>

namespace tessary {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Asks for a subtitle file to open, starting in the current folder. Empty when cancelled.
  virtual std::string AskOpenFileName() = 0;
  // Asks for the name to save under, prefilled with `prefill`; `defaultExtension` is "sub"
  // or "srt". Empty when cancelled.
  virtual std::string AskSaveFileName(const std::string& prefill, const std::string& defaultExtension) = 0;
};

// For a shell without file choosers: every question is cancelled.
class NoFileDialogs : public FileDialogs {
 public:
  std::string AskOpenFileName() override { return {}; }
  std::string AskSaveFileName(const std::string&, const std::string&) override { return {}; }
};

}  // namespace tessary
