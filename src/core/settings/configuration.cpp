#include "settings/configuration.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>

#include "document/safe_write.h"
#include "document/units.h"

namespace tessary {

const std::array<const char*, 26> ConfigKeys = {
    "Last_accessed_folder",
    "Language",
    "Wordwrap",
    "Font_name",
    "Font_size",
    "Font_style",
    "Font_colour",
    "Regional_setting",
    "Automatic_save",
    "Automatic_save_time",
    "Save_type",
    "Backup_save",
    "Maximized",
    "Register_these_extensions_at_load",
    "Comma_in_SubRip",
    "Player_font_name",
    "Player_font_size",
    "Player_font_style",
    "Player_font_colour",
    "Player_regional_setting",
    "Player_brightness",
    "Player_contrast",
    "Player_volume",
    "Player_step",
    "Advanced_automatic_repair",
    "Segment_text",
};

namespace {

// Positions of the keys in ConfigKeys. A font takes five keys from its name on: name, size,
// style, colour, character set.
enum Key : std::size_t {
  LastAccessedFolderKey = 0,
  LanguageKey = 1,
  WordwrapKey = 2,
  FontNameKey = 3,
  AutomaticSaveKey = 8,
  AutomaticSaveTimeKey = 9,
  SaveTypeKey = 10,
  BackupSaveKey = 11,
  MaximizedKey = 12,
  RegisterExtensionsKey = 13,
  CommaInSubRipKey = 14,
  PlayerFontNameKey = 15,
  PlayerBrightnessKey = 20,
  PlayerContrastKey = 21,
  PlayerVolumeKey = 22,
  PlayerStepKey = 23,
  AdvancedAutomaticRepairKey = 24,
  SegmentTextKey = 25,
};

// The volume slider's position is stored multiplied by this.
constexpr int VolumeUnit = 833;
constexpr int MaxVolumePosition = 12;
constexpr std::int32_t MaxColour = 16777215;

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lower(std::string_view text) {
  std::string out(text);
  std::ranges::transform(out, out.begin(), AsciiLower);
  return out;
}

// A signed decimal number within 32 bits; no blanks.
std::optional<std::int32_t> ParseInteger(std::string_view text) {
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.empty() || !IsDigit(text.front())) return std::nullopt;
  }
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

int Integer(std::string_view text, int fallback, int low, int high) {
  return std::clamp(ParseInteger(text).value_or(fallback), low, high);
}

// A number (of any length) is false when zero; the words are accepted in any letter case.
std::optional<bool> ParseBoolean(std::string_view text) {
  const std::string word = Lower(text);
  if (word == "true") return true;
  if (word == "false") return false;
  if (text.starts_with('+') || text.starts_with('-')) text.remove_prefix(1);
  if (!IsAllDigits(text)) return std::nullopt;
  return text.find_first_not_of('0') != std::string_view::npos;
}

bool Boolean(std::string_view text, bool fallback) { return ParseBoolean(text).value_or(fallback); }

FontStyle StyleFromCode(int code) { return static_cast<FontStyle>(std::clamp(code, 0, 3)); }

std::string Flag(bool value) { return value ? "1" : "0"; }

void AppendFont(std::vector<std::string>& values, const FontSetting& font) {
  values.insert(values.end(), {font.name, std::to_string(font.size), std::to_string(static_cast<int>(font.style)),
                               std::to_string(font.colour), std::to_string(font.charset)});
}

// Reads a line ended by LF or CR LF (or by the end of the file) without its line end.
bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (line.ends_with('\r')) line.pop_back();
  return true;
}

}  // namespace

std::string ConfigFileName(const std::string& executableFileName) {
  return std::filesystem::path(executableFileName).filename().replace_extension(".ini").string();
}

std::vector<std::string> ReadConfigFile(const std::string& path) {
  std::vector<std::string> values;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  if (!in || !ReadLine(in, line) || line != "[Configuration]") return values;

  std::array<std::string, ConfigKeys.size()> assignments;
  std::ranges::transform(ConfigKeys, assignments.begin(), [](const char* key) { return std::string(key) + '='; });
  while (ReadLine(in, line)) {
    const auto found = std::ranges::find_if(
        assignments, [&](const std::string& assignment) { return line.find(assignment) != std::string::npos; });
    if (found == assignments.end()) continue;
    const auto key = static_cast<std::size_t>(found - assignments.begin());
    if (values.size() <= key) values.resize(key + 1);
    // The value is counted from the start of the line, wherever the key was found.
    values[key] = found->size() < line.size() ? line.substr(found->size()) : std::string();
  }
  return values;
}

bool ApplyConfigValues(const std::vector<std::string>& values, Configuration& config,
                       const std::function<bool(const std::string&)>& fontInstalled) {
  if (values.empty()) return false;
  auto value = [&](std::size_t key) {
    return key < values.size() ? std::string_view(values[key]) : std::string_view();
  };
  auto applyFont = [&](std::size_t first, int maxSize, FontSetting& font) {
    const std::string name(value(first));
    if (!name.empty() && fontInstalled && fontInstalled(name)) font.name = name;
    font.size = Integer(value(first + 1), font.size, 3, maxSize);
    font.style = StyleFromCode(Integer(value(first + 2), 0, 0, 3));
    font.colour = Integer(value(first + 3), font.colour, -MaxColour, MaxColour);
    font.charset = Integer(value(first + 4), font.charset, 0, 255);
  };

  config.LastAccessedFolder = value(LastAccessedFolderKey);
  config.Language = value(LanguageKey);
  config.Wordwrap = Boolean(value(WordwrapKey), true);
  applyFont(FontNameKey, 33, config.EditorFont);
  config.AutomaticSave = Boolean(value(AutomaticSaveKey), config.AutomaticSave);
  config.AutomaticSaveTime = Integer(value(AutomaticSaveTimeKey), config.AutomaticSaveTime, 1, 99);
  config.SaveType = Boolean(value(SaveTypeKey), config.SaveType);
  config.BackupSave = Boolean(value(BackupSaveKey), config.BackupSave);
  config.Maximized = Boolean(value(MaximizedKey), false);
  config.RegisterExtensionsAtLoad = ExtensionsToRegister(value(RegisterExtensionsKey));
  config.CommaInSubRip = Boolean(value(CommaInSubRipKey), config.CommaInSubRip);
  applyFont(PlayerFontNameKey, 50, config.PlayerFont);
  config.PlayerBrightness = Integer(value(PlayerBrightnessKey), config.PlayerBrightness, 0, 10000);
  config.PlayerContrast = Integer(value(PlayerContrastKey), config.PlayerContrast, 0, 20000);
  if (const auto stored = ParseInteger(value(PlayerVolumeKey)))
    config.PlayerVolumePosition = std::clamp(std::clamp(*stored / VolumeUnit, 0, 10000), 0, MaxVolumePosition);
  config.PlayerStep = Integer(value(PlayerStepKey), config.PlayerStep, 1, 99);
  config.AdvancedAutomaticRepair = Boolean(value(AdvancedAutomaticRepairKey), config.AdvancedAutomaticRepair);
  config.SegmentText = value(SegmentTextKey);
  return true;
}

std::vector<std::string> ConfigValues(const Configuration& config, const std::string& currentFolder) {
  std::vector<std::string> values{currentFolder, config.Language.empty() ? "English" : config.Language,
                                  Flag(config.Wordwrap)};
  AppendFont(values, config.EditorFont);
  values.insert(values.end(), {Flag(config.AutomaticSave), std::to_string(config.AutomaticSaveTime),
                               Flag(config.SaveType), Flag(config.BackupSave), Flag(config.Maximized),
                               config.RegisterExtensionsAtLoad, Flag(config.CommaInSubRip)});
  AppendFont(values, config.PlayerFont);
  values.insert(values.end(),
                {std::to_string(config.PlayerBrightness), std::to_string(config.PlayerContrast),
                 std::to_string(config.PlayerVolumePosition * VolumeUnit), std::to_string(config.PlayerStep),
                 Flag(config.AdvancedAutomaticRepair), config.SegmentText});
  // A line break inside a value would start a line of its own, read back as another key.
  for (std::string& v : values)
    if (v.find_first_of("\r\n") != std::string::npos) v.clear();
  return values;
}

bool WriteConfigFile(const std::string& path, const std::vector<std::string>& values) {
  std::string text = "[Configuration]\r\n";
  for (std::size_t key = 0; key < ConfigKeys.size(); ++key) {
    text += ConfigKeys[key];
    text += '=';
    if (key < values.size()) text += values[key];
    text += "\r\n";
  }
  return WriteFileSafely(path, text);
}

std::string ExtensionsToRegister(std::string_view value) {
  static constexpr std::array<std::string_view, 4> registrable{"txt", "sub", "srt", "ssa"};
  std::string list;
  for (std::size_t start = 0; start <= value.size();) {
    const std::size_t end = std::min(value.find_first_of(" \t,;", start), value.size());
    const std::string token = Lower(value.substr(start, end - start));
    // Every entry of the list is three letters and ";", so a match is always a whole entry.
    if (std::ranges::find(registrable, token) != registrable.end() && list.find(token + ';') == std::string::npos)
      list += token + ';';
    start = end + 1;
  }
  return list;
}

void EnterLastAccessedFolder(const std::string& folder) {
  if (folder.empty()) return;
  std::filesystem::path path(folder);
  for (;;) {
    std::error_code ec;
    std::filesystem::current_path(path, ec);
    if (!ec) return;
    std::filesystem::path parent = path.parent_path();
    if (parent.empty() || parent == path) return;
    path = std::move(parent);
  }
}

}  // namespace tessary
