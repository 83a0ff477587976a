// A prompter that records every message and answers questions from a queue.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ports/prompter.h"

namespace tessary::testing {

struct ShownMessage {
  Icon icon;
  std::string text;
};

class ScriptedPrompter : public Prompter {
 public:
  void Show(Icon icon, std::string_view text) override { shown.push_back({icon, std::string(text)}); }
  Answer Ask(Icon icon, std::string_view text, Buttons, Answer defaultAnswer) override {
    shown.push_back({icon, std::string(text)});
    if (answers.empty()) return defaultAnswer;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  bool ConfirmConversion(bool& disableFurther) override {
    ++conversionWarnings;
    disableFurther = disableOnWarning;
    return confirmConversion;
  }

  // Texts of the messages shown so far, in order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& m : shown) out.push_back(m.text);
    return out;
  }

  std::vector<ShownMessage> shown;
  std::deque<Answer> answers;
  bool confirmConversion = true;
  bool disableOnWarning = false;
  int conversionWarnings = 0;
};

}  // namespace tessary::testing
