// A document with quiet shell doubles for the benchmarks, and the parse's steps run on
// lines put into its store.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "document/document.h"
#include "document/line_split.h"
#include "document/units.h"
#include "ports/string_editor.h"
#include "settings/message_table.h"

namespace tessary::bench {

class SilentPrompter : public Prompter {
 public:
  void Show(Icon, std::string_view) override {}
  Answer Ask(Icon, std::string_view, Buttons, Answer defaultAnswer) override { return defaultAnswer; }
  bool ConfirmConversion(bool&) override { return true; }
};

class FixedClock : public Clock {
 public:
  TimePoint Now() const override { return TimePoint{} + std::chrono::days(46000); }
};

// A document with its shell doubles, on one file.
struct Session {
  SilentPrompter prompter;
  StringEditor editor;
  FixedClock clock;
  MessageTable messages;
  Document doc{prompter, editor, clock, messages};
};

// The file's lines as a MicroDVD text typed over a MicroDVD subtitle: detection would not
// take every shape (every other line empty, say), the MicroDVD rules still must.
inline void LoadAsMicroDVD(Document& doc, const std::string& bytes) {
  auto& store = doc.StoreForSetup();
  store.LineCount = SplitFileLines(bytes, store.RawLines, MaxLines);
  store.SubtitleCount = store.LineCount;
  store.DetectionCode = Layout::MicroDVD;
  store.CurrentType = SubtitleType::MicroDVD;
  store.SubtitleLoaded = true;
}

// The parse's steps after detection, each only while the previous succeeded.
inline void ParseLoaded(Document& doc) {
  doc.VerifySubtitle();
  if (doc.VerifiedOK()) doc.ReadSubtitleLines();
  if (doc.VerifiedOK()) doc.RepairTimes();
  if (doc.VerifiedOK()) doc.LinesInText();
}

}  // namespace tessary::bench
