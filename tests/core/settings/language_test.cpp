#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string_view>

#include "settings/language_file.h"
#include "settings/language_list.h"
#include "settings/message_table.h"
#include "support/document_fixture.h"

namespace tessary::testing {
namespace {

namespace fs = std::filesystem;

TEST(LanguageFile, EntriesSkipCommentsAndEmptyLinesAndTurnEscapesIntoBreaksAndTabs) {
  const std::string file =
      "// comment\r\n\r\nPrüfen\\nSchreibweise\r\n //not a comment\nA\\tB\\\\n\r\n"
      "Zażółć\n";
  EXPECT_EQ(ReadLanguageEntries(file),
            (std::vector<std::string>{"Prüfen\r\nSchreibweise", " //not a comment", "A\tB\\\r\n", "Zażółć"}));
  // The same letters in Windows-1250 come out as UTF-8.
  EXPECT_EQ(ReadLanguageEntries("Pr\xFC"
                                "fen\r\nZa\xBF\xF3\xB3\xE6\r\n"),
            (std::vector<std::string>{"Prüfen", "Zażółć"}));
}

TEST(LanguageFile, ReadsAtMostTheTableAndKeepsTheEntriesAFileLacks) {
  std::string many;
  for (int i = 1; i <= MessageCount + 5; ++i) many += "entry " + std::to_string(i) + "\r\n";
  EXPECT_EQ(ReadLanguageEntries(many).size(), static_cast<std::size_t>(MessageCount));

  TempFolder folder;
  MessageTable table;
  ASSERT_TRUE(LoadLanguageFile(folder.Write("short.lng", "Eins\r\nZwei\r\n"), table));
  EXPECT_EQ(table.Entry(1), "Eins");
  EXPECT_EQ(table.Entry(2), "Zwei");
  EXPECT_EQ(table.Entry(3), MessageTable::BuiltInEnglish(3));
  EXPECT_FALSE(LoadLanguageFile((folder.Path() / "missing.lng").string(), table));
}

TEST(LanguageList, MenuItemsFollowTheFilesFound) {
  struct Case {
    std::vector<std::string> files;
    std::vector<std::string> items;  // the shown items, in order
  };
  const std::vector<Case> cases = {
      {{}, {"English"}},
      {{"polski.lng", "deutsch.lng", "notes.txt"}, {"English", "Deutsch", "Polski"}},
      // A file named English replaces the built-in set.
      {{"english.lng", "deutsch.lng"}, {"Deutsch", "English"}},
      // Twelve files: the built-in English and the first nine.
      {{"a.lng", "b.lng", "c.lng", "d.lng", "e.lng", "f.lng", "g.lng", "h.lng", "i.lng", "j.lng", "k.lng", "l.lng"},
       {"English", "A", "B", "C", "D", "E", "F", "G", "H", "I"}},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    for (const std::string& file : c.files) folder.Write(file, "x\r\n");
    LanguageList list;
    list.Discover({folder.Path().string(), "/no/such/folder"});
    std::vector<std::string> items;
    for (int k = 1; k <= LanguageItems; ++k)
      if (!list.Item(k).empty()) items.push_back(list.Item(k));
    EXPECT_EQ(items, c.items);
  }
}

TEST(LanguageList, ChangingLoadsTheFileOrReportsItAndAnUnknownNameSelectsEnglish) {
  TempFolder folder;
  const std::string german = folder.Write("deutsch.lng", "Schreibweise\\nprüfen\r\n");
  LanguageList list;
  list.Discover({folder.Path().string()});
  MessageTable table;
  EXPECT_EQ(list.ItemToSelect("Klingon"), list.ItemOf("English"));
  EXPECT_EQ(list.ItemToSelect("Deutsch"), 2);

  EXPECT_EQ(list.Change("Deutsch", table), "");
  EXPECT_EQ(table.Entry(1), "Schreibweise\r\nprüfen");
  EXPECT_EQ(list.Change("English", table), "");
  EXPECT_EQ(table.Entry(1), MessageTable::BuiltInEnglish(1));

  // A file that went away: the table stays, the name is taken all the same.
  std::filesystem::remove(german);
  EXPECT_EQ(list.Change("Deutsch", table), "Error while loading \"" + german + "\"!");
  EXPECT_EQ(table.Entry(1), MessageTable::BuiltInEnglish(1));
  EXPECT_EQ(list.Current(), "Deutsch");
}

// Pieces a translation keeps exactly as often as the English entry: line breaks and TABs
// (layout), "#", quotes, "'{'" and "'}'", file patterns and the shortcut texts.
constexpr std::string_view kKeptPieces[] = {"\r\n", "\r",  "\n", "\t",     "#",     "\"",     "'{'",
                                            "'}'",  "':'", "*.", "(Ctrl-", "(Alt-", "\tCtrl-"};

int Occurrences(std::string_view text, std::string_view piece) {
  int count = 0;
  for (auto at = text.find(piece); at != std::string_view::npos; at = text.find(piece, at + piece.size())) ++count;
  return count;
}

std::vector<fs::path> ShippedLanguageFiles() {
  std::vector<fs::path> files;
  for (const auto& item : fs::directory_iterator(TESSARY_LANG_DIR))
    if (item.path().extension() == ".lng") files.push_back(item.path());
  std::sort(files.begin(), files.end());
  return files;
}

// The language files shipped in lang/ translate the whole message table, and every entry
// keeps the line breaks, TABs and fixed pieces that the program joins and lays out.
TEST(ShippedLanguageFiles, TranslateEveryEntryKeepingItsBreaksTabsAndFixedPieces) {
  const std::vector<fs::path> files = ShippedLanguageFiles();
  for (const char* shipped : {"deutsch.lng", "polski.lng"})
    ASSERT_NE(std::find(files.begin(), files.end(), fs::path(TESSARY_LANG_DIR) / shipped), files.end()) << shipped;

  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    const std::string bytes = ReadBytes(file);
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
