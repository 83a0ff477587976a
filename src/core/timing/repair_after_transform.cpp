// The repair that follows the two-point transform. It shares the rules of the parse's time
// repair, but it shows nothing: it either passes or fails as a whole.
#include "timing/repair_after_transform.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "document/style_marks.h"
#include "document/units.h"

namespace tessary {

namespace {

constexpr std::int64_t DefaultDuration = 3000;
constexpr std::int32_t Unknown = -1;

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
  s.SubtitleCount = kept;
}

}  // namespace

bool RepairAfterTransform(SubtitleStore& s) {
  auto& S = s.StartValues;
  auto& E = s.EndValues;
  auto changed = [&] { ++s.ChangeCount; };

  // Removing every empty subtitle at once gives what removing the first one again and
  // again gives.
  Compact(s, [&](int k, int) {
    if (!s.Texts[k].empty()) return true;
    changed();
    return false;
  });
  const int n = s.SubtitleCount;
  if (n < 1) return false;

  if (S[1] == Unknown) {
    S[1] = 0;
    changed();
  }
  if (E[n] == Unknown) {
    if (S[n] == Unknown) return false;
    E[n] = ClampToInt32(S[n] + DefaultDuration);
    changed();
  }
  // Zero length. A next start that is still unknown does not cut the end to "unknown".
  for (int i = 1; i < n; ++i) {
    if (S[i] == E[i] && S[i] != Unknown) {
      const std::int64_t limit = S[i + 1] == Unknown ? INT64_MAX : S[i + 1];
      E[i] = ClampToInt32(std::min(S[i] + DefaultDuration, limit));
      changed();
    }
  }
  for (int i = 2; i <= n; ++i) {
    if (S[i] == Unknown && E[i - 1] != Unknown) {
      S[i] = ClampToInt32(std::max<std::int64_t>(E[i - 1], E[i] - DefaultDuration));
      changed();
    }
  }
  for (int i = 1; i < n; ++i) {
    if (E[i] == Unknown && S[i + 1] != Unknown) {
      E[i] = S[i + 1];
      changed();
    }
  }
  for (int i = 1; i <= n; ++i)
    if (S[i] == Unknown || E[i] == Unknown) return false;

  // Order and overlap.
  for (int i = 1; i < n; ++i) {
    if (E[i] <= S[i]) {
      E[i] = ClampToInt32(std::min<std::int64_t>(S[i] + DefaultDuration, S[i + 1]));
      changed();
      if (E[i] <= S[i] && i >= 2 && E[i - 1] < E[i]) {
        S[i] = ClampToInt32(std::max<std::int64_t>(E[i] - DefaultDuration, E[i - 1]));
        changed();
      }
    }
    if (S[i + 1] < E[i]) {
      if (S[i + 1] > S[i])
        E[i] = S[i + 1];
      else
        S[i + 1] = ClampToInt32(std::max<std::int64_t>(E[i + 1] - DefaultDuration, E[i]));
      changed();
    }
  }

  // A merge leaves the pairs before it as they were, so one sweep that merges into the
  // last subtitle kept finds every merge the repeated search finds, in the same order.
  Compact(s, [&](int k, int kept) {
    if (kept >= 1 && s.Texts[kept] == s.Texts[k] && E[kept] == S[k]) {
      E[kept] = E[k];
      changed();
      return false;
    }
    return true;
  });
  const int m = s.SubtitleCount;
  for (int i = 1; i <= m; ++i) s.ChangeCount += TidyLineSeparators(s.Texts[i]);

  if (E[1] <= S[1]) {
    S[1] = ClampToInt32(std::max<std::int64_t>(0, E[1] - DefaultDuration));
    changed();
  }
  if (S[m] >= E[m]) {
    E[m] = ClampToInt32(S[m] + DefaultDuration);
    changed();
  }
  for (int i = 1; i <= m; ++i)
    if (S[i] >= E[i]) return false;
  for (int i = 1; i < m; ++i)
    if (E[i] > S[i + 1]) return false;
  return true;
}

}  // namespace tessary
