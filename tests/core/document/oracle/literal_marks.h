// Style-mark rules written the plain way: each pass searches the text again from its start
// and edits it in place.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <numeric>
#include <regex>
#include <string>
#include <vector>

namespace tessary::oracle {

inline bool Letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Returns the number of "|" removed: leading, trailing, then the first of every "||".
inline int TidyLineSeparators(std::string& s) {
  int removed = 0;
  while (!s.empty() && s.front() == '|') s.erase(0, 1), ++removed;
  while (!s.empty() && s.back() == '|') s.pop_back(), ++removed;
  for (std::size_t f; (f = s.find("||")) != std::string::npos;) s.erase(f, 1), ++removed;
  return removed;
}

// Per tag <b>, <i>, <u>, <s>: inside the region from an opening tag to its closing tag (or
// the end), every further opening tag of the kind is deleted. Returns the number deleted.
inline int RemoveRepeatedOpeningTags(std::string& s) {
  int removed = 0;
  for (char l : {'b', 'i', 'u', 's'}) {
    const std::string open = {'<', l, '>'}, close = {'<', '/', l, '>'};
    for (std::size_t from = 0; from < s.size();) {
      std::size_t p = s.find(open, from);
      if (p == std::string::npos) break;
      std::size_t q = std::min(s.find(close, p + 3), s.size());
      for (std::size_t r; (r = s.find(open, p + 3)) != std::string::npos && r + 3 <= q;)
        s.erase(r, 3), q -= 3, ++removed;
      from = q + 4;
    }
  }
  return removed;
}

// Characters that remember where they came from (-2 when put in), so that the closing tag
// of a span is still known after codes were put in and tags taken out in front of it.
struct TrackedText {
  std::string s;
  std::vector<int> id;
  void Insert(std::size_t at, const std::string& t, int mark = -2) {
    s.insert(at, t);
    id.insert(id.begin() + static_cast<long>(at), t.size(), mark);
  }
  void Erase(std::size_t at, std::size_t n) {
    s.erase(at, n);
    id.erase(id.begin() + static_cast<long>(at), id.begin() + static_cast<long>(at + n));
  }
};

inline std::string SubRipToMicroDVD(const std::string& text) {
  TrackedText t{text, std::vector<int>(text.size())};
  std::iota(t.id.begin(), t.id.end(), 0);
  // Per letter, the span of the last tag converted: it runs to the "<" of the closing tag
  // with that id, or to the end of the text.
  constexpr int ToTheEnd = -1;
  std::map<char, int> spanClose;
  auto spanOpen = [&](char l) {
    return spanClose.contains(l) && (spanClose[l] == ToTheEnd || std::ranges::find(t.id, spanClose[l]) != t.id.end());
  };
  for (;;) {
    std::size_t p = 0;
    while (p < t.s.size() && !(t.s[p] == '<' && p + 1 < t.s.size() && (Letter(t.s[p + 1]) || t.s[p + 1] == '/') &&
                               t.s.find('>', p) != std::string::npos))
      ++p;
    if (p >= t.s.size()) break;
    std::size_t q = t.s.find('>', p);
    const std::string content = t.s.substr(p + 1, q - p - 1);
    t.Erase(p, q - p + 1);
    if (content.size() != 1 || std::string("bisu").find(content[0]) == std::string::npos) continue;
    const char l = content[0];
    if (spanOpen(l)) continue;  // a repeat inside its own span goes like any other tag
    const std::string lineCode = {'{', 'y', ':', l, '}'};
    std::size_t c = t.s.find(std::string{'<', '/', l, '>'}, p);
    if (c == std::string::npos) {
      bool afterLeadingCode =
          p >= 2 && t.s[0] == '{' && t.s[p - 1] == '}' && t.s.substr(1, p - 2).find_first_of("{}") == std::string::npos;
      if (p == 0 || afterLeadingCode) {
        t.Insert(p, std::string{'{', 'Y', ':', l, '}'});
        spanClose[l] = ToTheEnd;
        continue;
      }
    }
    spanClose[l] = c == std::string::npos ? ToTheEnd : t.id[c];
    t.Insert(p, lineCode);
    std::size_t end = c == std::string::npos ? t.s.size() : c + 5;
    for (std::size_t w = p + 5; w < end; ++w)
      if (t.s[w] == '|') t.Insert(w + 1, lineCode), end += 5, w += 5;
  }
  // Line codes at the end of a line that "|" closes go, unless the line holds nothing else.
  std::string s;
  std::size_t from = 0;
  static const std::regex code(R"(\{y:[^}]*\})"), codesAtEnd(R"((\{y:[^}]*\})+$)");
  for (std::size_t bar; (bar = t.s.find('|', from)) != std::string::npos; from = bar + 1) {
    const std::string line = t.s.substr(from, bar - from);
    s += (std::regex_replace(line, code, "").empty() ? line : std::regex_replace(line, codesAtEnd, "")) + "|";
  }
  s += t.s.substr(from);
  for (char kind : {'y', 'Y'}) {
    const std::string head = {'{', kind, ':'};
    auto single = [&](std::size_t f) {
      return f + 5 <= s.size() && s.compare(f, 3, head) == 0 && Letter(s[f + 3]) && s[f + 4] == '}';
    };
    for (std::size_t from = 0;;) {
      std::size_t f = s.find(head, from);
      if (f == std::string::npos || !single(f) || !single(f + 5)) break;
      char x = s[f + 3], y = s[f + 8];
      std::string code = head + (x == y ? std::string{x} : std::string{std::min(x, y), std::max(x, y)}) + "}";
      s.replace(f, 10, code);
      from = f + code.size();
    }
  }
  return s;
}

inline std::string MicroDVDToSubRip(const std::string& text) {
  constexpr int LineTag = -3;  // the opening tags of line codes
  TrackedText t{text, std::vector<int>(text.size())};
  std::string subtitleLetters;
  for (;;) {
    std::size_t p = 0;
    while (p < t.s.size() && !(t.s[p] == '{' && p + 2 < t.s.size() && Letter(t.s[p + 1]) && t.s[p + 2] == ':' &&
                               t.s.find('}', p + 3) != std::string::npos))
      ++p;
    if (p >= t.s.size()) break;
    std::size_t q = t.s.find('}', p + 3);
    std::string content = t.s.substr(p + 1, q - p - 1);
    t.Erase(p, q - p + 1);
    const char kind = content[0];
    if (kind != 'y' && kind != 'Y') continue;  // colour, font, size, position
    for (char& c : content) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (char l : {'s', 'u', 'i', 'b'}) {
      if (content.find(l, 2) == std::string::npos) continue;
      if (kind == 'Y') subtitleLetters += l;
      t.Insert(kind == 'y' ? p : 0, std::string{'<', l, '>'}, kind == 'y' ? LineTag : -2);
    }
  }
  // Each display line that a "|" ends closes the tags of its line codes, in reverse order; a letter that a
  // subtitle code holds, or that a line code of the line opened already, is not opened again.
  std::string s, open;
  for (std::size_t i = 0; i <= t.s.size(); ++i) {
    if (i < t.s.size() && t.id[i] == LineTag) {
      const char l = t.s[i + 1];
      if (subtitleLetters.find(l) == std::string::npos && open.find(l) == std::string::npos)
        open += l, s += t.s.substr(i, 3);
      i += 2;
      continue;
    }
    if (i < t.s.size() && t.s[i] == '|') {
      for (auto l = open.rbegin(); l != open.rend(); ++l) s += std::string{'<', '/', *l, '>'};
      open.clear();
    }
    if (i < t.s.size()) s += t.s[i];
  }
  RemoveRepeatedOpeningTags(s);
  return s;
}

}  // namespace tessary::oracle
