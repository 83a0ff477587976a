#include "settings/language_list.h"

#include <algorithm>
#include <filesystem>

#include "settings/language_file.h"

namespace tessary {

namespace fs = std::filesystem;

namespace {
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::string LanguageNameOfFile(const std::string& fileName) {
  std::string name = fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
  std::transform(name.begin(), name.end(), name.begin(), AsciiLower);
  if (!name.empty()) name[0] = AsciiUpper(name[0]);
  return name;
}

void LanguageList::Discover(const std::vector<std::string>& folders) {
  found_.clear();
  for (const std::string& folder : folders) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string fileName = it->path().filename().string();
      std::string lower = fileName;
      std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
      if (lower.size() > 4 && lower.ends_with(".lng") && it->is_regular_file(ec)) files.push_back(it->path());
    }
    // The order a folder lists its files in means nothing to the user.
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
      const std::string name = LanguageNameOfFile(file.filename().string());
      const bool known = std::any_of(found_.begin(), found_.end(), [&](const Found& f) { return f.name == name; });
      if (!known && found_.size() < static_cast<std::size_t>(LanguageItems)) found_.push_back({name, file.string()});
    }
  }
  builtInEnglish_ = std::none_of(found_.begin(), found_.end(), [](const Found& f) { return f.name == "English"; });
}

std::string LanguageList::Item(int k) const {
  if (builtInEnglish_) {
    if (k == 1) return "English";
    --k;
  }
  return k >= 1 && k <= static_cast<int>(found_.size()) ? found_[static_cast<std::size_t>(k) - 1].name : std::string();
}

int LanguageList::ItemOf(const std::string& name) const {
  for (int k = 1; k <= LanguageItems; ++k)
    if (!Item(k).empty() && Item(k) == name) return k;
  return 0;
}

std::string LanguageList::Change(const std::string& name, MessageTable& table) {
  current_ = name;
  if (builtInEnglish_ && name == "English") {
    table.LoadBuiltInEnglish();
    return {};
  }
  auto file = std::find_if(found_.begin(), found_.end(), [&](const Found& f) { return f.name == name; });
  const std::string path = file != found_.end() ? file->path : name + ".lng";
  if (file == found_.end() || !LoadLanguageFile(path, table)) return "Error while loading \"" + path + "\"!";
  return {};
}

int LanguageList::ItemToSelect(const std::string& configured) const {
  const int item = ItemOf(configured);
  return item != 0 ? item : ItemOf("English");
}

}  // namespace tessary
