// Qt's own texts (the buttons of message boxes, the file choosers) in the chosen language.
#pragma once

#include <memory>
#include <string>

#include <QTranslator>

namespace tessary {

class QtTranslations {
 public:
  // Loads Qt's translation for the language named `name` in its own tongue or in English
  // ("Deutsch", "Polski", "German"). English, or a language Qt has no translation for,
  // brings back Qt's English texts.
  void Follow(const std::string& name);

 private:
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace tessary
