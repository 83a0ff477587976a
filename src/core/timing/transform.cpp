// The two-point transform: every affected start and end is moved by the straight line
// through (start of L1 -> P1) and (start of L2 -> P2), and the subtitle is repaired.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/repair_times.h"
#include "document/units.h"

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

// What the transform and its repair can change.
struct SavedSubtitles {
  std::vector<std::int32_t> starts, ends;
  std::vector<std::string> texts;
  int count, changeCount;
};

}  // namespace

void Document::TransformClick() {
  auto& s = store;
  if (!s.SubtitleLoaded) {
    NoSubtitleNotice();
    return;
  }
  if (FirstPointValue >= SecondPointValue) {
    Show(Icon::Error, Text(Msg::PointsOutOfOrder));
    return;
  }
  // Subtitles may have gone since the numbers were typed.
  const int n = s.SubtitleCount;
  auto clampLine = [n](std::int32_t& line, std::string& field) {
    const std::int32_t clamped = std::min(std::max(line, 1), n);
    if (clamped != line) field = std::to_string(line = clamped);
  };
  clampLine(FirstPointLine, fields.FirstLine);
  clampLine(SecondPointLine, fields.SecondLine);
  if (FirstPointLine >= SecondPointLine) {
    Show(Icon::Error, Text(Msg::LinesOutOfOrder));
    return;
  }

  const auto& S = s.StartValues;
  const int l1 = FirstPointLine, l2 = SecondPointLine;
  const std::int64_t p1 = FirstPointValue, p2 = SecondPointValue;
  Plan plan;
  plan.l1 = l1;
  plan.l2 = l2;
  bool sameStarts = S[l1] == S[l2];
  if (EntireMode == TransformMode::Between) {
    plan.first = l1;
    plan.last = l2;
  } else {
    plan.first = 1;
    plan.last = n;
  }
  if (!sameStarts) plan.main = StraightLine::Through(S[l1], p1, S[l2], p2);
  if (EntireMode == TransformMode::Whole) {
    plan.before = plan.after = plan.main;
  } else if (EntireMode == TransformMode::PinnedEnds) {
    // Subtitle 1 and subtitle N keep their starts; L1 and L2 go to P1 and P2.
    if (l1 > 1) {
      sameStarts = sameStarts || S[1] == S[l1];
      if (!sameStarts) plan.before = StraightLine::Through(S[1], S[1], S[l1], p1);
    }
    if (l2 < n) {
      sameStarts = sameStarts || S[l2] == S[n];
      if (!sameStarts) plan.after = StraightLine::Through(S[l2], p2, S[n], S[n]);
    }
  }
  if (sameStarts) {
    Show(Icon::Error, SameStartsMessage);
    return;
  }

  // Every new value is known and checked before any is written.
  std::vector<std::int32_t> mapped;
  mapped.reserve(2 * static_cast<std::size_t>(plan.last - plan.first + 1));
  bool negative = false, tooHigh = false;
  const bool microDvd = s.CurrentType == TypeMicroDVD;
  for (int i = plan.first; i <= plan.last; ++i) {
    const StraightLine& line = plan.LineFor(i);
    for (long double v : {line(S[i]), line(s.EndValues[i])}) {
      negative = negative || v < 0;
      // Also a frame number or a time line the file cannot hold.
      tooHigh =
          tooHigh || v > LatestTime || (v >= 0 && !TimeWritable(static_cast<std::int64_t>(v), microDvd, FrameRate));
      if (negative || tooHigh) continue;
      // A MicroDVD time is the time of the frame it shows, so that the repair below sees
      // what the text will show (two times within one frame are one frame).
      const auto time = static_cast<std::int32_t>(v);
      mapped.push_back(microDvd ? FramesToMs(MsToFrames(time, FrameRate), FrameRate) : time);
    }
  }
  if (negative || tooHigh) {
    Show(Icon::Error, Text(negative ? Msg::FramesWouldBeNegative : Msg::FramesTooHigh));
    return;
  }

  // The repair may remove, merge and trim subtitles before it fails: all of it is kept aside.
  const SavedSubtitles saved{s.StartValues, s.EndValues, s.Texts, s.SubtitleCount, s.ChangeCount};
  for (int i = plan.first, at = 0; i <= plan.last; ++i) {
    ReplaceTime(s.StartValues[i], mapped[at++]);
    ReplaceTime(s.EndValues[i], mapped[at++]);
  }

  if (s.ChangeCount - s.ReportedChangeCount < 1) {
    Show(Icon::Information, Text(Msg::NoChange));
  } else {
    // One pass of the repair, with only 32 bits limiting a time and the tags left as they
    // are; it shows nothing and either makes the subtitles consistent or fails as a whole.
    if (RepairPass(s, RepairLimits{}) || s.SubtitleCount < 1) {
      s.StartValues = saved.starts;
      s.EndValues = saved.ends;
      s.Texts = saved.texts;
      s.SubtitleCount = saved.count;
      s.ChangeCount = saved.changeCount;
      Show(Icon::Error, Text(Msg::TooManyErrors));
      return;
    }
    LinesInText();
    Show(Icon::Information,
         Text(Msg::IveMade) + " " + std::to_string(s.ChangeCount - s.ReportedChangeCount) + " " + Text(Msg::Changes));
  }
  s.ReportedChangeCount = s.ChangeCount;
}

}  // namespace tessary
