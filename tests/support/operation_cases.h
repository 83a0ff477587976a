// Stores built directly for the timing operations, and the check of one operation case.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "operations/timing_operations.h"
#include "support/document_fixture.h"

namespace tessary::testing {

using Times = std::vector<std::int32_t>;  // start and end of every subtitle, in order

// A loaded store of `type` with the times; the texts are "A", "B", ... so that no two merge.
inline SubtitleStore StoreOf(int type, const Times& times) {
  SubtitleStore s;
  s.CurrentType = type;
  s.SubtitleLoaded = true;
  s.SubtitleCount = static_cast<int>(times.size() / 2);
  s.EnsureSubtitles(s.SubtitleCount);
  for (int i = 1; i <= s.SubtitleCount; ++i) {
    s.StartValues[i] = times[2 * i - 2];
    s.EndValues[i] = times[2 * i - 1];
    s.Texts[i] = std::string(1, static_cast<char>('A' + (i - 1) % 26));
  }
  return s;
}

inline Times TimesOf(const SubtitleStore& s) {
  Times out;
  for (int i = 1; i <= s.SubtitleCount; ++i) out.insert(out.end(), {s.StartValues[i], s.EndValues[i]});
  return out;
}

// The milliseconds of MicroDVD frame numbers at `rate`.
inline Times FramesAt(const Times& frames, double rate) {
  Times ms;
  for (std::int32_t frame : frames) ms.push_back(FramesToMs(frame, rate));
  return ms;
}

// An operation on a store and what it must leave: a refused one leaves the store as it was.
struct OperationCase {
  const char* name;
  TimeLimits limits;
  Times before;
  Operation operation;
  Outcome outcome = Outcome::Refused;
  int changes = 0;
  Times after = {};  // empty: as before
  std::optional<Msg> message = std::nullopt;
};

inline OperationResult ExpectCase(const OperationCase& c) {
  SCOPED_TRACE(c.name);
  SubtitleStore s = StoreOf(c.limits.type, c.before);
  const OperationResult result = Apply(s, c.operation, c.limits);
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(std::pair(result.changes, s.ChangeCount), std::pair(c.changes, c.changes));
  EXPECT_EQ(result.message, c.message);
  EXPECT_EQ(TimesOf(s), c.after.empty() ? c.before : c.after);
  return result;
}

}  // namespace tessary::testing
