#include "document/line_split.h"

#include <algorithm>
#include <utility>

namespace tessary {

namespace {
void Put(std::vector<std::string>& lines, int n, std::string_view text) {
  if (static_cast<int>(lines.size()) <= n) lines.resize(static_cast<std::size_t>(n) + 1);
  lines[n].assign(text);
}
}  // namespace

// The next CR and the next LF are each searched for on their own, and again only once the
// split has passed them: every byte is looked at at most once for each.
int SplitFileLines(std::string_view bytes, std::vector<std::string>& lines, int maxLines, std::string_view* rest) {
  int n = 0;
  std::size_t i = 0, cr = bytes.find('\r'), lf = bytes.find('\n');
  while (i < bytes.size() && n < maxLines) {
    if (cr < i) cr = bytes.find('\r', i);
    if (lf < i) lf = bytes.find('\n', i);
    const std::size_t end = std::min({cr, lf, bytes.size()});
    Put(lines, ++n, bytes.substr(i, end - i));
    i = end + (end == cr && lf == end + 1 ? 2 : 1);
  }
  if (rest) *rest = bytes.substr(std::min(i, bytes.size()));
  return n;
}

int SplitEditorLines(std::string_view text, std::vector<std::string>& lines, int maxLines, std::string_view* rest) {
  int n = 1;
  std::size_t i = 0;
  for (;;) {
    std::size_t end = text.find('\r', i);
    std::string_view segment = text.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i);
    Put(lines, n, segment);
    if (segment.find('\n') != std::string_view::npos) std::erase(lines[n], '\n');
    if (end == std::string_view::npos || n == maxLines) {
      if (rest) *rest = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      return n;
    }
    ++n;
    i = end + 1;
  }
}

std::string_view TrimmedLineEnds(std::string_view line) {
  std::size_t end = line.size();
  while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\b')) --end;
  std::size_t begin = 0;
  while (begin < end && line[begin] == ' ') ++begin;
  return line.substr(begin, end - begin);
}

int TrimLineEnds(std::string& line) {
  const std::string_view kept = TrimmedLineEnds(line);
  if (kept.size() == line.size()) return 0;
  const int removed = static_cast<int>(line.size() - kept.size());
  line = std::string(kept);
  return removed;
}

std::string JoinLines(const std::vector<std::string>& lines, int first, int last) {
  std::size_t size = 0;
  for (int i = first; i <= last; ++i) size += lines[i].size() + 2;
  std::string out;
  out.reserve(size);
  for (int i = first; i <= last; ++i) {
    if (i > first) out += "\r\n";
    out += lines[i];
  }
  return out;
}

std::string FileText(std::string&& bytes, const std::vector<std::string>& lines, int count) {
  // The bytes are the text when every line but the last ends in CR LF.
  std::size_t end = 0;
  bool same = true;
  for (int i = 1; i <= count && same; ++i) {
    end += lines[i].size();
    if (i < count) {
      same = bytes.compare(end, 2, "\r\n") == 0;
      end += 2;
    }
  }
  if (same) {
    bytes.resize(end);
    return std::move(bytes);
  }
  std::string().swap(bytes);
  return JoinLines(lines, 1, count);
}

}  // namespace tessary
