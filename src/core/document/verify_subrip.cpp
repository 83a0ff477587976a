// Verification of SubRip blocks: counter, time line, text lines, blank line.
#include <algorithm>
#include <utility>

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
  t.resize(12);
  (t += SubRipArrow) += end;
}

}  // namespace

// One sweep over the lines. Where a blank line is put in front of a counter, the rules
// would scan again from the top; that second scan changes nothing but counts every
// out-of-order counter up to that place once more, which is added here at once.
// The sweep works in the store's own lines: lines 1..done-1 are done; the current line is
// `inserted` when a counter was put in front of line `next`, else line `next`; lines
// next..last are still to come. A line put in takes the place of one done with; when there
// is none, the lines still to come move on by a quarter of their number, which keeps all the
// moves linear.
void VerifyRules::SubRip() {
  auto& store = doc.store;
  auto& lines = store.RawLines;
  bool continueThisRun = false;

  int done = 1, next = 1, last = store.LineCount;
  std::string inserted;
  bool hasInserted = false;
  static const std::string none;
  auto current = [&]() -> std::string& { return hasInserted ? inserted : lines[next]; };
  auto following = [&]() -> const std::string& {
    const int i = hasInserted ? next : next + 1;
    return i <= last ? lines[i] : none;
  };
  auto lineCount = [&] { return done - 1 + (hasInserted ? 1 : 0) + (last - next + 1); };
  auto put = [&](std::string&& line) {
    if (done == next) {
      const int shift = (last - next + 1) / 4 + 16;
      if (static_cast<int>(lines.size()) <= last + shift) lines.resize(static_cast<std::size_t>(last + shift) + 1);
      std::move_backward(lines.begin() + next, lines.begin() + last + 1, lines.begin() + last + shift + 1);
      next += shift;
      last += shift;
    }
    lines[done++] = std::move(line);
  };
  auto advance = [&] {
    if (hasInserted) {
      hasInserted = false;
      put(std::move(inserted));
    } else if (done == next) {
      ++done, ++next;
    } else {
      lines[done++] = std::move(lines[next++]);
    }
  };
  auto insertCounter = [&](int found) {
    advance();
    inserted = std::to_string(std::max(1, std::min(found + 1, lineCount() + 1)));
    hasInserted = true;
    Changed();
  };
  // Closes the gap between the lines done and those still to come.
  auto settle = [&] {
    if (hasInserted) advance();
    while (next <= last) advance();
    for (int i = done; i <= last; ++i) lines[i].clear();
    store.LineCount = done - 1;
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
  while (hasInserted || next <= last) {
    const std::string& line = current();
    const int i = done;
    if (line.empty() && TimeLineScore(following())) {
      insertCounter(found);
      continue;
    }
    if (HasNonDigit(line)) {
      if (TimeLineScore(following()))
        insertCounter(found);
      else
        advance();
      continue;
    }
    if (!TimeLineScore(following())) {
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
    if (found >= 2 && !lines[done - 1].empty()) {
      put(std::string());
      Changed();
      Changed(acceptedOutOfOrder);
    }
    if (found >= 2) {
      LineProblem problem = checkTimeLine(lines[previousCounter + 1]);
      if (problem) {
        settle();
        Report(previousCounter + 1, problem);
        return;
      }
    }
    previousCounter = done;
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
