// Verification of the three older layouts, which are read as SubRip afterwards.
#include "document/line_patterns.h"
#include "document/verify_rules.h"

namespace tessary {

namespace {
constexpr std::string_view IntervalTimePattern = "dd:dd:dd.dd";
constexpr std::string_view ZeroInterval = "00:00:00.00";
constexpr std::string_view SsaTimesPattern = "d,d:dd:dd.dd,d:dd:dd.dd";
constexpr std::string_view TimePrefixPattern = "dd:dd:dd:";
}  // namespace

void VerifyRules::TimePair() {
  auto& store = doc.store_;
  int timeLines = 0;
  for (int i = 1; i <= store.LineCount; ++i) {
    std::string& line = Line(i);
    if (!IntervalLineScore(line)) continue;
    ++timeLines;
    if (!Repair()) {
      if (line.size() != IntervalLinePattern.size()) {
        Report(i, {static_cast<int>(line.size()) + 1, Text(Msg::LineTooShort)});
        return;
      }
      if (!Matches(line, 0, IntervalLinePattern)) {
        Report(i, PatternProblem(line, 0, IntervalLinePattern, doc.messages_));
        return;
      }
      continue;
    }
    if (line.size() < 11) {
      line = std::string(ZeroInterval) + "," + std::string(ZeroInterval);
      Changed(2);
      continue;
    }
    bool first = Matches(line, 0, IntervalTimePattern);
    bool last = Matches(line, line.size() - 11, IntervalTimePattern);
    if (first && last) continue;
    if (first) {
      line = line.substr(0, 11) + "," + std::string(ZeroInterval);
      Changed();
    } else if (last) {
      line = std::string(ZeroInterval) + "," + line.substr(line.size() - 11);
      Changed();
    } else {
      line = std::string(ZeroInterval) + "," + std::string(ZeroInterval);
      Changed(2);
    }
  }
  if (timeLines * 10 < store.LineCount) {
    doc.Show(Icon::Error, Text(Msg::TooFewLines));
    doc.VerifiedOK_ = false;
  }
}

// Dialogue lines are counted afresh at every parse.
void VerifyRules::Ssa() {
  auto& store = doc.store_;
  store.SetSubtitleCount(0);
  int first = 1;
  while (first <= store.LineCount && !Line(first).starts_with(DialoguePrefix)) ++first;
  for (int i = first; i <= store.LineCount; ++i) {
    const std::string& line = Line(i);
    if (!line.starts_with(DialoguePrefix)) continue;
    ++store.SubtitleCount;
    if (line.size() < 67) {
      Report(i, {1, Text(Msg::LineTooShort)});
      return;
    }
    if (!Matches(line, 17, SsaTimesPattern)) {
      Report(i, {1, ""});
      return;
    }
  }
}

// With repair on, a line without a readable time gets "00:00:00:" in front of its text,
// which reads as time 0 followed by the line exactly as it was.
void VerifyRules::TimePrefix() {
  auto& store = doc.store_;
  for (int i = 1; i <= store.LineCount; ++i) {
    std::string& line = Line(i);
    if (Repair()) {
      if (line.size() < 9 || !Matches(line, 0, TimePrefixPattern)) line.insert(0, "00:00:00:");
      continue;
    }
    if (line.size() < 9) {
      Report(i, {static_cast<int>(line.size()) + 1, Text(Msg::LineTooShort)});
      return;
    }
    if (!Matches(line, 0, TimePrefixPattern)) {
      Report(i, PatternProblem(line, 0, TimePrefixPattern, doc.messages_));
      return;
    }
  }
}

}  // namespace tessary
