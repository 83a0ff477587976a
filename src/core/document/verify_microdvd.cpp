// Verification of MicroDVD lines: "{start}{end}text", one subtitle a line.
#include <utility>

#include "document/line_split.h"
#include "document/units.h"
#include "document/verify_rules.h"

namespace tessary {

namespace {

// Checks and mends one line; returns the first problem it cannot mend.
LineProblem CheckMicroDVDLine(std::string& s, bool repair, int& changes, const MessageTable& msg) {
  // Positions below are 1-based, as the messages count them: at(k) is s[k - 1].
  auto at = [&](std::size_t k) -> char { return k >= 1 && k <= s.size() ? s[k - 1] : '\0'; };
  auto insert = [&](std::size_t k, const char* what) { s.insert(k - 1, what); };

  if (s.size() < 4) {
    if (!repair) return {static_cast<int>(s.size()) + 1, msg[Msg::ShorterThan4]};
    insert(1, "{0}{0}");
    changes += 2;
  }
  if (at(1) != '{') {
    if (IsDigit(at(2))) {
      insert(1, "{");
      changes += 1;
    } else if (!repair) {
      return {1, msg[Msg::OpenBraceMissing]};
    } else {
      insert(1, "{0");
      changes += 1;
    }
  }
  std::size_t k = 2;
  bool closed = false;
  for (; k < s.size(); ++k) {
    char c = at(k);
    if (c == '}') {
      closed = true;
      break;
    }
    if (IsDigit(c)) continue;
    if (c == '{' && (IsDigit(at(k + 1)) || at(k + 1) == '}')) {
      insert(k, "}");
    } else if (!repair) {
      return {static_cast<int>(k), "\"" + std::string(1, c) + "\" " + msg[Msg::NotANumber]};
    } else {
      insert(k, "}");
    }
    changes += 1;
    closed = true;
    break;
  }
  if (!closed) return {static_cast<int>(s.size()) + 1, msg[Msg::LineTooShort]};

  std::size_t j = k + 1;
  if (at(j) != '{') {
    if (IsDigit(at(j)) || at(j) == '}') {
      insert(j, "{");
    } else if (!repair) {
      return {static_cast<int>(j), msg[Msg::OpenBraceMissing]};
    } else {
      insert(j, "{}");
    }
    changes += 1;
  }
  bool secondClosed = false;
  while (j < s.size()) {
    ++j;
    if (at(j) == '}') {
      secondClosed = true;
      break;
    }
    if (!IsDigit(at(j))) {
      insert(j, "}");
      changes += 1;
      break;
    }
  }
  if (j >= s.size() && !secondClosed) return {static_cast<int>(s.size()) + 1, msg[Msg::CloseBraceMissing]};
  return {};
}

}  // namespace

std::string VerifiedMicroDVDLine(std::string_view text, int n, bool repair, const MessageTable& messages) {
  std::vector<std::string> lines;
  const int count = SplitEditorLines(text, lines, MaxLines);
  int changes = 0;
  for (int i = 1, kept = 0; i <= count; ++i) {
    TrimLineEnds(lines[i]);
    if (!lines[i].empty() && ++kept == n) {
      CheckMicroDVDLine(lines[i], repair, changes, messages);
      return lines[i];
    }
  }
  return {};
}

// Empty lines are dropped as they are met; the lines after them move up, so a line is
// reported under its number after the removal. The moves are made in one sweep.
void VerifyRules::MicroDVD() {
  auto& store = doc.store_;
  const int count = store.SubtitleCount;
  int kept = 0;
  for (int read = 1; read <= count; ++read) {
    if (Line(read).empty()) {
      Changed();
      continue;
    }
    ++kept;
    if (kept != read) std::swap(Line(kept), Line(read));
    LineProblem problem = CheckMicroDVDLine(Line(kept), Repair(), store.ChangeCount, doc.messages_);
    if (problem) {
      // Show the lines as the removals so far have left them: the unexamined rest moves up
      // and the places freed at the end are empty.
      int gap = read - kept;
      for (int i = read + 1; i <= count; ++i) std::swap(Line(i - gap), Line(i));
      for (int i = count - gap + 1; i <= count; ++i) Line(i).clear();
      store.SetSubtitleCount(count - gap);
      Report(kept, problem);
      return;
    }
  }
  for (int i = kept + 1; i <= count; ++i) Line(i).clear();
  store.SubtitleCount = kept;  // the read sizes the subtitles as it takes the lines over
}

}  // namespace tessary
