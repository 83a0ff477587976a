// Time repair: drops empty subtitles, fills missing times, lengthens and separates
// subtitles, merges continuations and tidies line separators and style tags.
#include <algorithm>
#include <cstdint>

#include "document/caret.h"
#include "document/document.h"
#include "document/style_marks.h"
#include "document/units.h"
#include "document/verify_rules.h"

namespace tessary {

namespace {
constexpr std::int64_t DefaultDuration = 3000;
}  // namespace

struct RepairRules {
  Document& doc;
  SubtitleStore& s = doc.store;

  std::int32_t& Start(int k) { return s.StartValues[k]; }
  std::int32_t& End(int k) { return s.EndValues[k]; }
  void Changed() { ++s.ChangeCount; }
  // A time the repair puts after another is never later than the file can hold back.
  const std::int64_t latest = LatestWritableTime(s.CurrentType == TypeMicroDVD, doc.FrameRate);
  std::int64_t Later(std::int64_t t) const { return std::min(t + DefaultDuration, latest); }

  // Returns false when a subtitle was reported.
  bool Pass();
  void ReportLast();
  void ReportSubtitle(int k, Msg message);
  // Keeps the subtitles for which `keep(k)` holds, in order.
  template <typename Keep>
  void Compact(Keep keep);
};

template <typename Keep>
void RepairRules::Compact(Keep keep) {
  int kept = 0;
  for (int k = 1; k <= s.SubtitleCount; ++k) {
    if (!keep(k, kept)) continue;
    if (++kept != k) {
      Start(kept) = Start(k);
      End(kept) = End(k);
      std::swap(s.Texts[kept], s.Texts[k]);
    }
  }
  for (int k = kept + 1; k <= s.SubtitleCount; ++k) {
    Start(k) = End(k) = 0;
    s.Texts[k].clear();
  }
  s.SubtitleCount = kept;
}

bool RepairRules::Pass() {
  // Subtitles without text.
  Compact([&](int k, int) {
    if (!s.Texts[k].empty()) return true;
    Changed();
    return false;
  });
  const int n = s.SubtitleCount;
  if (n < 1) return true;

  if (Start(1) == -1) {
    Start(1) = 0;
    Changed();
  }
  if (End(n) == -1) {
    if (Start(n) == -1) {
      ReportLast();
      return false;
    }
    End(n) = ClampToInt32(Later(Start(n)));
    Changed();
  }
  // Zero length; a next start still unknown leaves the default duration.
  for (int k = 1; k < n; ++k) {
    if (Start(k) == End(k) && Start(k) != -1) {
      std::int64_t limit = Start(k + 1) == -1 ? INT64_MAX : Start(k + 1);
      End(k) = ClampToInt32(std::min(Later(Start(k)), limit));
      Changed();
    }
  }
  for (int k = 2; k <= n; ++k) {
    if (Start(k) == -1 && End(k - 1) != -1) {
      Start(k) = ClampToInt32(std::max<std::int64_t>(End(k - 1), End(k) - DefaultDuration));
      Changed();
    }
  }
  for (int k = 1; k < n; ++k) {
    if (End(k) == -1 && Start(k + 1) != -1) {
      End(k) = Start(k + 1);
      Changed();
    }
  }
  for (int k = 1; k <= n; ++k) {
    if (Start(k) == -1) {
      ReportSubtitle(k, Msg::CantDetermineStart);
      return false;
    }
  }
  for (int k = 1; k <= n; ++k) {
    if (End(k) == -1) {
      ReportSubtitle(k, Msg::CantDetermineEnd);
      return false;
    }
  }
  // Order and overlap.
  for (int k = 1; k < n; ++k) {
    if (End(k) <= Start(k)) {
      End(k) = ClampToInt32(std::min<std::int64_t>(Later(Start(k)), Start(k + 1)));
      Changed();
      if (End(k) <= Start(k) && k >= 2 && End(k - 1) < End(k)) {
        Start(k) = ClampToInt32(std::max<std::int64_t>(End(k - 1), End(k) - DefaultDuration));
        Changed();
      }
    }
    if (Start(k + 1) < End(k)) {
      if (Start(k + 1) > Start(k))
        End(k) = Start(k + 1);
      else
        Start(k + 1) = ClampToInt32(std::max<std::int64_t>(End(k), End(k + 1) - DefaultDuration));
      Changed();
    }
  }
  // A subtitle followed by the same text that starts as it ends becomes one. Merging
  // never makes an earlier pair mergeable, so one sweep finds every merge.
  Compact([&](int k, int kept) {
    if (kept >= 1 && s.Texts[kept] == s.Texts[k] && End(kept) == Start(k)) {
      End(kept) = End(k);
      Changed();
      return false;
    }
    return true;
  });
  const int m = s.SubtitleCount;
  for (int k = 1; k <= m; ++k) s.ChangeCount += TidyLineSeparators(s.Texts[k]);
  if (End(1) <= Start(1)) {
    Start(1) = ClampToInt32(std::max<std::int64_t>(0, End(1) - DefaultDuration));
    Changed();
  }
  if (Start(m) >= End(m)) {
    End(m) = ClampToInt32(Later(Start(m)));
    Changed();
  }
  for (int k = 1; k <= m; ++k) {
    if (Start(k) >= End(k)) {
      ReportSubtitle(k, Msg::StartNotBeforeEnd);
      return false;
    }
  }
  for (int k = 1; k < m; ++k) {
    if (End(k) > Start(k + 1)) {
      ReportSubtitle(k, Msg::EndAfterNextStart);
      return false;
    }
  }
  if (s.CurrentType == TypeSubRip)
    for (int k = 1; k <= m; ++k) s.ChangeCount += RemoveRepeatedOpeningTags(s.Texts[k]);
  return true;
}

// Only a MicroDVD line leaves a subtitle without times. The report quotes verified line n;
// the lines are let go once read, so that line is verified again from the text.
void RepairRules::ReportLast() {
  const int n = s.SubtitleCount;
  doc.ReportLine(n, VerifiedMicroDVDLine(doc.editor_.Text(), n, doc.settings.AdvancedAutomaticRepair, doc.messages),
                 "");
  doc.GoToLocNr(n, 1, true);
}

void RepairRules::ReportSubtitle(int k, Msg message) {
  doc.LinesInText();
  int line = k;
  if (s.CurrentType == TypeSubRip) {
    line = 2;
    for (int j = 1; j < k; ++j) line += 4 + static_cast<int>(std::count(s.Texts[j].begin(), s.Texts[j].end(), '|'));
  }
  const std::string& text = doc.editor_.Text();
  const std::size_t start = StartOfLine(text, line);
  doc.ReportLine(line, std::string_view(text).substr(start, text.find('\r', start) - start), doc.Text(message));
  doc.GoToLocNr(line, 1, true);
}

void Document::RepairTimes() {
  VerifiedOK = true;
  RepairRules rules{*this};
  int passStart = store.ChangeCount;
  for (int pass = 1; pass <= 2; ++pass) {
    if (!rules.Pass()) {
      VerifiedOK = false;
      return;
    }
    if (store.ChangeCount == passStart) break;
    passStart = store.ChangeCount;
  }
  if (store.ChangeCount > store.ReportedChangeCount)
    Show(Icon::Information, Text(Msg::ProblemsDetected) + " " +
                                std::to_string(store.ChangeCount - store.ReportedChangeCount) + " " +
                                Text(Msg::Changes));
}

}  // namespace tessary
