// Message boxes and questions of the document, as Qt message boxes owned by the main window.
#pragma once

#include <functional>

#include <QWidget>

#include "ports/prompter.h"
#include "settings/message_table.h"

namespace tessary {

class QtPrompter : public Prompter {
 public:
  QtPrompter(QWidget* owner, const MessageTable& messages) : owner_(owner), messages_(messages) {}
  // Runs before every box, so that the window shows the state the message is about.
  void SetBeforeShowing(std::function<void()> hook) { beforeShowing_ = std::move(hook); }

  void Show(Icon icon, std::string_view text) override;
  Answer Ask(Icon icon, std::string_view text, Buttons buttons, Answer defaultAnswer) override;
  bool ConfirmConversion(bool& disableFurther) override;

 private:
  QWidget* owner_;
  const MessageTable& messages_;
  std::function<void()> beforeShowing_;
};

// A text of the program (UTF-8, CR LF line breaks) as Qt shows it.
QString DisplayText(std::string_view text);

}  // namespace tessary
