// File choosers that answer from a queue and record what they were asked.
#pragma once

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "ports/file_dialogs.h"

namespace tessary::testing {

class ScriptedFileDialogs : public FileDialogs {
 public:
  struct SaveRequest {
    std::string prefill, defaultExtension;
    bool operator==(const SaveRequest&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const SaveRequest& r) {
      return out << "{\"" << r.prefill << "\", \"" << r.defaultExtension << "\"}";
    }
  };

  std::string AskOpenFileName() override { return Next(); }
  std::string AskSaveFileName(const std::string& prefill, const std::string& defaultExtension) override {
    saveRequests.push_back({prefill, defaultExtension});
    return Next();
  }

  std::deque<std::string> names;  // the names chosen, in order; none left means cancelled
  std::vector<SaveRequest> saveRequests;
  std::function<void()> whileOpen;  // runs while a chooser is open

 private:
  std::string Next() {
    if (whileOpen) whileOpen();
    if (names.empty()) return {};
    std::string name = names.front();
    names.pop_front();
    return name;
  }
};

}  // namespace tessary::testing
