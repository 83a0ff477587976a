#include "settings/configuration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "support/document_fixture.h"

namespace tessary {
namespace {

using testing::TempFolder;

bool OnlyDejaVuInstalled(const std::string& name) { return name == "DejaVu Sans"; }

// Reads `body` as the lines after the header of a configuration file and applies them.
const Configuration Defaults;

Configuration Load(const std::string& body, const Configuration& start = Defaults) {
  Configuration config = start;
  TempFolder folder;
  ApplyConfigValues(ReadConfigFile(folder.Write("tessary.ini", "[Configuration]\r\n" + body)), config,
                    OnlyDejaVuInstalled);
  return config;
}

// A value list as read: `value` at `key`, empty before it.
std::vector<std::string> At(std::size_t key, const std::string& value) {
  std::vector<std::string> values(key + 1);
  values[key] = value;
  return values;
}

TEST(ReadConfigFile, TakesTheFirstKeyFoundAnywhereInALineAndCountsTheValueFromTheLineStart) {
  for (const auto& [bytes, values] : std::initializer_list<std::pair<const char*, std::vector<std::string>>>{
           {"[configuration]\r\nLanguage=Deutsch\r\n", {}},
           {"", {}},
           {"[Configuration]\r\nlanguage=Deutsch\r\nFontsize=3\r\n", {}},
           {"[Configuration]\nFont_size=12\nLanguage=\n", At(4, "12")},
           {"[Configuration]\r\nLanguage=A\r\nLanguage=B", At(1, "B")},
           {"[Configuration]\r\nPlayer_font_size=7\r\n", At(16, "7")},
           {"[Configuration]\r\nAutomatic_save_time=7\r\n", At(9, "7")},
           {"[Configuration]\r\nSegment_text=Language=x\r\n", At(1, "ext=Language=x")},
           {"[Configuration]\r\nX Language=\r\n", At(1, "e=")}}) {
    TempFolder folder;
    EXPECT_EQ(ReadConfigFile(folder.Write("tessary.ini", bytes)), values) << bytes;
  }
  EXPECT_TRUE(ReadConfigFile("/nonexistent/tessary.ini").empty());
}

// Each case is "line|written": the line read and the setting as it is written back. The volume
// slider's position is written times 833.
TEST(ApplyConfigValues, ConvertsIntegersWithTheCurrentValueAsDefaultAndClampsThemToTheirRanges) {
  for (const std::string c :
       {"Font_size=200|33", "Font_size=big|10", "Font_size=+2|3", "Font_size= 12|10", "Font_size=99999999999|10",
        "Player_font_size=200|50", "Player_volume=832|0", "Player_volume=99960|9996", "Player_volume=-5000|0",
        "Player_volume=loud|4998", "Font_style=2|2", "Font_style=7|3", "Font_colour=-20000000|-16777215",
        "Player_regional_setting=256|255", "Automatic_save_time=0|1", "Player_brightness=-1|0",
        "Player_contrast=30000|20000", "Player_step=100|99"}) {
    const std::string line = c.substr(0, c.find('|'));
    const auto key = std::ranges::find(ConfigKeys, line.substr(0, line.find('='))) - ConfigKeys.begin();
    EXPECT_EQ(ConfigValues(Load(line), "")[static_cast<std::size_t>(key)], c.substr(c.find('|') + 1)) << line;
  }
  EXPECT_EQ(Load("Player_volume=4998").PlayerVolumePosition, 6);
  Configuration bold;
  bold.EditorFont.style = FontStyle::Bold;
  EXPECT_EQ(Load("Font_style=x", bold).EditorFont.style, FontStyle::Regular);
}

// Each case is "text|read": 0 or 1, or "=" when the current value stays.
TEST(ApplyConfigValues, ReadsNumbersAndTrueOrFalseAsBooleansAndKeepsTheCurrentValueOtherwise) {
  for (const std::string c :
       {"0|0", "-000|0", "1|1", "-3|1", "12345678901234567890|1", "TRUE|1", "fAlSe|0", "|=", "yes|=", " 1|="}) {
    const char result = c.back();
    for (bool current : {false, true}) {
      Configuration config;
      config.BackupSave = current;
      EXPECT_EQ(Load("Backup_save=" + c.substr(0, c.find('|')), config).BackupSave,
                result == '=' ? current : result == '1')
          << c;
    }
  }
}

TEST(ApplyConfigValues, TakesOnlyInstalledFontNamesEmptiesTheTextSettingsAndKeepsEveryOtherValue) {
  Configuration config;
  EXPECT_FALSE(ApplyConfigValues({}, config, OnlyDejaVuInstalled));
  EXPECT_EQ(ConfigValues(config, ""), ConfigValues(Defaults, ""));
  config.LastAccessedFolder = "/home";
  const std::vector<std::string> defaults = ConfigValues(config, "");
  config = Load("Language=Deutsch\r\nFont_name=DejaVu Sans\r\nPlayer_font_name=Nowhere Sans\r\n", config);
  EXPECT_EQ(std::tuple(config.Language, config.EditorFont.name, config.LastAccessedFolder, config.SegmentText),
            std::tuple("Deutsch", "DejaVu Sans", "", ""));
  std::vector<std::string> values = ConfigValues(config, "");
  for (std::size_t key : {1, 3, 25}) values[key] = defaults[key];
  EXPECT_EQ(values, defaults);  // the player's font name among them: it is not installed
}

TEST(ExtensionsToRegister, KeepsTheKnownSubtitleExtensionsLowerCasedInTheOrderGiven) {
  for (auto [value, list] : std::initializer_list<std::pair<const char*, const char*>>{
           {"SRT,sub;avi", "srt;sub;"}, {"ssa txt;;TXT,", "ssa;txt;"}, {"", ""}, {"srt.sub", ""}, {";sub", "sub;"}}) {
    EXPECT_EQ(ExtensionsToRegister(value), list) << value;
  }
  EXPECT_EQ(Load("Register_these_extensions_at_load=SRT,sub;avi").RegisterExtensionsAtLoad, "srt;sub;");
}

// Every setting away from its default, in the order and form the program writes them, is read
// and written back byte for byte.
TEST(WriteConfigFile, WritesEveryKeyInOrderWithCrLfAndGivesBackEveryValueWhenReadAgain) {
  const std::string file =
      "[Configuration]\r\nLast_accessed_folder=/srv/a b\r\nLanguage=Polski\r\nWordwrap=0\r\n"
      "Font_name=DejaVu Sans\r\nFont_size=14\r\nFont_style=3\r\nFont_colour=-16777215\r\nRegional_setting=238\r\n"
      "Automatic_save=0\r\nAutomatic_save_time=99\r\nSave_type=0\r\nBackup_save=0\r\nMaximized=1\r\n"
      "Register_these_extensions_at_load=sub;srt;\r\nComma_in_SubRip=0\r\nPlayer_font_name=DejaVu Sans\r\n"
      "Player_font_size=50\r\nPlayer_font_style=1\r\nPlayer_font_colour=255\r\nPlayer_regional_setting=0\r\n"
      "Player_brightness=0\r\nPlayer_contrast=20000\r\nPlayer_volume=9996\r\nPlayer_step=1\r\n"
      "Advanced_automatic_repair=0\r\nSegment_text=Part =\r\n";
  TempFolder folder;
  const std::string path = folder.Write("tessary.ini", file);
  Configuration read;
  ASSERT_TRUE(ApplyConfigValues(ReadConfigFile(path), read, OnlyDejaVuInstalled));
  ASSERT_TRUE(WriteConfigFile(path, ConfigValues(read, read.LastAccessedFolder)));
  EXPECT_EQ(testing::ReadBytes(path), file);
  EXPECT_FALSE(WriteConfigFile((folder.Path() / "missing" / "tessary.ini").string(), {}));
  Configuration config;
  config.Language = "";
  EXPECT_EQ(ConfigValues(config, "")[1], "English");
  // A folder name with a line break would add a line of its own.
  EXPECT_EQ(ConfigValues(config, "/home/a\nLanguage=X")[0], "");
}

TEST(EnterLastAccessedFolder, EntersTheNearestExistingFolderWhenLevelsWereDeleted) {
  const std::filesystem::path before = std::filesystem::current_path();
  TempFolder folder;
  std::filesystem::create_directories(folder.Path() / "kept");
  EnterLastAccessedFolder((folder.Path() / "kept" / "deleted" / "deleted too").string());
  EXPECT_EQ(std::filesystem::current_path(), folder.Path() / "kept");
  EnterLastAccessedFolder("");
  EXPECT_EQ(std::filesystem::current_path(), folder.Path() / "kept");
  std::filesystem::current_path(before);
}

}  // namespace
}  // namespace tessary
