// The time repair written the plain way: subtitles are erased from vectors, and the
// searches for empty texts and for mergeable pairs start again from the first subtitle
// after every removal.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "document/style_marks.h"
#include "document/units.h"
#include "literal_marks.h"

namespace tessary::oracle {

struct Repairer {
  struct Reported {};

  std::vector<std::int32_t> S, E;  // 1-based start and end values
  std::vector<std::string> T;      // 1-based texts
  std::vector<std::string> rawLines;
  int SubtitleCount = 0, ChangeCount = 0, ReportedChangeCount = 0;
  SubtitleType CurrentType = SubtitleType::MicroDVD;
  double FrameRate = 25;
  bool VerifiedOK = true;
  std::vector<std::string> messages;
  int reportLine = 0;

  static std::int32_t Clamp(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
  }
  // start + 3,000, but never past the latest time the file can hold back.
  std::int64_t Later(std::int32_t start) const {
    return std::min(start + std::int64_t{3000}, LatestWritableTime(CurrentType == SubtitleType::MicroDVD, FrameRate));
  }
  void Remove(int k) {
    S.erase(S.begin() + k), E.erase(E.begin() + k), T.erase(T.begin() + k);
    S.insert(S.begin() + SubtitleCount, 0), E.insert(E.begin() + SubtitleCount, 0),
        T.insert(T.begin() + SubtitleCount, "");
    --SubtitleCount;
  }

  void Run() {
    VerifiedOK = true;
    try {
      int passStart = ChangeCount;
      Pass();
      if (ChangeCount != passStart) Pass();
    } catch (const Reported&) {
      VerifiedOK = false;
      return;
    }
    if (ChangeCount > ReportedChangeCount)
      messages.push_back("information: Problems were detected - there were made " +
                         std::to_string(ChangeCount - ReportedChangeCount) + " changes");
  }

  void ReportLast() {
    const int n = SubtitleCount;
    reportLine = n;
    messages.push_back("error: Problems with line nr. " + std::to_string(n) + ":\r\n\"" + rawLines[n] + "\"");
    throw Reported{};
  }
  // Renders the store first, as the user is shown the subtitle as it now stands.
  void Report(int k, const std::string& detail) {
    for (int i = 1; i <= SubtitleCount; ++i) {
      (CurrentType == SubtitleType::MicroDVD ? tessary::SubRipToMicroDVD : tessary::MicroDVDToSubRip)(T[i]);
      tessary::RemoveUnwrittenDisplayLines(T[i], CurrentType == SubtitleType::SubRip);
    }
    auto frames = [&](std::int32_t v) { return v == -1 ? std::string() : std::to_string(MsToFrames(v, FrameRate)); };
    std::string line = "{" + frames(S[k]) + "}{" + frames(E[k]) + "}" + T[k];
    reportLine = k;
    if (CurrentType == SubtitleType::SubRip) {
      reportLine = 2;
      for (int j = 1; j < k; ++j) reportLine += 4 + static_cast<int>(std::count(T[j].begin(), T[j].end(), '|'));
      line = FormatTime(S[k], true) + " --> " + FormatTime(E[k], true);
    }
    messages.push_back("error: Problems with line nr. " + std::to_string(reportLine) + ":\r\n\"" + line + "\"\r\n" +
                       detail);
    throw Reported{};
  }

  void Pass() {
    for (;;) {
      int k = 1;
      while (k <= SubtitleCount && !T[k].empty()) ++k;
      if (k > SubtitleCount) break;
      Remove(k), ++ChangeCount;
    }
    const int& n = SubtitleCount;
    if (n == 0) return;  // nothing left to repair
    if (S[1] == -1) S[1] = 0, ++ChangeCount;
    if (E[n] == -1) {
      if (S[n] == -1) ReportLast();
      E[n] = Clamp(Later(S[n])), ++ChangeCount;
    }
    for (int k = 1; k <= n - 1; ++k)
      if (S[k] == E[k] && S[k] != -1)
        E[k] = Clamp(S[k + 1] == -1 ? Later(S[k]) : std::min<std::int64_t>(Later(S[k]), S[k + 1])), ++ChangeCount;
    for (int k = 2; k <= n; ++k)
      if (S[k] == -1 && E[k - 1] != -1) S[k] = Clamp(std::max<std::int64_t>(E[k - 1], E[k] - 3000LL)), ++ChangeCount;
    for (int k = 1; k <= n - 1; ++k)
      if (E[k] == -1 && S[k + 1] != -1) E[k] = S[k + 1], ++ChangeCount;
    for (int k = 1; k <= n; ++k)
      if (S[k] == -1) Report(k, "I can't determine the start value!");
    for (int k = 1; k <= n; ++k)
      if (E[k] == -1) Report(k, "I can't determine the end value!");
    for (int k = 1; k <= n - 1; ++k) {
      if (E[k] <= S[k]) {
        E[k] = Clamp(std::min<std::int64_t>(Later(S[k]), S[k + 1])), ++ChangeCount;
        if (E[k] <= S[k] && k >= 2 && E[k - 1] < E[k])
          S[k] = Clamp(std::max<std::int64_t>(E[k - 1], E[k] - 3000LL)), ++ChangeCount;
      }
      if (S[k + 1] < E[k]) {
        if (S[k + 1] > S[k])
          E[k] = S[k + 1];
        else
          S[k + 1] = Clamp(std::max<std::int64_t>(E[k], E[k + 1] - 3000LL));
        ++ChangeCount;
      }
    }
    for (;;) {
      int k = 1;
      while (k <= n - 1 && !(T[k] == T[k + 1] && E[k] == S[k + 1])) ++k;
      if (k > n - 1) break;
      E[k] = E[k + 1], Remove(k + 1), ++ChangeCount;
    }
    for (int k = 1; k <= n; ++k) ChangeCount += TidyLineSeparators(T[k]);
    if (E[1] <= S[1]) S[1] = Clamp(std::max<std::int64_t>(0, E[1] - 3000LL)), ++ChangeCount;
    if (S[n] >= E[n]) E[n] = Clamp(Later(S[n])), ++ChangeCount;
    for (int k = 1; k <= n; ++k)
      if (S[k] >= E[k]) Report(k, "The start value is equal or bigger than the end value!");
    for (int k = 1; k <= n - 1; ++k)
      if (E[k] > S[k + 1]) Report(k, "The end value is bigger than the next start value!");
    if (CurrentType == SubtitleType::SubRip)
      for (int k = 1; k <= n; ++k) ChangeCount += RemoveRepeatedOpeningTags(T[k]);
  }
};

}  // namespace tessary::oracle
