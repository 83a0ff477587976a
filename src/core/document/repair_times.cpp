// Time repair: drops empty subtitles, fills missing times, lengthens and separates
// subtitles, merges continuations and tidies line separators and style tags.
#include "document/repair_times.h"

#include <algorithm>
#include <utility>

#include "document/caret.h"
#include "document/document.h"
#include "document/style_marks.h"
#include "document/units.h"
#include "document/verify_rules.h"

namespace tessary {

namespace {

constexpr std::int64_t DefaultDuration = 3000;

// Keeps the subtitles for which keep(k, kept) holds, in order, in one sweep; `kept` is the
// place of the last subtitle kept so far. The slots freed at the end are cleared.
template <typename Keep>
void Compact(SubtitleStore& s, Keep keep) {
  int kept = 0;
  for (int k = 1; k <= s.SubtitleCount; ++k) {
    if (!keep(k, kept)) continue;
    if (++kept != k) {
      s.StartValues[kept] = s.StartValues[k];
      s.EndValues[kept] = s.EndValues[k];
      std::swap(s.Texts[kept], s.Texts[k]);
    }
  }
  for (int k = kept + 1; k <= s.SubtitleCount; ++k) {
    s.StartValues[k] = s.EndValues[k] = 0;
    s.Texts[k].clear();
  }
  s.SetSubtitleCount(kept);
}

// The default duration after t, but no later than the file can hold.
std::int64_t Later(std::int64_t t, const RepairLimits& limits) { return std::min(t + DefaultDuration, limits.latest); }

// Removing every empty subtitle at once gives what removing the first one again and
// again gives.
void DropEmptySubtitles(SubtitleStore& s) {
  Compact(s, [&](int k, int) {
    if (!s.Texts[k].empty()) return true;
    ++s.ChangeCount;
    return false;
  });
}

// The first subtitle starts at 0 when its start is unknown, the last one lasts the default
// duration when its end is; a last subtitle without either stops the pass.
std::optional<RepairStop> FillOpenEnds(SubtitleStore& s, const RepairLimits& limits) {
  auto& S = s.StartValues;
  auto& E = s.EndValues;
  const int n = s.SubtitleCount;
  if (S[1] == -1) {
    S[1] = 0;
    ++s.ChangeCount;
  }
  if (E[n] == -1) {
    if (S[n] == -1) return RepairStop{n, std::nullopt};
    E[n] = ClampToInt32(Later(S[n], limits));
    ++s.ChangeCount;
  }
  return std::nullopt;
}

// Zero length; a next start still unknown leaves the default duration.
void LengthenZeroLength(SubtitleStore& s, const RepairLimits& limits) {
  auto& S = s.StartValues;
  auto& E = s.EndValues;
  const int n = s.SubtitleCount;
  for (int k = 1; k < n; ++k) {
    if (S[k] == E[k] && S[k] != -1) {
      const std::int64_t limit = S[k + 1] == -1 ? INT64_MAX : S[k + 1];
      E[k] = ClampToInt32(std::min(Later(S[k], limits), limit));
      ++s.ChangeCount;
    }
  }
}

// An unknown start follows the end before it; an unknown end is the next start.
void FillUnknownTimes(SubtitleStore& s) {
  auto& S = s.StartValues;
  auto& E = s.EndValues;
  const int n = s.SubtitleCount;
  for (int k = 2; k <= n; ++k) {
    if (S[k] == -1 && E[k - 1] != -1) {
      S[k] = ClampToInt32(std::max<std::int64_t>(E[k - 1], E[k] - DefaultDuration));
      ++s.ChangeCount;
    }
  }
  for (int k = 1; k < n; ++k) {
    if (E[k] == -1 && S[k + 1] != -1) {
      E[k] = S[k + 1];
      ++s.ChangeCount;
    }
  }
}

std::optional<RepairStop> FindUnknownTime(const SubtitleStore& s) {
  const int n = s.SubtitleCount;
  for (int k = 1; k <= n; ++k)
    if (s.StartValues[k] == -1) return RepairStop{k, Msg::CantDetermineStart};
  for (int k = 1; k <= n; ++k)
    if (s.EndValues[k] == -1) return RepairStop{k, Msg::CantDetermineEnd};
  return std::nullopt;
}

// Order and overlap: a subtitle ending before it starts is lengthened, one overlapping the
// next is shortened or the next one moved.
void OrderAndSeparate(SubtitleStore& s, const RepairLimits& limits) {
  auto& S = s.StartValues;
  auto& E = s.EndValues;
  const int n = s.SubtitleCount;
  for (int k = 1; k < n; ++k) {
    if (E[k] <= S[k]) {
      E[k] = ClampToInt32(std::min<std::int64_t>(Later(S[k], limits), S[k + 1]));
      ++s.ChangeCount;
      if (E[k] <= S[k] && k >= 2 && E[k - 1] < E[k]) {
        S[k] = ClampToInt32(std::max<std::int64_t>(E[k - 1], E[k] - DefaultDuration));
        ++s.ChangeCount;
      }
    }
    if (S[k + 1] < E[k]) {
      if (S[k + 1] > S[k])
        E[k] = S[k + 1];
      else
        S[k + 1] = ClampToInt32(std::max<std::int64_t>(E[k], E[k + 1] - DefaultDuration));
      ++s.ChangeCount;
    }
  }
}

// A subtitle followed by the same text that starts as it ends becomes one. Merging
// never makes an earlier pair mergeable, so one sweep finds every merge, in the same order.
void MergeContinuations(SubtitleStore& s) {
  Compact(s, [&](int k, int kept) {
    if (kept >= 1 && s.Texts[kept] == s.Texts[k] && s.EndValues[kept] == s.StartValues[k]) {
      s.EndValues[kept] = s.EndValues[k];
      ++s.ChangeCount;
      return false;
    }
    return true;
  });
}

// The first subtitle starts before it ends, the last one ends after it starts.
void MendFirstAndLast(SubtitleStore& s, const RepairLimits& limits) {
  auto& S = s.StartValues;
  auto& E = s.EndValues;
  const int m = s.SubtitleCount;
  if (E[1] <= S[1]) {
    S[1] = ClampToInt32(std::max<std::int64_t>(0, E[1] - DefaultDuration));
    ++s.ChangeCount;
  }
  if (S[m] >= E[m]) {
    E[m] = ClampToInt32(Later(S[m], limits));
    ++s.ChangeCount;
  }
}

std::optional<RepairStop> FindDisorder(const SubtitleStore& s) {
  const int m = s.SubtitleCount;
  for (int k = 1; k <= m; ++k)
    if (s.StartValues[k] >= s.EndValues[k]) return RepairStop{k, Msg::StartNotBeforeEnd};
  for (int k = 1; k < m; ++k)
    if (s.EndValues[k] > s.StartValues[k + 1]) return RepairStop{k, Msg::EndAfterNextStart};
  return std::nullopt;
}

}  // namespace

std::optional<RepairStop> RepairPass(SubtitleStore& s, const RepairLimits& limits) {
  DropEmptySubtitles(s);
  if (s.SubtitleCount < 1) return std::nullopt;
  if (auto stop = FillOpenEnds(s, limits)) return stop;
  LengthenZeroLength(s, limits);
  FillUnknownTimes(s);
  if (auto stop = FindUnknownTime(s)) return stop;
  OrderAndSeparate(s, limits);
  MergeContinuations(s);
  // The times are mended and checked without the texts, and the texts tidied without the times:
  // so the texts are walked once, after the times.
  MendFirstAndLast(s, limits);
  const std::optional<RepairStop> stop = FindDisorder(s);
  const bool repeatedTags = limits.repeatedTags && !stop;
  for (int k = 1; k <= s.SubtitleCount; ++k) {
    s.ChangeCount += TidyLineSeparators(s.Texts[k]);
    if (repeatedTags) s.ChangeCount += RemoveRepeatedOpeningTags(s.Texts[k]);
  }
  return stop;
}

// A second pass mends what the first one's changes left; the parse shows what stops it.
void Document::RepairTimes() {
  VerifiedOK_ = true;
  auto& s = store_;
  // A time the repair puts after another is never later than the file can hold back.
  const RepairLimits limits{LatestWritableTime(s.CurrentType == SubtitleType::MicroDVD, FrameRate_),
                            s.CurrentType == SubtitleType::SubRip};
  std::optional<RepairStop> stop;
  for (int pass = 1, passStart = s.ChangeCount; pass <= 2 && !stop; ++pass, passStart = s.ChangeCount) {
    stop = RepairPass(s, limits);
    if (s.ChangeCount == passStart) break;
  }
  if (!stop) {
    if (s.ChangeCount > s.ReportedChangeCount)
      Show(Icon::Information, Text(Msg::ProblemsDetected) + " " +
                                  std::to_string(s.ChangeCount - s.ReportedChangeCount) + " " + Text(Msg::Changes));
    return;
  }
  VerifiedOK_ = false;
  int line = stop->subtitle;
  if (!stop->why) {
    // The report quotes verified line n; the lines are let go once read, so that line is
    // verified again from the text.
    ReportLine(line, VerifiedMicroDVDLine(editor_.Text(), line, settings_.AdvancedAutomaticRepair, messages_), "");
  } else {
    LinesInText();
    if (s.CurrentType == SubtitleType::SubRip) {
      line = 2;
      for (int j = 1; j < stop->subtitle; ++j)
        line += 4 + static_cast<int>(std::count(s.Texts[j].begin(), s.Texts[j].end(), '|'));
    }
    const std::string& text = editor_.Text();
    const std::size_t start = StartOfLine(text, line);
    ReportLine(line, std::string_view(text).substr(start, text.find('\r', start) - start), Text(*stop->why));
  }
  GoToLocNr(line, 1, true);
}

}  // namespace tessary
