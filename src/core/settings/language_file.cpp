#include "settings/language_file.h"

#include <fstream>
#include <iterator>

#include "document/encoding.h"
#include "document/windows1250.h"

namespace tessary {

namespace {

// One entry: "\n" becomes CR LF, then "\t" a TAB, each in a single left-to-right pass.
std::string Unescape(std::string_view line, bool windows1250) {
  std::string withBreaks;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
      withBreaks += "\r\n";
      ++i;
    } else {
      withBreaks += line[i];
    }
  }
  std::string entry;
  for (std::size_t i = 0; i < withBreaks.size(); ++i) {
    const auto c = static_cast<unsigned char>(withBreaks[i]);
    if (c == '\\' && i + 1 < withBreaks.size() && withBreaks[i + 1] == 't') {
      entry += '\t';
      ++i;
    } else if (windows1250 && c >= 0x80) {
      AppendUtf8(entry, Windows1250ToUnicode(c));
    } else {
      entry += static_cast<char>(c);
    }
  }
  return entry;
}

}  // namespace

std::vector<std::string> ReadLanguageEntries(std::string_view bytes) {
  std::string_view body = bytes;
  if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
  const bool windows1250 = !IsUtf8WithMultiByte(body);
  std::vector<std::string> entries;
  std::size_t at = 0;
  while (at < body.size() && entries.size() < static_cast<std::size_t>(MessageCount)) {
    std::size_t end = body.find('\n', at);
    if (end == std::string_view::npos) end = body.size();
    std::string_view line = body.substr(at, end - at);
    if (line.ends_with('\r')) line.remove_suffix(1);
    at = end + 1;
    if (line.empty() || line.starts_with("//")) continue;
    entries.push_back(Unescape(line, windows1250));
  }
  return entries;
}

bool LoadLanguageFile(const std::string& path, MessageTable& table) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  if (in.bad()) return false;
  const std::vector<std::string> entries = ReadLanguageEntries(bytes);
  for (std::size_t i = 0; i < entries.size(); ++i) table.SetEntry(static_cast<int>(i) + 1, entries[i]);
  return true;
}

}  // namespace tessary
