// Message boxes and questions, as the document asks them of its shell.
#pragma once

#include <string_view>

namespace tessary {

enum class Icon { Error, Warning, Question, Information };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Shows a message with an OK button and waits until it is closed.
  virtual void Show(Icon icon, std::string_view text) = 0;
  // Asks a question and returns the button chosen.
  virtual Answer Ask(Icon icon, std::string_view text, Buttons buttons, Answer defaultAnswer) = 0;
  // Asks for the conversion warning before a switch of type; true when confirmed.
  // `disableFurther` is set when the user ticks "Disable this message".
  virtual bool ConfirmConversion(bool& disableFurther) = 0;
};

}  // namespace tessary
