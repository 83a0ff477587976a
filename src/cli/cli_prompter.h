// Message boxes of the command-line program: one line each on standard error.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "ports/prompter.h"

namespace tessary {

// The text as one line: every line break in it (LF, CR LF or a lone CR) is written as the two
// characters \n, so that nothing inside a message, a file name say, can start a line of its own.
std::string OneLine(std::string_view text);

class CliPrompter : public Prompter {
 public:
  CliPrompter(std::ostream& err, Answer counterAnswer) : err_(err), counterAnswer_(counterAnswer) {}
  void Show(Icon icon, std::string_view text) override;
  Answer Ask(Icon icon, std::string_view text, Buttons buttons, Answer defaultAnswer) override;
  bool ConfirmConversion(bool& disableFurther) override;
  // How many messages with the error icon were written so far.
  int Errors() const { return errors_; }

 private:
  void Write(Icon icon, std::string_view text);
  std::ostream& err_;
  Answer counterAnswer_;
  int errors_ = 0;
};

}  // namespace tessary
