// The verification rules written the plain way: lines are inserted and erased in a vector,
// and the SubRip pass starts again from line 1 after every blank line it puts in. Slow on
// purpose; the engine's one-sweep versions are compared with it.
#pragma once

#include <cmath>
#include <cstdlib>
#include <deque>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tessary::oracle {

template <typename Container>
int Size(const Container& c) {
  return static_cast<int>(c.size());
}
inline bool Digit(char c) { return c >= '0' && c <= '9'; }
inline std::string Quote(char c) { return "\"" + std::string(1, c) + "\""; }

// Pattern characters: 'd' a digit, '.' a "." or ",", anything else itself. `from` is 1-based.
inline bool Matches(const std::string& t, int from, const std::string& pattern) {
  for (int k = 0; k < Size(pattern); ++k) {
    int pos = from + k;
    if (pos < 1 || pos > Size(t)) return false;
    char c = t[pos - 1], want = pattern[k];
    if (want == 'd' ? !Digit(c) : want == '.' ? c != '.' && c != ',' : c != want) return false;
  }
  return true;
}

inline const std::string TimePattern = "dd:dd:dd.ddd";

// A time line as other tools write it: [h:]m:s with one or two digits each, then one to three
// fractional digits or none, blanks around the arrow.
inline const std::regex& LooseTimeLine() {
  static const std::string time = R"(((?:(\d\d?):)?(\d\d?):(\d\d?)(?:([,.])(\d{1,3}))?)(?![:,.]?\d))";
  static const std::regex line(time + "( *)-->( *)" + time + R"(([\s\S]*))");
  return line;
}

// Real arithmetic as in the rule; the exact value is never closer to 50 than 1e-6.
inline bool TimeLineScore(const std::string& s) {
  const int len = Size(s);
  if (len < 7) return false;
  if (len > 29 && Matches(s, 1, TimePattern + " --> " + TimePattern)) return true;
  if (std::regex_match(s, LooseTimeLine())) return true;
  int B = 0, P = 0, H = 0, D = 0, K = 0, G = 0, O = 0;
  for (char c : s)
    ++(c == ' ' ? B : c == ',' || c == '.' ? P : c == '-' ? H : Digit(c) ? D : c == ':' ? K : c == '>' ? G : O);
  double score =
      29 - std::abs(D - 18) - std::abs(K - 4) - std::abs(P - 2) - std::abs(B - 2) - std::abs(H - 2) - std::abs(G - 1);
  double value = score * 75 / 29 - O * 75.0 / len;
  auto arrow = s.find("-->");
  double p = arrow == std::string::npos ? 0 : static_cast<double>(arrow) + 1;
  value += (14 - std::abs(p - 14)) * 25 / 14;
  return value >= 50 - 1e-9;
}

// Messages are written "<icon>: <text>" so that icon and text are compared together.
struct Verifier {
  struct Reported {};  // a report ends the call

  std::vector<std::string> L;  // L[1..LineCount]; L[0] unused
  int LineCount = 0, SubtitleCount = 0, ChangeCount = 0;
  bool repair = true, CounterNoticeDisabled = false, VerifiedOK = true;
  std::deque<bool> answersOk;  // answers to the counter question; OK when none is left
  std::vector<std::string> messages;
  int reportLine = 0, reportColumn = 0;

  std::string At(int i) const { return i >= 1 && i < Size(L) ? L[i] : std::string(); }

  void Report(int line, int column, const std::string& detail) {
    VerifiedOK = false;
    std::string text = "error: Problems with line nr. " + std::to_string(line) + ":\r\n\"" + At(line) + "\"";
    messages.push_back(detail.empty() ? text : text + "\r\n" + detail);
    reportLine = line, reportColumn = column;
    throw Reported{};
  }
  // Reports the first position from `from` on that breaks the pattern, if any.
  void Diagnose(int i, int from, const std::string& pattern) {
    const std::string t = L[i];
    for (int pos = from; pos < from + Size(pattern); ++pos) {
      if (pos > Size(t)) Report(i, Size(t) + 1, "Line too short!");
      char want = pattern[pos - from];
      if (Matches(t, pos, std::string(1, want))) continue;
      Report(i, pos, want == 'd' ? Quote(t[pos - 1]) + " is not a number!" : Quote(t[pos - 1]) + "<>" + Quote(want));
    }
  }

  void Run(int detectionCode) {
    VerifiedOK = true;
    for (int i = 1; i <= LineCount; ++i) {
      std::string& s = L[i];
      while (!s.empty() && (s.back() == ' ' || s.back() == '\b')) s.pop_back(), ++ChangeCount;
      while (!s.empty() && s.front() == ' ') s.erase(0, 1), ++ChangeCount;
    }
    try {
      if (detectionCode == 1) MicroDVD();
      if (detectionCode == 2) SubRip();
    } catch (const Reported&) {
    }
  }

  void MicroDVD() {
    for (int i = 1; i <= SubtitleCount;) {
      if (L[i].empty()) {
        L.erase(L.begin() + i);
        L.insert(L.begin() + SubtitleCount, "");
        --SubtitleCount, ++ChangeCount;
        continue;
      }
      std::string& s = L[i];
      auto ch = [&](int k) { return k >= 1 && k <= Size(s) ? s[k - 1] : '\0'; };
      auto insert = [&](int k, const char* what) { s.insert(static_cast<std::size_t>(k - 1), what); };
      auto len = [&] { return Size(s); };
      if (len() < 4) {
        if (!repair) Report(i, len() + 1, "Line is shorter than 4 characters!");
        insert(1, "{0}{0}"), ChangeCount += 2;
      }
      if (ch(1) != '{') {
        if (!Digit(ch(2)) && !repair) Report(i, 1, "'{' is missing!");
        insert(1, Digit(ch(2)) ? "{" : "{0"), ++ChangeCount;
      }
      int k = 2;
      bool closed = false;
      for (; k < len(); ++k) {
        char c = ch(k);
        if (c == '}') {
          closed = true;
          break;
        }
        if (Digit(c)) continue;
        bool twoValues = c == '{' && (Digit(ch(k + 1)) || ch(k + 1) == '}');
        if (!twoValues && !repair) Report(i, k, Quote(c) + " is not a number!");
        insert(k, "}"), ++ChangeCount, closed = true;
        break;
      }
      if (!closed) Report(i, len() + 1, "Line too short!");
      int j = k + 1;
      if (ch(j) != '{') {
        bool value = Digit(ch(j)) || ch(j) == '}';
        if (!value && !repair) Report(i, j, "'{' is missing!");
        insert(j, value ? "{" : "{}"), ++ChangeCount;
      }
      bool secondClosed = false;
      while (j < len()) {
        ++j;
        if (ch(j) == '}') {
          secondClosed = true;
          break;
        }
        if (!Digit(ch(j))) {
          insert(j, "}"), ++ChangeCount;
          break;
        }
      }
      if (j >= len() && !secondClosed) Report(i, len() + 1, "'}' is missing!");
      ++i;
    }
  }

  void InsertLine(int at, const std::string& text) {
    L.insert(L.begin() + at, text);
    ++LineCount, ++ChangeCount;
  }
  static bool IsNumber(const std::string& digits, int n) {
    std::size_t first = digits.find_first_not_of('0');
    return (first == std::string::npos ? std::string("0") : digits.substr(first)) == std::to_string(n);
  }

  void SubRip() {
    bool continueThisRun = false;
    int found, previousCounter;
  pass:
    found = 0, previousCounter = 1;
    for (int i = 1; i <= LineCount; ++i) {
      const std::string counter = std::to_string(std::max(1, std::min(found + 1, LineCount)));
      if (At(i).empty() && TimeLineScore(At(i + 1))) {
        InsertLine(i + 1, counter);
        continue;
      }
      if (At(i).find_first_not_of("0123456789") != std::string::npos) {
        if (TimeLineScore(At(i + 1))) InsertLine(i + 1, counter);
        continue;
      }
      if (!TimeLineScore(At(i + 1))) continue;
      ++found;
      if (!IsNumber(At(i), found)) {
        if (!continueThisRun && !CounterNoticeDisabled && !repair) {
          messages.push_back(
              "question: The counter index is not in raising order!\r\nDo you wish to disable this "
              "notification and continue anyway?");
          bool ok = answersOk.empty() || answersOk.front();
          if (!answersOk.empty()) answersOk.pop_front();
          if (!ok) Report(i, 1, "<>\"" + std::to_string(found) + "\"");
          continueThisRun = CounterNoticeDisabled = true;
        }
        ++ChangeCount;
      }
      if (found >= 2 && !At(i - 1).empty()) {
        InsertLine(i, "");
        goto pass;
      }
      if (found >= 2) CheckTimeLine(previousCounter + 1);
      previousCounter = i;
    }
    CheckTimeLine(previousCounter + 1);
    if (found < LineCount / 12.0) {
      messages.push_back("error: Too few lines for the counted text lines!");
      VerifiedOK = false;
    } else {
      for (int i = 1; i <= LineCount; ++i)
        if (At(i).find('|') != std::string::npos && !TimeLineScore(At(i)) && TimeLikeDisplayLine(At(i)))
          Report(i, 1, "A line of the text would read as a time line in SubRip.\r\nPlease change that line...");
      SubtitleCount = found;
    }
  }

  // A display line ("|" ends one) that, trimmed as the verification trims, reads as a time line.
  static bool TimeLikeDisplayLine(const std::string& line) {
    std::stringstream in(line + "|");
    for (std::string part; std::getline(in, part, '|');) {
      while (!part.empty() && (part.back() == ' ' || part.back() == '\b')) part.pop_back();
      while (!part.empty() && part.front() == ' ') part.erase(0, 1);
      if (TimeLineScore(part)) return true;
    }
    return false;
  }

  // A time line whose times read in another tool's shape is written in the rules' shape.
  static bool MendShape(std::string& t) {
    std::smatch m;
    if (!std::regex_match(t, m, LooseTimeLine())) return false;
    auto shaped = [&](int g) {
      auto two = [](std::string d) { return std::string(2 - d.size(), '0') + d; };
      return two(m[g + 1]) + ":" + two(m[g + 2]) + ":" + two(m[g + 3]) + (m[g + 4].matched ? m[g + 4].str() : ",") +
             (m[g + 5].str() + "000").substr(0, 3);
    };
    if (shaped(1) == m[1] && shaped(9) == m[9] && m[7].length() <= 1 && m[8].length() <= 1) return false;
    t = shaped(1) + " --> " + shaped(9) + m[15].str();
    return true;
  }

  void CheckTimeLine(int i) {
    if (Size(L) <= i) L.resize(static_cast<std::size_t>(i) + 1);
    std::string& t = L[i];
    if (MendShape(t)) ++ChangeCount;
    const std::string zero = "00:00:00.000", arrow = " --> ";
    if (repair) {
      if (t.size() < 12) {
        t = zero + arrow + zero, ChangeCount += 2;
        return;
      }
      if (!Matches(t, 1, TimePattern)) t = zero + t, ++ChangeCount;
      // An end time at positions 18-29 stays whatever follows it.
      bool endAt18 = Matches(t, 18, TimePattern);
      if (!endAt18 && !Matches(t, Size(t) - 11, TimePattern)) t += zero, ++ChangeCount;
      if (!Matches(t, 13, arrow)) ++ChangeCount;
      t = t.substr(0, 12) + arrow + (endAt18 ? t.substr(17, 12) : t.substr(t.size() - 12));
      return;
    }
    if (t.size() < 12) Report(i, Size(t) + 1, "Line too short!");
    Diagnose(i, 1, TimePattern);
    auto found = t.find("-->");
    if (found == std::string::npos) Diagnose(i, 13, arrow);
    int p = static_cast<int>(found) + 1;
    if (p > 1 && t[p - 2] != ' ') t.insert(static_cast<std::size_t>(p - 1), " "), ++ChangeCount, ++p;
    if (Size(t) >= p + 3 && t[p + 2] != ' ') t.insert(static_cast<std::size_t>(p + 2), " "), ++ChangeCount;
    Diagnose(i, 13, arrow);
    if (t.size() < 29) Report(i, Size(t) + 1, "Line too short!");
    Diagnose(i, 18, TimePattern);
  }
};

}  // namespace tessary::oracle
