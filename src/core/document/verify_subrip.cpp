// Verification of SubRip blocks: counter, time line, text lines, blank line.
#include <algorithm>
#include <utility>
#include <vector>

#include "document/line_patterns.h"
#include "document/units.h"
#include "document/verify_rules.h"

namespace tessary {

namespace {

constexpr std::string_view ZeroTime = "00:00:00.000";

bool HasNonDigit(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return !IsDigit(c); });
}

// True when the run of digits `digits` is the number `n`.
bool IsNumber(std::string_view digits, int n) {
  std::size_t first = digits.find_first_not_of('0');
  std::string_view significant = first == std::string_view::npos ? std::string_view() : digits.substr(first);
  return significant == (n == 0 ? std::string() : std::to_string(n));
}

LineProblem CheckTimeLineStrict(std::string& t, int& changes, const MessageTable& msg) {
  if (t.size() < 12) return {static_cast<int>(t.size()) + 1, msg[Msg::LineTooShort]};
  if (!Matches(t, 0, SubRipTimePattern)) return PatternProblem(t, 0, SubRipTimePattern, msg);
  std::size_t p = t.find("-->");
  if (p == std::string::npos) return PatternProblem(t, 12, SubRipArrow, msg);
  if (p > 0 && t[p - 1] != ' ') {
    t.insert(p, 1, ' ');
    ++changes;
    ++p;
  }
  if (t.size() > p + 3 && t[p + 3] != ' ') {
    t.insert(p + 3, 1, ' ');
    ++changes;
  }
  if (!Matches(t, 12, SubRipArrow)) return PatternProblem(t, 12, SubRipArrow, msg);
  if (t.size() < 29) return {static_cast<int>(t.size()) + 1, msg[Msg::LineTooShort]};
  if (!Matches(t, 17, SubRipTimePattern)) return PatternProblem(t, 17, SubRipTimePattern, msg);
  return {};
}

// Rebuilds the line as "start --> end", putting zero times where a time is unreadable.
// An end time at positions 18-29 is kept even when more follows it.
void RepairTimeLine(std::string& t, int& changes) {
  if (t.size() < 12) {
    t = std::string(ZeroTime) + std::string(SubRipArrow) + std::string(ZeroTime);
    changes += 2;
    return;
  }
  if (!Matches(t, 0, SubRipTimePattern)) {
    t.insert(0, ZeroTime);
    ++changes;
  }
  std::string end;
  if (t.size() >= 29 && Matches(t, 17, SubRipTimePattern)) {
    end = t.substr(17, 12);
  } else {
    if (!Matches(t, t.size() - 12, SubRipTimePattern)) {
      t += ZeroTime;
      ++changes;
    }
    end = t.substr(t.size() - 12);
  }
  if (!Matches(t, 12, SubRipArrow)) ++changes;
  t = t.substr(0, 12) + std::string(SubRipArrow) + end;
}

}  // namespace

// One sweep over the lines. Where a blank line is put in front of a counter, the rules
// would scan again from the top; that second scan changes nothing but counts every
// out-of-order counter up to that place once more, which is added here at once.
void VerifyRules::SubRip() {
  auto& store = doc.store;
  bool continueThisRun = false;

  // Lines 1..i-1 are in `done` (entry 0 unused), line i is todo.back(), line i+1 the
  // entry before it: lines are put in front of the current one in O(1).
  std::vector<std::string> done(1);
  done.reserve(static_cast<std::size_t>(store.LineCount) + store.LineCount / 2 + 2);
  std::vector<std::string> todo;
  todo.reserve(static_cast<std::size_t>(store.LineCount) + 1);
  for (int i = store.LineCount; i >= 1; --i) todo.push_back(std::move(Line(i)));
  static const std::string none;
  auto next = [&]() -> const std::string& { return todo.size() >= 2 ? todo[todo.size() - 2] : none; };
  auto lineCount = [&] { return static_cast<int>(done.size() - 1 + todo.size()); };
  auto advance = [&] {
    done.push_back(std::move(todo.back()));
    todo.pop_back();
  };
  auto insertCounter = [&](int found) {
    advance();
    todo.push_back(std::to_string(std::max(1, std::min(found + 1, lineCount() + 1))));
    Changed();
  };
  // Puts the lines back into the store, as they stand now.
  auto settle = [&] {
    int n = lineCount();
    store.EnsureLines(n);
    for (int i = 1; i < static_cast<int>(done.size()); ++i) Line(i) = std::move(done[i]);
    for (int i = static_cast<int>(done.size()), k = static_cast<int>(todo.size()) - 1; k >= 0; ++i, --k)
      Line(i) = std::move(todo[k]);
    store.LineCount = n;
  };
  auto checkTimeLine = [&](std::string& line) -> LineProblem {
    // Times in another tool's shape are kept: the line is written in the rules' shape.
    if (LooseTimeLine loose = ReadLooseTimeLine(line); loose.otherShape) {
      line = std::move(loose.shaped);
      Changed();
    }
    if (Repair()) {
      RepairTimeLine(line, store.ChangeCount);
      return {};
    }
    return CheckTimeLineStrict(line, store.ChangeCount, doc.messages);
  };

  int found = 0, previousCounter = 1, acceptedOutOfOrder = 0;
  while (!todo.empty()) {
    const std::string& line = todo.back();
    const int i = static_cast<int>(done.size());
    if (line.empty() && TimeLineScore(next())) {
      insertCounter(found);
      continue;
    }
    if (HasNonDigit(line)) {
      if (TimeLineScore(next())) insertCounter(found);
      else advance();
      continue;
    }
    if (!TimeLineScore(next())) {
      advance();
      continue;
    }
    ++found;
    if (!IsNumber(line, found)) {
      if (!continueThisRun && !doc.CounterNoticeDisabled && !Repair()) {
        if (doc.Ask(Icon::Question, Text(Msg::CounterNotInOrder), Buttons::OkCancel, Answer::Ok) != Answer::Ok) {
          settle();
          Report(i, {1, "<>\"" + std::to_string(found) + "\""});
          return;
        }
        continueThisRun = doc.CounterNoticeDisabled = true;
      }
      Changed();
      ++acceptedOutOfOrder;
    }
    if (found >= 2 && !done.back().empty()) {
      done.emplace_back();
      Changed();
      Changed(acceptedOutOfOrder);
    }
    if (found >= 2) {
      LineProblem problem = checkTimeLine(done[previousCounter + 1]);
      if (problem) {
        settle();
        Report(previousCounter + 1, problem);
        return;
      }
    }
    previousCounter = static_cast<int>(done.size());
    advance();
  }
  settle();

  // Without any counter this is line 2, which a one-line text does not have.
  std::string missing;
  std::string& timeLine = previousCounter + 1 <= store.LineCount ? Line(previousCounter + 1) : missing;
  if (LineProblem problem = checkTimeLine(timeLine)) {
    store.EnsureLines(previousCounter + 1);
    Line(previousCounter + 1) = timeLine;
    Report(previousCounter + 1, problem);
    return;
  }
  if (found * 12 < store.LineCount) {
    doc.Show(Icon::Error, Text(Msg::TooFewLines));
    doc.VerifiedOK = false;
    return;
  }
  store.SubtitleCount = found;
}

}  // namespace tessary
