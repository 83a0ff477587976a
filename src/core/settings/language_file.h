// Language files: the message table in another language, one entry per line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/message_table.h"

namespace tessary {

// Returns the entries of a language file in order (at most MessageCount), as UTF-8 with
// "\n" turned into CR LF and "\t" into TAB. Empty lines and lines starting with "//" are
// not entries. A file that is not UTF-8 is read as Windows-1250.
std::vector<std::string> ReadLanguageEntries(std::string_view fileBytes);

// Loads the language file at `path` over `table`: the entries it holds replace the first
// ones, the rest keep their text. Returns false, changing nothing, when it cannot be read.
bool LoadLanguageFile(const std::string& path, MessageTable& table);

}  // namespace tessary
