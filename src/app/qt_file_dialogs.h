// The open and save choosers of the main window.
#pragma once

#include <QWidget>

#include "ports/file_dialogs.h"

namespace tessary {

class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* owner) : owner_(owner) {}
  std::string AskOpenFileName() override;
  std::string AskSaveFileName(const std::string& prefill, const std::string& defaultExtension) override;

 private:
  QWidget* owner_;
};

}  // namespace tessary
