#include "operations/transform.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "document/repair_times.h"
#include "document/units.h"
#include "operations/time_changes.h"

namespace tessary {

namespace {

// There is no message table entry for it: a line through two equal starts has no slope.
constexpr const char* SameStartsMessage =
    "Two subtitles the transform is worked out from have the same start time.\r\n"
    "Please choose other lines...";

constexpr long double LatestTime = 2147483647.0L;

// v -> Round(v * k + b), worked out in extended precision.
struct StraightLine {
  long double k = 1, b = 0;

  // The line through (from1 -> to1) and (from2 -> to2); from1 and from2 differ.
  static StraightLine Through(std::int64_t from1, std::int64_t to1, std::int64_t from2, std::int64_t to2) {
    StraightLine line;
    line.k = static_cast<long double>(to2 - to1) / static_cast<long double>(from2 - from1);
    line.b = static_cast<long double>(to2) - static_cast<long double>(from2) * line.k;
    return line;
  }
  // The rounded image of v; nearbyintl rounds ties to the even neighbour.
  long double operator()(std::int32_t v) const { return std::nearbyintl(static_cast<long double>(v) * k + b); }
};

// Which line moves subtitle i: the main line between L1 and L2, and in the pinned-ends
// mode the lines that keep subtitle 1's and subtitle N's starts where they are.
struct Plan {
  int first = 1, last = 0;  // the subtitles moved
  int l1 = 1, l2 = 1;
  StraightLine before, main, after;

  const StraightLine& LineFor(int i) const { return i < l1 ? before : i > l2 ? after : main; }
};

// Works out the lines of the mode; none when two starts they go through are equal.
std::optional<Plan> MakePlan(const SubtitleStore& s, const TransformParams& p, int l1, int l2) {
  const auto& S = s.StartValues;
  const int n = s.SubtitleCount;
  Plan plan;
  plan.l1 = l1;
  plan.l2 = l2;
  bool sameStarts = S[l1] == S[l2];
  if (p.mode == TransformMode::Between) {
    plan.first = l1;
    plan.last = l2;
  } else {
    plan.first = 1;
    plan.last = n;
  }
  if (!sameStarts) plan.main = StraightLine::Through(S[l1], p.at1Ms, S[l2], p.at2Ms);
  if (p.mode == TransformMode::Whole) {
    plan.before = plan.after = plan.main;
  } else if (p.mode == TransformMode::PinnedEnds) {
    // Subtitle 1 and subtitle N keep their starts; L1 and L2 go to P1 and P2.
    if (l1 > 1) {
      sameStarts = sameStarts || S[1] == S[l1];
      if (!sameStarts) plan.before = StraightLine::Through(S[1], S[1], S[l1], p.at1Ms);
    }
    if (l2 < n) {
      sameStarts = sameStarts || S[l2] == S[n];
      if (!sameStarts) plan.after = StraightLine::Through(S[l2], p.at2Ms, S[n], S[n]);
    }
  }
  if (sameStarts) return std::nullopt;
  return plan;
}

// Every new start and end of the plan, in order; refused when one is below 0 or past what the
// file holds.
OperationResult MapTimes(const SubtitleStore& s, const Plan& plan, const TimeLimits& limits,
                         std::vector<std::int32_t>& mapped) {
  mapped.reserve(2 * static_cast<std::size_t>(plan.last - plan.first + 1));
  bool negative = false, tooHigh = false;
  const bool microDvd = limits.type == SubtitleType::MicroDVD;
  for (int i = plan.first; i <= plan.last; ++i) {
    const StraightLine& line = plan.LineFor(i);
    for (long double v : {line(s.StartValues[i]), line(s.EndValues[i])}) {
      negative = negative || v < 0;
      // Also a frame number or a time line the file cannot hold.
      tooHigh = tooHigh || v > LatestTime ||
                (v >= 0 && !TimeWritable(static_cast<std::int64_t>(v), microDvd, limits.frameRate));
      if (negative || tooHigh) continue;
      // A MicroDVD time is the time of the frame it shows, so that the repair sees what the
      // text will show (two times within one frame are one frame).
      const auto time = static_cast<std::int32_t>(v);
      mapped.push_back(microDvd ? FramesToMs(MsToFrames(time, limits.frameRate), limits.frameRate) : time);
    }
  }
  if (negative || tooHigh) return Refusal(negative ? Msg::FramesWouldBeNegative : Msg::FramesTooHigh);
  return Ended(Outcome::Done);
}

}  // namespace

OperationResult Transform(SubtitleStore& s, const TransformParams& p, const TimeLimits& limits) {
  if (p.at1Ms >= p.at2Ms) return Refusal(Msg::PointsOutOfOrder);
  // Subtitles may have gone since the numbers were typed.
  const int n = s.SubtitleCount;
  const int l1 = std::min(std::max(p.line1, 1), n), l2 = std::min(std::max(p.line2, 1), n);
  OperationResult result = Ended(Outcome::Done);
  result.lines = std::pair(l1, l2);
  auto refuse = [&result](OperationResult why) {
    why.lines = result.lines;
    return why;
  };
  if (l1 >= l2) return refuse(Refusal(Msg::LinesOutOfOrder));
  const std::optional<Plan> plan = MakePlan(s, p, l1, l2);
  if (!plan) return refuse(Refusal(std::nullopt, SameStartsMessage));

  // Every new value is known and checked before any is written.
  std::vector<std::int32_t> mapped;
  if (OperationResult checked = MapTimes(s, *plan, limits, mapped); checked.outcome == Outcome::Refused)
    return refuse(checked);

  // The repair may remove, merge and trim subtitles before it fails: all of it is kept aside.
  const SubtitleStore saved = s;
  for (int i = plan->first, at = 0; i <= plan->last; ++i) {
    ReplaceTime(s, limits, s.StartValues[i], mapped[at++]);
    ReplaceTime(s, limits, s.EndValues[i], mapped[at++]);
  }
  if (s.ChangeCount == saved.ChangeCount) return result;
  // One pass of the repair, with only 32 bits limiting a time and the tags left as they are;
  // it either makes the subtitles consistent or fails as a whole.
  if (RepairPass(s, RepairLimits{}) || s.SubtitleCount < 1) {
    s = saved;
    return refuse(Refusal(Msg::TooManyErrors));
  }
  result.changes = s.ChangeCount - saved.ChangeCount;
  return result;
}

}  // namespace tessary
