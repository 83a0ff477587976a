// The subtitle model: raw lines, and the subtitles read from them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessary {

// The layout detection finds in a text; the older three are read into SubRip.
enum class Layout {
  Unknown,     // no subtitle layout: the text is refused
  MicroDVD,    // "{start}{end}text"
  SubRip,      // counter, "00:00:01,000 --> 00:00:04,000", text, blank line
  TimePair,    // "00:00:01.50,00:00:03.00" with "[br]" breaks
  Ssa,         // SSA dialogue lines
  TimePrefix,  // "00:00:01:text"
};

// The type a subtitle is held, shown and saved in.
enum class SubtitleType { None, MicroDVD, SubRip };

// The arrays are 1-based (entry 0 is unused) and grow as needed: a parse may insert
// lines past the file's limit, and nothing is ever cut off.
struct SubtitleStore {
  // The lines of the text being parsed, from the split until they are read into subtitles.
  std::vector<std::string> RawLines{1};
  std::vector<std::int32_t> StartValues{0};
  std::vector<std::int32_t> EndValues{0};
  std::vector<std::string> Texts{1};

  int LineCount = 0;
  int SubtitleCount = 0;
  int ChangeCount = 0;
  int ReportedChangeCount = 0;
  SubtitleType CurrentType = SubtitleType::None;
  Layout DetectionCode = Layout::Unknown;

  bool SubtitleLoaded = false;
  bool TextEdited = false;
  bool FirstParseAfterLoad = false;
  bool BraceCodesFound = false;
  bool AngleTagsFound = false;

  // Makes RawLines hold at least entries 1..n.
  void EnsureLines(int n);
  // Makes StartValues, EndValues and Texts hold at least entries 1..n.
  void EnsureSubtitles(int n);
  // Every count goes through here, so the subtitle vectors always hold SubtitleCount entries; only
  // a MicroDVD parse counts its lines as subtitles between the split and the read, which sizes them.
  void SetSubtitleCount(int n) {
    EnsureSubtitles(n);
    SubtitleCount = n;
  }
  // The changes so far are told; the reported count never passes the count itself.
  void MarkChangesReported() { ReportedChangeCount = ChangeCount; }
  void ClearChanges() { ChangeCount = ReportedChangeCount = 0; }
  // Empties RawLines and the subtitles over 1..max(LineCount, SubtitleCount); the texts
  // give their memory back, as the next read puts the lines' own in their places.
  void ClearEntries();
};

// The type a detected layout is held in: MicroDVD as itself, every time-based one as SubRip.
inline constexpr SubtitleType TypeOfDetection(Layout layout) {
  return layout == Layout::Unknown    ? SubtitleType::None
         : layout == Layout::MicroDVD ? SubtitleType::MicroDVD
                                      : SubtitleType::SubRip;
}

}  // namespace tessary
