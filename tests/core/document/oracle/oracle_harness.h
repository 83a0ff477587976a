// Runs the document engine and the plain rules on the same input and collects what each
// leaves behind, so that a generated case is compared with one EXPECT_EQ.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "../store_setup.h"
#include "document/line_split.h"
#include "literal_repair.h"
#include "literal_verification.h"

namespace tessary::oracle {

inline std::vector<std::string> OneBased(std::vector<std::string> lines) {
  lines.insert(lines.begin(), std::string());
  return lines;
}

struct VerifyInput {
  std::vector<std::string> lines;  // 0-based
  int detectionCode = 1;
  bool repair = true;
  bool counterNoticeDisabled = false;
  std::deque<bool> answersOk;
};

// A document with its doubles, without the temporary folder of the file fixture.
struct Rig : tessary::testing::DocumentRig {
  std::vector<std::string> Messages() const {
    static const char* const names[] = {"error", "warning", "question", "information"};
    std::vector<std::string> out;
    for (const auto& m : prompter.shown) out.push_back(std::string(names[static_cast<int>(m.icon)]) + ": " + m.text);
    return out;
  }
  // Puts the lines into the store as the parse leaves them for verification.
  void Load(const VerifyInput& in) {
    tessary::testing::SetRawLines(doc, in.lines, in.detectionCode);
    doc.settings.AdvancedAutomaticRepair = in.repair;
    doc.CounterNoticeDisabled = in.counterNoticeDisabled;
  }
};

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

// What verification leaves: the lines RawLines[1..LineCount], LineCount, SubtitleCount,
// ChangeCount, VerifiedOK, the messages, the caret's line and column, the editing area's text.
using VerifyOutcome =
    std::tuple<std::vector<std::string>, int, int, int, bool, std::vector<std::string>, int, int, std::string>;

inline VerifyOutcome EngineVerify(const VerifyInput& in) {
  Rig r;
  r.Load(in);
  auto& s = r.doc.store;
  for (bool ok : in.answersOk) r.prompter.answers.push_back(ok ? Answer::Ok : Answer::Cancel);
  r.editor.SetText(JoinLines(s.RawLines, 1, s.LineCount));
  r.doc.VerifySubtitle();
  TextLocation caret = r.Caret();
  std::vector<std::string> lines(s.RawLines.begin() + 1, s.RawLines.begin() + 1 + s.LineCount);
  return {lines,        s.LineCount, s.SubtitleCount, s.ChangeCount,  r.doc.VerifiedOK,
          r.Messages(), caret.line,  caret.column,    r.editor.Text()};
}

inline VerifyOutcome OracleVerify(const VerifyInput& in) {
  Verifier o;
  o.L = OneBased(in.lines);
  o.LineCount = Size(in.lines);
  o.SubtitleCount = in.detectionCode == 1 ? o.LineCount : 0;
  o.repair = in.repair;
  o.CounterNoticeDisabled = in.counterNoticeDisabled;
  o.answersOk = in.answersOk;
  o.Run(in.detectionCode);
  std::vector<std::string> lines(o.L.begin() + 1, o.L.begin() + 1 + o.LineCount);
  // A report shows the lines as mended so far and puts the caret on the line, if the
  // editing area has it.
  const bool reported = o.reportLine != 0, caretMoved = reported && o.reportLine <= o.LineCount;
  std::string editor = reported ? JoinLines(o.L, 1, o.LineCount) : JoinLines(OneBased(in.lines), 1, Size(in.lines));
  return {lines,
          o.LineCount,
          o.SubtitleCount,
          o.ChangeCount,
          o.VerifiedOK,
          o.messages,
          caretMoved ? o.reportLine : 1,
          caretMoved ? o.reportColumn : 1,
          editor};
}

// What time repair leaves: the starts, ends and texts (also the entries freed by removals),
// SubtitleCount, ChangeCount, VerifiedOK, the messages and the line the caret was put on.
using RepairOutcome = std::tuple<std::vector<std::int32_t>, std::vector<std::int32_t>, std::vector<std::string>, int,
                                 int, bool, std::vector<std::string>, int>;

struct RepairInput {
  int currentType = 1;
  std::vector<std::int32_t> starts, ends;  // 1-based, entry 0 unused
  std::vector<std::string> texts;          // 1-based
  int changeCount = 0;
};

// Lines that verification leaves as they are, so that a report can find them in the text.
inline std::vector<std::string> RawLinesFor(int n) {
  std::vector<std::string> raw(1);
  for (int i = 1; i <= n; ++i) raw.push_back("{}{}raw line " + std::to_string(i));
  return raw;
}

inline RepairOutcome EngineRepair(const RepairInput& in) {
  Rig r;
  auto& s = r.doc.store;
  const int n = Size(in.texts) - 1;
  s.SubtitleLoaded = true;
  s.CurrentType = in.currentType;
  s.DetectionCode = static_cast<Layout>(in.currentType);
  s.LineCount = s.SubtitleCount = n;
  s.StartValues = in.starts, s.EndValues = in.ends, s.Texts = in.texts;
  s.ChangeCount = in.changeCount;
  r.editor.SetText(JoinLines(RawLinesFor(n), 1, n));
  r.doc.RepairTimes();
  return {s.StartValues, s.EndValues,      s.Texts,      s.SubtitleCount,
          s.ChangeCount, r.doc.VerifiedOK, r.Messages(), r.Caret().line};
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
