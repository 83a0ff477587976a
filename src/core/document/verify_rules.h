// The verification rules of each layout (internal to the document).
#pragma once

#include <string>
#include <string_view>

#include "document/document.h"

namespace tessary {

// A problem found in a line: the column to show (1-based; 0 means none) and the detail.
struct LineProblem {
  int column = 0;
  std::string detail;
  explicit operator bool() const { return column != 0; }
};

// The first position of `text` from `offset` on that breaks `pattern`, as a problem: a digit
// or a separator expected, or "Line too short!" when the line ends first.
LineProblem PatternProblem(std::string_view text, std::size_t offset, std::string_view pattern,
                           const MessageTable& messages);

// Line `n` of a MicroDVD text as its verification leaves it: empty lines dropped, the rest
// trimmed and mended. The lines themselves are let go once read; this finds one again.
std::string VerifiedMicroDVDLine(std::string_view text, int n, bool repair, const MessageTable& messages);

struct VerifyRules {
  Document& doc;

  void MicroDVD();
  void SubRip();
  void TimePair();
  void Ssa();
  void TimePrefix();

  // Reports raw line `line` (1-based) with `problem`; ends the verification.
  void Report(int line, const LineProblem& problem);

  bool Repair() const { return doc.settings_.AdvancedAutomaticRepair; }
  std::string& Line(int i) { return doc.store_.RawLines[i]; }
  void Changed(int n = 1) { doc.store_.ChangeCount += n; }
  int& ChangeCount() { return doc.store_.ChangeCount; }
  const MessageTable& Messages() const { return doc.messages_; }
  // "Don't show again" for the counter-out-of-order question.
  bool& CounterNoticeDisabled() { return doc.CounterNoticeDisabled_; }
  const std::string& Text(Msg id) const { return doc.Text(id); }
};

}  // namespace tessary
