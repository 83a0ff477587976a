// The configuration file: the user's settings, read once at start-up and written at exit and
// on Apply of the Options dialog.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

enum class FontStyle { Regular, Bold, BoldItalic, Italic };  // style codes 0, 1, 2, 3

struct FontSetting {
  std::string name;  // empty: the window's own font
  int size = 10;
  FontStyle style = FontStyle::Regular;
  std::int32_t colour = 8388608;  // a 0x00BBGGRR colour value; negative values name system colours
  int charset = 1;                // Regional_setting, kept and written back as read
};

// The 26 settings, with the defaults they have before the file is read.
struct Configuration {
  std::string LastAccessedFolder;
  std::string Language = "English";
  bool Wordwrap = true;
  FontSetting EditorFont;
  bool AutomaticSave = true;
  int AutomaticSaveTime = 5;  // minutes, 1..99
  bool SaveType = true;       // true: automatic save writes FILE.sav; false: saves the file
  bool BackupSave = true;
  bool Maximized = false;
  std::string RegisterExtensionsAtLoad;  // e.g. "srt;sub;" (each token followed by ";")
  bool CommaInSubRip = true;
  FontSetting PlayerFont;
  int PlayerBrightness = 2000;   // 0..10000
  int PlayerContrast = 10000;    // 0..20000
  int PlayerVolumePosition = 6;  // the volume slider's position, 0..12
  int PlayerStep = 5;            // 1..99
  bool AdvancedAutomaticRepair = true;
  std::string SegmentText = "CD";
};

// The keys in file order.
extern const std::array<const char*, 26> ConfigKeys;

// Returns the file name of the configuration for an executable: its name without extension
// + ".ini".
std::string ConfigFileName(const std::string& executableFileName);

// Reads the values of the file (index = key number); empty when the file is missing or its
// first line is not exactly "[Configuration]". A line belongs to the first key (in file order)
// followed by "=" found anywhere in it; its value is the text after that key's length + 1.
std::vector<std::string> ReadConfigFile(const std::string& path);

// Applies values as read (fewer than 26 count as empty), clamping numbers to their ranges;
// the current values of `config` are the defaults, except that the word wrap, the maximized
// state and the font styles fall back to true, false and regular. `fontInstalled` says
// whether a font of that exact name exists. Returns false and changes nothing when `values`
// is empty.
bool ApplyConfigValues(const std::vector<std::string>& values, Configuration& config,
                       const std::function<bool(const std::string&)>& fontInstalled);

// The 26 values to write, in key order: Last_accessed_folder is `currentFolder`; an empty
// Language is written "English"; booleans "1"/"0"; styles as codes; Player_volume =
// position x 833.
std::vector<std::string> ConfigValues(const Configuration& config, const std::string& currentFolder);

// Replaces the file with "[Configuration]" and the 26 "key=value" lines, each ending in CR LF.
// Returns false (and leaves the file as it was) on failure.
bool WriteConfigFile(const std::string& path, const std::vector<std::string>& values);

// The tokens of a Register_these_extensions_at_load value that name txt, sub, srt or ssa
// (lower-cased; split at blanks, "," and ";"), each followed by ";", in the order given
// (no duplicates).
std::string ExtensionsToRegister(std::string_view value);

// Makes `folder` the current directory; when that fails, the nearest existing parent folder
// (never above the root). An empty path does nothing.
void EnterLastAccessedFolder(const std::string& folder);

}  // namespace tessary
