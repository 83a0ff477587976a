// Verification of SubRip blocks: counter, time line, text lines, blank line.
#include <algorithm>
#include <utility>

#include "document/line_patterns.h"
#include "document/style_marks.h"
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

// The sweep works in the store's own lines: lines 1..done-1 are done; the current line is
// `inserted` when a counter was put in front of line `next`, else line `next`; lines
// next..last are still to come. A line put in takes the place of one done with; when there
// is none, the lines still to come move on by a quarter of their number, which keeps all the
// moves linear.
class LineSweep {
 public:
  explicit LineSweep(std::vector<std::string>& lines, int count) : lines_(lines), last_(count) {}

  bool AtEnd() const { return !hasInserted_ && next_ > last_; }
  // The place the current line will have.
  int Place() const { return done_; }
  std::string& Current() { return hasInserted_ ? inserted_ : lines_[next_]; }
  const std::string& Following() const {
    static const std::string none;
    const int i = hasInserted_ ? next_ : next_ + 1;
    return i <= last_ ? lines_[i] : none;
  }

  void Put(std::string&& line) {
    if (done_ == next_) {
      const int shift = (last_ - next_ + 1) / 4 + 16;
      if (static_cast<int>(lines_.size()) <= last_ + shift) lines_.resize(static_cast<std::size_t>(last_ + shift) + 1);
      std::move_backward(lines_.begin() + next_, lines_.begin() + last_ + 1, lines_.begin() + last_ + shift + 1);
      next_ += shift;
      last_ += shift;
    }
    lines_[done_++] = std::move(line);
  }

  void Advance() {
    if (hasInserted_) {
      hasInserted_ = false;
      Put(std::move(inserted_));
    } else if (done_ == next_) {
      ++done_, ++next_;
    } else {
      lines_[done_++] = std::move(lines_[next_++]);
    }
  }

  // Puts a counter after the current line: the one after the `found` counters so far, kept
  // within the number of lines.
  void InsertCounter(int found) {
    Advance();
    inserted_ = std::to_string(std::max(1, std::min(found + 1, LineCount() + 1)));
    hasInserted_ = true;
  }

  // Closes the gap between the lines done and those still to come; returns the line count.
  int Settle() {
    if (hasInserted_) Advance();
    while (next_ <= last_) Advance();
    for (int i = done_; i <= last_; ++i) lines_[i].clear();
    return done_ - 1;
  }

 private:
  int LineCount() const { return done_ - 1 + (hasInserted_ ? 1 : 0) + (last_ - next_ + 1); }

  std::vector<std::string>& lines_;
  int done_ = 1, next_ = 1, last_;
  std::string inserted_;
  bool hasInserted_ = false;
};

LineProblem CheckTimeLine(VerifyRules& rules, std::string& line) {
  // Times in another tool's shape are kept: the line is written in the rules' shape (which a
  // well-formed line has already).
  if (LooseTimeLine loose = IsWellFormedTimeLine(line) ? LooseTimeLine() : ReadLooseTimeLine(line); loose.otherShape) {
    line = std::move(loose.shaped);
    rules.Changed();
  }
  if (rules.Repair()) {
    RepairTimeLine(line, rules.ChangeCount());
    return {};
  }
  return CheckTimeLineStrict(line, rules.ChangeCount(), rules.Messages());
}

// Whether a counter out of order is taken: the user is asked once a run unless the notice is
// off or the repair is on.
bool TakesCounterOutOfOrder(VerifyRules& rules, bool& continueThisRun) {
  if (!continueThisRun && !rules.CounterNoticeDisabled() && !rules.Repair()) {
    if (rules.doc.Ask(Icon::Question, rules.Text(Msg::CounterNotInOrder), Buttons::OkCancel, Answer::Ok) != Answer::Ok)
      return false;
    continueThisRun = rules.CounterNoticeDisabled() = true;
  }
  return true;
}

}  // namespace

// One sweep over the lines. Where a blank line is put in front of a counter, the rules
// would scan again from the top; that second scan changes nothing but counts every
// out-of-order counter up to that place once more, which is added here at once.
void VerifyRules::SubRip() {
  auto& store = doc.store_;
  auto& lines = store.RawLines;
  LineSweep sweep(lines, store.LineCount);
  bool continueThisRun = false;
  int found = 0, previousCounter = 1, acceptedOutOfOrder = 0;
  while (!sweep.AtEnd()) {
    const std::string& line = sweep.Current();
    const int i = sweep.Place();
    if (!TimeLineScore(sweep.Following())) {
      sweep.Advance();
      continue;
    }
    // A time line without a counter before it gets one.
    if (line.empty() || HasNonDigit(line)) {
      sweep.InsertCounter(found);
      Changed();
      continue;
    }
    ++found;
    if (!IsNumber(line, found)) {
      if (!TakesCounterOutOfOrder(*this, continueThisRun)) {
        store.LineCount = sweep.Settle();
        Report(i, {1, "<>\"" + std::to_string(found) + "\""});
        return;
      }
      Changed();
      ++acceptedOutOfOrder;
    }
    if (found >= 2 && !lines[i - 1].empty()) {
      sweep.Put(std::string());
      Changed();
      Changed(acceptedOutOfOrder);
    }
    if (found >= 2) {
      LineProblem problem = CheckTimeLine(*this, lines[previousCounter + 1]);
      if (problem) {
        store.LineCount = sweep.Settle();
        Report(previousCounter + 1, problem);
        return;
      }
    }
    previousCounter = sweep.Place();
    sweep.Advance();
  }
  store.LineCount = sweep.Settle();

  // Without any counter this is line 2, which a one-line text does not have.
  std::string missing;
  std::string& timeLine = previousCounter + 1 <= store.LineCount ? Line(previousCounter + 1) : missing;
  if (LineProblem problem = CheckTimeLine(*this, timeLine)) {
    store.EnsureLines(previousCounter + 1);
    Line(previousCounter + 1) = timeLine;
    Report(previousCounter + 1, problem);
    return;
  }
  if (found * 12 < store.LineCount) {
    doc.Show(Icon::Error, Text(Msg::TooFewLines));
    doc.VerifiedOK_ = false;
    return;
  }
  // A "|" in a text line starts a display line, which is written as a line of its own: one
  // that reads as a time line would be taken as one by the next verification.
  for (int i = 1; i <= store.LineCount; ++i) {
    const std::string& line = Line(i);
    if (line.find('|') != std::string::npos && !TimeLineScore(line) && HasTimeLikeDisplayLine(line)) {
      Report(i, {1, Text(Msg::TimeLikeTextLine)});
      return;
    }
  }
  store.SetSubtitleCount(found);
}

}  // namespace tessary
