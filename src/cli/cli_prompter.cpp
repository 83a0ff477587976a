#include "cli_prompter.h"

#include "settings/message_table.h"

namespace tessary {

namespace {
const char* IconName(Icon icon) {
  switch (icon) {
    case Icon::Error:
      return "error";
    case Icon::Warning:
      return "warning";
    case Icon::Question:
      return "question";
    case Icon::Information:
      return "information";
  }
  return "information";
}
}  // namespace

std::string OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' || text[i] == '\r')
      line += "\\n";
    else
      line += text[i];
  }
  return line;
}

void CliPrompter::Write(Icon icon, std::string_view text) {
  if (icon == Icon::Error) ++errors_;
  err_ << std::string(IconName(icon)) + ": " + OneLine(text) + "\n";  // one write: the line stays whole
}

void CliPrompter::Show(Icon icon, std::string_view text) { Write(icon, text); }

// The only question a batch run meets is the counter-order question; its answer is an option.
// A yes-or-no question is answered No, so that a batch run never does more than it was told.
Answer CliPrompter::Ask(Icon icon, std::string_view text, Buttons buttons, Answer) {
  Write(icon, text);
  return buttons == Buttons::OkCancel ? counterAnswer_ : Answer::No;
}

bool CliPrompter::ConfirmConversion(bool&) {
  Write(Icon::Warning, MessageTable::BuiltInEnglish(static_cast<int>(Msg::ConvertQuestion)));
  return true;
}

}  // namespace tessary
