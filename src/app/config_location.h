// Where the configuration file lives: $XDG_CONFIG_HOME/Tessary/, or beside the program
// when that folder cannot be made.
#pragma once

#include <string>
#include <vector>

namespace tessary {

std::string ConfigFilePath();

// The folders searched for language files: "lang" beside the program, then the installed one.
std::vector<std::string> LanguageFolders();

}  // namespace tessary
