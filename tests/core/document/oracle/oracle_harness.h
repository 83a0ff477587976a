// Runs the document engine and the plain rules on the same generated input and compares
// what each leaves behind with one EXPECT_EQ.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "../store_setup.h"
#include "document/line_split.h"
#include "literal_repair.h"
#include "literal_verification.h"

namespace tessary::oracle {

struct Random {
  std::mt19937 rng;
  explicit Random(unsigned seed) : rng(seed) {}
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
  bool Chance(int percent) { return Int(0, 99) < percent; }
  std::string Pick(const std::vector<std::string>& v) { return v[static_cast<std::size_t>(Int(0, Size(v) - 1))]; }
  std::string Tokens(const std::vector<std::string>& alphabet, int most) {
    std::string s;
    for (int n = Int(0, most); n > 0; --n) s += Pick(alphabet);
    return s;
  }
};

// Compares `engine` and `oracle` on `count` inputs made by `make(g, n)`; stops after five differences.
template <typename Make, typename Engine, typename Oracle>
void ExpectSameOnGenerated(unsigned seed, int count, Make make, Engine engine, Oracle oracle) {
  Random g(seed);
  for (int n = 0, failures = 0; n < count && failures < 5; ++n) {
    const auto in = make(g, n);
    const auto e = engine(in), o = oracle(in);
    EXPECT_EQ(e, o) << "input " << ::testing::PrintToString(in);
    failures += e != o;
  }
}

// The messages shown, in the oracle's "<icon>: <text>" form.
inline std::vector<std::string> Messages(const tessary::testing::ScriptedPrompter& prompter) {
  static const char* const names[] = {"error", "warning", "question", "information"};
  std::vector<std::string> out;
  for (const auto& m : prompter.shown) out.push_back(std::string(names[static_cast<int>(m.icon)]) + ": " + m.text);
  return out;
}

struct VerifyInput {
  std::vector<std::string> lines;  // 0-based
  int detectionCode = 1;
  bool repair = true, counterNoticeDisabled = false;
  std::deque<bool> answersOk;
};
inline void PrintTo(const VerifyInput& in, std::ostream* os) {
  *os << ::testing::PrintToString(in.lines) << " type " << in.detectionCode << " repair " << in.repair
      << " notice disabled " << in.counterNoticeDisabled << " answers OK " << ::testing::PrintToString(in.answersOk);
}

// What verification leaves: the lines, LineCount, SubtitleCount, ChangeCount, VerifiedOK, the
// messages, the caret's line and column, the editing area's text.
using VerifyOutcome =
    std::tuple<std::vector<std::string>, int, int, int, bool, std::vector<std::string>, int, int, std::string>;

inline VerifyOutcome EngineVerify(const VerifyInput& in) {
  tessary::testing::DocumentRig r;
  auto& s = r.doc.StoreForSetup();
  tessary::testing::SetRawLines(r.doc, in.lines, in.detectionCode);
  r.doc.settings().AdvancedAutomaticRepair = in.repair;
  r.doc.SetCounterNoticeDisabled(in.counterNoticeDisabled);
  for (bool ok : in.answersOk) r.prompter.answers.push_back(ok ? Answer::Ok : Answer::Cancel);
  r.editor.SetText(JoinLines(s.RawLines, 1, s.LineCount));
  r.doc.VerifySubtitle();
  return VerifyOutcome(tessary::testing::RawLinesOf(r.doc), s.LineCount, s.SubtitleCount, s.ChangeCount,
                       r.doc.VerifiedOK(), Messages(r.prompter), r.Caret().line, r.Caret().column, r.editor.Text());
}

inline VerifyOutcome OracleVerify(const VerifyInput& in) {
  Verifier o;
  o.L = in.lines;
  o.L.insert(o.L.begin(), std::string());
  o.LineCount = Size(in.lines);
  o.SubtitleCount = in.detectionCode == 1 ? o.LineCount : 0;
  o.repair = in.repair;
  o.CounterNoticeDisabled = in.counterNoticeDisabled;
  o.answersOk = in.answersOk;
  const std::vector<std::string> before = o.L;
  o.Run(in.detectionCode);
  // A report shows the lines as mended so far and puts the caret on the line, if the
  // editing area has it.
  const bool reported = o.reportLine != 0, caretMoved = reported && o.reportLine <= o.LineCount;
  return VerifyOutcome(std::vector<std::string>(o.L.begin() + 1, o.L.begin() + 1 + o.LineCount), o.LineCount,
                       o.SubtitleCount, o.ChangeCount, o.VerifiedOK, o.messages, caretMoved ? o.reportLine : 1,
                       caretMoved ? o.reportColumn : 1,
                       reported ? JoinLines(o.L, 1, o.LineCount) : JoinLines(before, 1, Size(in.lines)));
}

struct RepairInput {
  SubtitleType currentType = SubtitleType::MicroDVD;
  std::vector<std::int32_t> starts, ends;  // 1-based, entry 0 unused
  std::vector<std::string> texts;          // 1-based
  int changeCount = 0;
};
inline void PrintTo(const RepairInput& in, std::ostream* os) {
  *os << "type " << static_cast<int>(in.currentType) << " starts " << ::testing::PrintToString(in.starts) << " ends "
      << ::testing::PrintToString(in.ends) << " texts " << ::testing::PrintToString(in.texts) << " ChangeCount "
      << in.changeCount;
}

// What time repair leaves: the starts, ends and texts (also the entries freed by removals),
// SubtitleCount, ChangeCount, VerifiedOK, the messages and the line the caret was put on.
using RepairOutcome = std::tuple<std::vector<std::int32_t>, std::vector<std::int32_t>, std::vector<std::string>, int,
                                 int, bool, std::vector<std::string>, int>;

// Lines that verification leaves as they are, so that a report can find them in the text.
inline std::vector<std::string> RawLinesFor(int n) {
  std::vector<std::string> raw(1);
  for (int i = 1; i <= n; ++i) raw.push_back("{}{}raw line " + std::to_string(i));
  return raw;
}

inline RepairOutcome EngineRepair(const RepairInput& in) {
  tessary::testing::DocumentRig r;
  auto& s = r.doc.StoreForSetup();
  const int n = Size(in.texts) - 1;
  s.SubtitleLoaded = true;
  s.CurrentType = in.currentType;
  s.DetectionCode = in.currentType == SubtitleType::MicroDVD ? Layout::MicroDVD : Layout::SubRip;
  s.LineCount = s.SubtitleCount = n;
  s.StartValues = in.starts, s.EndValues = in.ends, s.Texts = in.texts;
  s.ChangeCount = in.changeCount;
  r.editor.SetText(JoinLines(RawLinesFor(n), 1, n));
  r.doc.RepairTimes();
  return {s.StartValues,      s.EndValues,          s.Texts,       s.SubtitleCount, s.ChangeCount,
          r.doc.VerifiedOK(), Messages(r.prompter), r.Caret().line};
}

inline RepairOutcome OracleRepair(const RepairInput& in) {
  Repairer o;
  o.S = in.starts, o.E = in.ends, o.T = in.texts;
  o.SubtitleCount = Size(in.texts) - 1;
  o.rawLines = RawLinesFor(o.SubtitleCount);
  o.CurrentType = in.currentType;
  o.ChangeCount = in.changeCount;
  o.Run();
  return {o.S, o.E, o.T, o.SubtitleCount, o.ChangeCount, o.VerifiedOK, o.messages, o.reportLine ? o.reportLine : 1};
}

}  // namespace tessary::oracle
