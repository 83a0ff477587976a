#include "document/style_marks.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "document/line_patterns.h"
#include "document/line_split.h"

namespace tessary {

namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

constexpr std::string_view StyleLetters = "bisu";

// Drops every `open` tag that starts after an `open` tag and before its `close` tag
// (or the end). Copies the text once; a tag formed by a removal is found too.
int RemoveRepeated(std::string& text, std::string_view open, std::string_view close) {
  std::size_t p = text.find(open);
  if (p == std::string::npos) return 0;
  int removed = 0;
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (p != std::string::npos) {
    out.append(text, i, p + open.size() - i);
    i = p + open.size();
    std::size_t q = std::min(text.find(close, i), text.size());
    const std::size_t regionStart = out.size();
    // Nothing before the first `open` of the span can go: that part is copied at once.
    const std::size_t inner = std::min(text.find(open, i), q);
    out.append(text, i, inner - i);
    for (i = inner; i < q; ++i) {
      out.push_back(text[i]);
      if (out.size() - regionStart >= open.size() && std::string_view(out).ends_with(open)) {
        out.resize(out.size() - open.size());
        ++removed;
      }
    }
    if (q >= text.size()) break;
    out.append(close);
    i = q + close.size();
    p = text.find(open, i);
  }
  if (i < text.size()) out.append(text, i, std::string::npos);
  text.swap(out);
  return removed;
}

// Merges pairs of one-letter codes from the start: "{y:i}{y:b}" becomes "{y:bi}".
void MergeCodes(std::string& text, char kind) {
  const std::string head = {'{', kind, ':'};
  std::string out;
  std::size_t i = 0;
  for (;;) {
    std::size_t f = text.find(head, i);
    if (f == std::string::npos || f + 10 > text.size()) break;
    char x = text[f + 3], y = text[f + 8];
    if (!IsLetter(x) || text[f + 4] != '}' || text.compare(f + 5, 3, head) != 0 || !IsLetter(y) || text[f + 9] != '}')
      break;
    out.append(text, i, f - i);
    out += head;
    if (x == y) {
      out += x;
    } else {
      out += std::min(x, y);
      out += std::max(x, y);
    }
    out += '}';
    i = f + 10;
  }
  if (i == 0) return;
  out.append(text, i, std::string::npos);
  text.swap(out);
}

// Line codes left at the end of a line that "|" closes cover nothing there and go (not from a
// line of codes alone, which would leave an empty line behind); a span that goes on has its
// code on the next line already. Then adjacent codes are merged. A line code is "{y:" up to
// the next "}" of its line.
void TidyLineCodes(std::string& text) {
  // Most texts hold no code at all: one look for "{" settles that.
  if (text.find('{') == std::string::npos) return;
  if (text.find("{y:") != std::string::npos && text.find('|') != std::string::npos) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t bar; (bar = text.find('|', start)) != std::string::npos; start = bar + 1) {
      const std::string_view line(text.data() + start, bar - start);
      std::size_t run = std::string_view::npos;  // where the codes that end the line begin
      for (std::size_t i = 0; i < line.size();) {
        if (line.compare(i, 3, "{y:") != 0) {
          run = std::string_view::npos;
          ++i;
          continue;
        }
        const std::size_t close = line.find('}', i + 3);
        if (close == std::string_view::npos) {
          run = std::string_view::npos;
          break;
        }
        if (run == std::string_view::npos) run = i;
        i = close + 1;
      }
      out.append(line.substr(0, run == std::string_view::npos || run == 0 ? line.size() : run));
      out.push_back('|');
    }
    out.append(text, start);
    text.swap(out);
  }
  MergeCodes(text, 'y');
  MergeCodes(text, 'Y');
}

}  // namespace

int TidyLineSeparators(std::string& text) {
  if (text.empty() || (text.front() != '|' && text.back() != '|' && text.find("||") == std::string::npos)) return 0;
  std::size_t before = text.size();
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '|' || (!out.empty() && out.back() != '|')) out.push_back(c);
  if (!out.empty() && out.back() == '|') out.pop_back();
  text.swap(out);
  return static_cast<int>(before - text.size());
}

bool HasTimeLikeDisplayLine(std::string_view text) {
  for (std::size_t from = 0;;) {
    const std::size_t bar = std::min(text.find('|', from), text.size());
    if (TimeLineScore(TrimmedLineEnds(text.substr(from, bar - from)))) return true;
    if (bar == text.size()) return false;
    from = bar + 1;
  }
}

// Most texts lose nothing: one look without a copy settles that.
void RemoveUnwrittenDisplayLines(std::string& text, bool subRip) {
  auto blank = [](std::string_view line) { return TrimmedLineEnds(line).empty(); };
  auto goes = [&](std::string_view line) { return line.empty() || (subRip && blank(line)); };
  auto forEachLine = [&](auto visit) {
    for (std::size_t from = 0;;) {
      const std::size_t bar = std::min(text.find('|', from), text.size());
      visit(std::string_view(text.data() + from, bar - from));
      if (bar == text.size()) break;
      from = bar + 1;
    }
  };
  bool any = false, lastKeptBlank = false;
  forEachLine([&](std::string_view line) {
    if (goes(line))
      any = true;
    else
      lastKeptBlank = blank(line);
  });
  if (!any && !lastKeptBlank) return;
  std::vector<std::string_view> kept;
  forEachLine([&](std::string_view line) {
    if (!goes(line)) kept.push_back(line);
  });
  while (!kept.empty() && blank(kept.back())) kept.pop_back();
  std::string out;
  for (std::string_view line : kept) {
    if (!out.empty()) out += '|';
    out += line;
  }
  text.swap(out);
}

int RemoveRepeatedOpeningTags(std::string& text) {
  // Most texts hold no style tag at all: one look at every "<" settles that.
  bool anyTag = false;
  for (std::size_t at = text.find('<'); at != std::string::npos && !anyTag; at = text.find('<', at + 1))
    anyTag = at + 2 < text.size() && text[at + 2] == '>' && StyleLetters.find(text[at + 1]) != std::string_view::npos;
  if (!anyTag) return 0;
  int removed = 0;
  for (char letter : {'b', 'i', 'u', 's'})
    removed += RemoveRepeated(text, std::string{'<', letter, '>'}, std::string{'<', '/', letter, '>'});
  return removed;
}

// Tags are taken from left to right. A line code covers one display line, so a tag's code
// is also put after every "|" of its span, even where the line starts with the same tag: a
// tag repeated inside the span of the same tag is dropped like any other tag (it adds
// nothing, and repeating its codes would only multiply them).
void SubRipToMicroDVD(std::string& text) {
  if (text.find('<') == std::string::npos) {
    TidyLineCodes(text);
    return;
  }
  std::string in = text;
  const std::size_t n = in.size();
  std::size_t lastClose = in.rfind('>');
  std::vector<std::size_t> bars;
  for (std::size_t k = 0; k < n; ++k)
    if (in[k] == '|') bars.push_back(k);
  // Codes waiting after each "|", in the order they were put there.
  std::vector<std::string> pending(bars.size());
  std::array<std::size_t, 4> spanEnd{};  // per style letter: where its open span ends
  std::array<bool, 4> spanOpen{};

  std::string out;
  out.reserve(n + n / 4);
  std::size_t nextBar = 0;
  for (std::size_t i = 0; i < n;) {
    while (nextBar < bars.size() && bars[nextBar] < i) ++nextBar;  // those inside removed tags
    char c = in[i];
    bool tagStart = c == '<' && i + 1 < n && (IsLetter(in[i + 1]) || in[i + 1] == '/') &&
                    lastClose != std::string::npos && lastClose > i;
    if (!tagStart) {
      out.push_back(c);
      if (c == '|') {
        const std::string& codes = pending[nextBar++];
        for (auto it = codes.rbegin(); it != codes.rend(); ++it) out += std::string{'{', 'y', ':', *it, '}'};
      }
      ++i;
      continue;
    }
    std::size_t q = in.find('>', i + 1);
    std::string_view content(in.data() + i + 1, q - i - 1);
    std::size_t letter = content.size() == 1 ? StyleLetters.find(content[0]) : std::string_view::npos;
    bool nested = letter != std::string_view::npos && spanOpen[letter] && spanEnd[letter] > i;
    if (letter == std::string_view::npos || nested) {
      // A plain removal may join a "<" before it with what follows into a new tag.
      if (!out.empty() && out.back() == '<' && q + 1 < n && (IsLetter(in[q + 1]) || in[q + 1] == '/')) {
        out.pop_back();
        in[q] = '<';
        i = q;
      } else {
        i = q + 1;
      }
      continue;
    }
    const char l = content[0];
    const std::string closing = {'<', '/', l, '>'};
    std::size_t close = in.find(closing, q + 1);
    if (close == std::string::npos) {
      bool atStart = out.empty();
      bool afterLeadingCode =
          !out.empty() && out.front() == '{' && out.back() == '}' && out.find_first_of("{}", 1) == out.size() - 1;
      if (atStart || afterLeadingCode) {
        out += std::string{'{', 'Y', ':', l, '}'};
        spanOpen[letter] = true;
        spanEnd[letter] = n;
        i = q + 1;
        continue;
      }
    }
    const std::size_t end = close == std::string::npos ? n : close;
    out += std::string{'{', 'y', ':', l, '}'};
    spanOpen[letter] = true;
    spanEnd[letter] = end;
    for (std::size_t b = nextBar; b < bars.size() && bars[b] < end; ++b) {
      if (bars[b] >= q) pending[b].push_back(l);
    }
    i = q + 1;
  }

  TidyLineCodes(out);
  text.swap(out);
}

// Codes are taken from left to right; a plain removal may join what stood before it with what
// follows into a new code. Subtitle codes put their tags at the start. The tags of line codes
// are closed where their display line ends at a "|" (the end of the subtitle closes the last
// line's), except where a subtitle code or an earlier line code of that line holds the letter
// already.
void MicroDVDToSubRip(std::string& text) {
  if (text.find('{') == std::string::npos) {
    RemoveRepeatedOpeningTags(text);
    return;
  }
  std::string body;
  body.reserve(text.size());
  std::vector<std::string> front;  // tags put at the very start, latest first when joined
  std::string subtitleLetters;
  std::vector<std::pair<std::size_t, char>> lineTags;  // where in `body` a line code's tag stands
  std::string in = text;
  const std::size_t n = in.size();
  std::size_t lastBrace = in.rfind('}');
  auto codeAt = [&](std::size_t i) {
    return i + 2 < n && in[i] == '{' && IsLetter(in[i + 1]) && in[i + 2] == ':' && lastBrace != std::string::npos &&
           lastBrace >= i + 3;
  };
  auto lettersOf = [](std::string_view content) {
    std::string letters;
    for (char l : {'b', 'i', 'u', 's'})
      if (std::any_of(content.begin(), content.end(), [&](char c) { return (c | 0x20) == l; })) letters += l;
    return letters;
  };
  for (std::size_t i = 0; i < n;) {
    if (!codeAt(i)) {
      body.push_back(in[i++]);
      continue;
    }
    std::size_t q = in.find('}', i + 3);
    const char kind = in[i + 1];
    std::string letters = kind == 'y' || kind == 'Y' ? lettersOf(std::string_view(in).substr(i + 3, q - i - 3)) : "";
    i = q + 1;
    if (kind == 'Y') {
      std::string tags;
      for (char l : letters) tags += std::string{'<', l, '>'};
      front.push_back(std::move(tags));
      subtitleLetters += letters;
      letters.clear();
    }
    for (char l : letters) {
      lineTags.emplace_back(body.size(), l);
      body += std::string{'<', l, '>'};
    }
    // A plain removal may join a "{" or "{x" before it with what follows into a new code.
    if (letters.empty()) {
      std::size_t back = std::min<std::size_t>(2, body.size());
      while (back > 0 && body[body.size() - back] != '{') --back;
      if (back > 0) {
        for (std::size_t k = 0; k < back; ++k) in[i - back + k] = body[body.size() - back + k];
        body.resize(body.size() - back);
        i -= back;
        if (lastBrace != std::string::npos && lastBrace >= i && lastBrace < i + back)
          lastBrace = lastBrace == 0 ? std::string::npos : in.rfind('}', lastBrace - 1);
      }
    }
  }
  std::string out;
  out.reserve(body.size() + 16 + 4 * lineTags.size());
  for (auto it = front.rbegin(); it != front.rend(); ++it) out += *it;
  std::string open;  // letters the line codes of the current display line opened
  auto next = lineTags.begin();
  for (std::size_t i = 0; i <= body.size(); ++i) {
    if (next != lineTags.end() && next->first == i) {
      const char l = (next++)->second;
      if (subtitleLetters.find(l) == std::string::npos && open.find(l) == std::string::npos) {
        open += l;
        out += std::string{'<', l, '>'};
      }
      i += 2;
      continue;
    }
    if (i < body.size() && body[i] == '|') {
      for (auto l = open.rbegin(); l != open.rend(); ++l) out += std::string{'<', '/', *l, '>'};
      open.clear();
    }
    if (i < body.size()) out.push_back(body[i]);
  }
  RemoveRepeatedOpeningTags(out);
  text.swap(out);
}

}  // namespace tessary
