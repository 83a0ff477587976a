// The languages the user can choose: the built-in English set and the language files found
// at start-up, as the ten items of the Language menu.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "settings/message_table.h"

namespace tessary {

inline constexpr int LanguageItems = 10;

// The name of the language of a file "deutsch.lng": "Deutsch".
std::string LanguageNameOfFile(const std::string& fileName);

class LanguageList {
 public:
  // Finds the "*.lng" files of `folders`, in that order of folders and by name within one;
  // the first file of a name counts, at most ten names.
  void Discover(const std::vector<std::string>& folders);

  // True when no file is named English: the first item is then the built-in set.
  bool BuiltInEnglish() const { return builtInEnglish_; }
  // The caption of menu item k (1-based); empty for an item to hide.
  std::string Item(int k) const;
  // The menu item (1-based) whose caption is `name`, or 0.
  int ItemOf(const std::string& name) const;

  // Loads the language `name` into `table`. A file that cannot be read leaves the table as
  // it was; the message to show is returned ("Error while loading ..."), empty on success.
  // The name becomes the current one either way.
  std::string Change(const std::string& name, MessageTable& table);
  // The item of the configured language at start-up, or of English when it has none.
  int ItemToSelect(const std::string& configured) const;

  const std::string& Current() const { return current_; }

 private:
  struct Found {
    std::string name, path;
  };
  std::vector<Found> found_;
  bool builtInEnglish_ = true;
  std::string current_ = "English";
};

}  // namespace tessary
