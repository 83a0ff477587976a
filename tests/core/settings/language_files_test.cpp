// The language files shipped in lang/ translate the whole message table, and every entry
// keeps the line breaks, TABs and fixed pieces that the program joins and lays out.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "settings/language_file.h"
#include "settings/message_table.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

// Pieces a translation keeps exactly as often as the English entry: line breaks and TABs
// (layout), "#", quotes, "'{'" and "'}'", file patterns and the shortcut texts.
constexpr std::string_view kKeptPieces[] = {"\r\n", "\r",  "\n", "\t",     "#",     "\"",     "'{'",
                                            "'}'",  "':'", "*.", "(Ctrl-", "(Alt-", "\tCtrl-"};

int Occurrences(std::string_view text, std::string_view piece) {
  int count = 0;
  for (auto at = text.find(piece); at != std::string_view::npos; at = text.find(piece, at + piece.size())) ++count;
  return count;
}

// Counts every line the program would take as an entry, surplus lines included.
int EntryLines(std::string_view bytes) {
  int count = 0;
  while (!bytes.empty()) {
    const auto end = std::min(bytes.find('\n'), bytes.size());
    std::string_view line = bytes.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!line.empty() && !line.starts_with("//")) ++count;
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
  }
  return count;
}

std::vector<fs::path> ShippedLanguageFiles() {
  std::vector<fs::path> files;
  for (const auto& item : fs::directory_iterator(TESSARY_LANG_DIR))
    if (item.path().extension() == ".lng") files.push_back(item.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(ShippedLanguageFiles, TranslateEveryEntryKeepingItsBreaksTabsAndFixedPieces) {
  const std::vector<fs::path> files = ShippedLanguageFiles();
  for (const char* shipped : {"deutsch.lng", "polski.lng"})
    ASSERT_NE(std::find(files.begin(), files.end(), fs::path(TESSARY_LANG_DIR) / shipped), files.end()) << shipped;

  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(EntryLines(bytes), MessageCount);
    const std::vector<std::string> entries = ReadLanguageEntries(bytes);
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(MessageCount));
    EXPECT_EQ(entries[static_cast<int>(Msg::Title) - 1], "Tessary");

    for (int number = 1; number <= MessageCount; ++number) {
      const std::string_view english = MessageTable::BuiltInEnglish(number);
      const std::string& entry = entries[number - 1];
      EXPECT_FALSE(entry.empty()) << "entry " << number;
      for (const std::string_view piece : kKeptPieces) {
        EXPECT_EQ(Occurrences(entry, piece), Occurrences(english, piece))
            << "entry " << number << " " << ::testing::PrintToString(entry) << ", piece "
            << ::testing::PrintToString(std::string(piece));
      }
    }
  }
}

}  // namespace
}  // namespace tessary::testing
