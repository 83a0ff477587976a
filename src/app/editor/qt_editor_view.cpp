#include "editor/qt_editor_view.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <utility>

#include <QFont>
#include <QList>
#include <QMetaObject>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "controls/my_rich_edit.h"
#include "document/windows1250.h"

namespace tessary {

namespace {

constexpr std::size_t kCurrentCaret = std::numeric_limits<std::size_t>::max();
// GoToLocNr scrolls three times to leave a margin around the line; older requests are moot.
constexpr std::size_t kScrollsKept = 3;

constexpr char16_t kMarkerBase = 0xDC00;
constexpr char16_t MarkerOf(unsigned char byte) { return static_cast<char16_t>(kMarkerBase + byte); }
// A marker the view made: a lone CR or LF, or a byte of 0x80 or more.
constexpr bool IsByteMarker(char16_t c) {
  return c >= kMarkerBase && c <= kMarkerBase + 0xFF &&
         (c >= kMarkerBase + 0x80 || c == MarkerOf('\r') || c == MarkerOf('\n'));
}
constexpr bool IsLineBreak(char16_t c) { return c == 0x2029 || c == 0x2028; }

// One character of a line: its bytes and the UTF-16 units it takes in the control.
struct Step {
  std::size_t bytes;
  int units;
};

// True for the UTF-8 forms of U+2028, U+2029, U+FDD0 and U+FDD1, which the control would
// turn into paragraph breaks.
bool IsBreakingSequence(std::string_view s, std::size_t i) {
  auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  return (b(0) == 0xE2 && b(1) == 0x80 && (b(2) == 0xA8 || b(2) == 0xA9)) ||
         (b(0) == 0xEF && b(1) == 0xB7 && (b(2) == 0x90 || b(2) == 0x91));
}

// The character at s[i] (not the CR of a CR LF). Decoding and position mapping both walk
// with this, so that they agree.
Step StepAt(std::string_view s, std::size_t i, bool utf8) {
  if (!utf8 || static_cast<unsigned char>(s[i]) < 0x80) return {1, 1};
  const std::size_t n = Utf8SequenceLength(s, i);
  if (n == 0 || (n == 3 && IsBreakingSequence(s, i))) return {1, 1};
  return {n, n == 4 ? 2 : 1};
}

bool IsCrLf(std::string_view s, std::size_t i) { return s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n'; }

// Characters of the bytes s (which start at a line start); CR LF becomes "\n".
QString Decode(std::string_view s, bool utf8) {
  QString out(static_cast<qsizetype>(s.size()), Qt::Uninitialized);  // never more units than bytes
  auto* d = reinterpret_cast<char16_t*>(out.data());
  auto* const begin = d;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c < 0x80) {
      *d++ = c;
      ++i;
    } else if (c == '\r' || c == '\n') {
      const bool pair = IsCrLf(s, i);
      *d++ = pair ? u'\n' : MarkerOf(c);
      i += pair ? 2 : 1;
    } else if (c < 0x80) {
      *d++ = c;
      ++i;
    } else if (!utf8) {
      *d++ = Windows1250ToUnicode(c);
      ++i;
    } else {
      const Step step = StepAt(s, i, true);
      if (step.bytes == 1) {
        *d++ = MarkerOf(c);
        ++i;
        continue;
      }
      char32_t cp = c & (step.bytes == 2 ? 0x1F : step.bytes == 3 ? 0x0F : 0x07);
      for (std::size_t k = 1; k < step.bytes; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
      if (cp >= 0x10000) {
        cp -= 0x10000;
        *d++ = static_cast<char16_t>(0xD800 + (cp >> 10));
        *d++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
      } else {
        *d++ = static_cast<char16_t>(cp);
      }
      i += step.bytes;
    }
  }
  out.truncate(d - begin);
  return out;
}

// Bytes of the control's raw text (paragraph breaks U+2029) into out. Returns false when a
// character has no Windows-1250 byte.
bool Encode(QStringView text, bool utf8, std::string& out) {
  out.resize(static_cast<std::size_t>(text.size()) * (utf8 ? 3 : 2));
  char* d = out.data();
  const char16_t* u = text.utf16();
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = u[i];
    if (c < 0x80) {
      *d++ = static_cast<char>(c);
    } else if (IsLineBreak(c)) {
      *d++ = '\r';
      *d++ = '\n';
    } else if (IsByteMarker(c)) {
      *d++ = static_cast<char>(c & 0xFF);
    } else if (!utf8) {
      const int byte = UnicodeToWindows1250(c);
      if (byte < 0) return false;
      *d++ = static_cast<char>(byte);
    } else if (c < 0x800) {
      *d++ = static_cast<char>(0xC0 | (c >> 6));
      *d++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && u[i + 1] >= 0xDC00 && u[i + 1] <= 0xDFFF) {
      const char32_t cp = 0x10000 + ((char32_t{c} - 0xD800) << 10) + (u[i + 1] - 0xDC00);
      ++i;
      *d++ = static_cast<char>(0xF0 | (cp >> 18));
      *d++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      *d++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *d++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      // Also a lone surrogate, in the three-byte form the document keeps from UTF-16 files.
      *d++ = static_cast<char>(0xE0 | (c >> 12));
      *d++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      *d++ = static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  out.resize(static_cast<std::size_t>(d - out.data()));
  if (out.capacity() > out.size() + out.size() / 2) out.shrink_to_fit();
  return true;
}

// True when every character of doc[position, position + count) has a Windows-1250 byte.
bool Windows1250Holds(QTextDocument* doc, int position, int count) {
  QTextCursor cursor(doc);
  cursor.setPosition(position);
  cursor.setPosition(std::min(position + count, doc->characterCount() - 1), QTextCursor::KeepAnchor);
  std::string bytes;
  return Encode(cursor.selectedText(), false, bytes);
}

// Number of CR LF pairs that lie wholly in s[from, to).
int LineBreaksIn(std::string_view s, std::size_t from, std::size_t to) {
  int count = 0;
  const char* p = s.data() + from;
  const char* const end = s.data() + to;
  while (p + 1 < end && (p = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(end - p - 1))))) {
    if (p[1] == '\n') ++count;
    ++p;
  }
  return count;
}

// Byte position at which line `line` (0-based, counting CR LF pairs) starts, or the end.
std::size_t StartOfLineNumber(std::string_view s, int line) {
  std::size_t at = 0;
  while (line > 0) {
    const std::size_t cr = s.find("\r\n", at);
    if (cr == std::string_view::npos) return s.size();
    at = cr + 2;
    --line;
  }
  return at;
}

// The lines that differ between two texts: old [start, oldEnd) became new [start, newEnd).
// Both ends are line starts (just after a CR LF) or the end of the text.
struct ChangedLines {
  std::size_t start, oldEnd, newEnd;
};

ChangedLines FindChangedLines(std::string_view before, std::string_view after) {
  const std::size_t limit = std::min(before.size(), after.size());
  const std::size_t prefix = static_cast<std::size_t>(
      std::mismatch(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(limit), after.begin()).first -
      before.begin());
  std::size_t start = 0;
  if (prefix >= 2) {
    const std::size_t crlf = before.rfind("\r\n", prefix - 2);
    if (crlf != std::string_view::npos) start = crlf + 2;
  }
  const std::size_t suffixLimit = limit - prefix;
  const std::size_t suffix = static_cast<std::size_t>(
      std::mismatch(before.rbegin(), before.rbegin() + static_cast<std::ptrdiff_t>(suffixLimit), after.rbegin()).first -
      before.rbegin());
  // The first CR LF that lies wholly in the common end closes the last changed line.
  const std::size_t crlf = before.find("\r\n", before.size() - suffix);
  const std::size_t oldEnd = crlf == std::string_view::npos ? before.size() : crlf + 2;
  return {start, oldEnd, after.size() - (before.size() - oldEnd)};
}

}  // namespace

QtEditorView::QtEditorView(TMyRichEdit* edit, QObject* parent) : QObject(parent), edit_(edit) {
  connect(edit_->document(), &QTextDocument::contentsChange, this, &QtEditorView::ControlChanged);
  // Whatever the control holds already is read on demand.
  userEdited_ = !edit_->document()->isEmpty();
  SetTextColour(QColor(0, 0, 128));
}

void QtEditorView::SetEncoding(EncodingInfo* encoding) {
  encoding_ = encoding ? encoding : &ownEncoding_;
  // The control's characters stay; their bytes are made again in this encoding when asked.
  if (!textPending_ && shownUtf8_ != Utf8()) userEdited_ = true;
}

void QtEditorView::SetTextColour(const QColor& colour) {
  textColour_ = colour;
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Text, colour);
  edit_->setPalette(palette);
}

bool QtEditorView::Utf8() const { return encoding_->IsUtf8Document(); }

bool QtEditorView::HasPending() const {
  return textPending_ || caretPending_ || !scrolls_.empty() || colouringsChanged_;
}

void QtEditorView::ControlChanged(int position, int charsRemoved, int charsAdded) {
  if (flushing_ || (charsRemoved == 0 && charsAdded == 0)) return;
  bool switched = false;
  if (textPending_) {
    shownStale_ = true;  // the coming flush replaces the whole text
  } else {
    userEdited_ = true;
    switched = !Utf8() && !Windows1250Holds(edit_->document(), position, charsAdded);
    if (switched) encoding_->SwitchToUtf8();
  }
  // A flush asked for while the control is still busy with the user's change waits.
  reporting_ = true;
  if (switched) emit encodingSwitched();
  emit userTextChanged();
  reporting_ = false;
}

void QtEditorView::RebuildFromControl() const {
  const QString raw = edit_->document()->toRawText();
  if (!Encode(raw, Utf8(), text_)) {
    // A character Windows-1250 cannot hold: the document becomes UTF-8 rather than lose it.
    encoding_->SwitchToUtf8();
    Encode(raw, true, text_);
  }
  shownUtf8_ = Utf8();
  userEdited_ = false;
}

const std::string& QtEditorView::Text() const {
  if (userEdited_ && !textPending_) RebuildFromControl();
  return text_;
}

void QtEditorView::PrepareForNewText() {
  if (textPending_) return;
  // After a change by the user that nobody has read, the control's bytes are unknown (and
  // making them now could switch an encoding that the document has just chosen): the new
  // text then replaces the whole text.
  shownStale_ = userEdited_;
  if (!shownStale_) shown_ = std::move(text_);
  userEdited_ = false;
  textPending_ = true;
}

void QtEditorView::SetText(std::string_view text) {
  if (std::greater_equal<const char*>()(text.data(), text_.data()) &&
      std::less_equal<const char*>()(text.data(), text_.data() + text_.size())) {
    SetText(std::string(text));  // a part of the current text
    return;
  }
  PrepareForNewText();
  text_.assign(text);
  NewTextSet();
}

void QtEditorView::SetText(std::string&& text) {
  PrepareForNewText();
  text_ = std::move(text);
  NewTextSet();
}

void QtEditorView::NewTextSet() {
  // As with a fresh text in any edit control: caret at the start, no colours.
  caretPending_ = true;
  pendingCaret_ = 0;
  scrolls_.clear();
  colourings_.clear();
  colouringsChanged_ = true;
  Schedule();
}

std::size_t QtEditorView::CaretPosition() const {
  if (caretPending_) return pendingCaret_;
  const std::string& text = Text();
  const QTextBlock block = edit_->document()->findBlock(edit_->textCursor().position());
  int units = edit_->textCursor().position() - block.position();
  const std::size_t start = StartOfLineNumber(text, block.blockNumber());
  std::size_t at = start;
  const bool utf8 = Utf8();
  while (at < text.size() && !IsCrLf(text, at)) {
    const Step step = StepAt(text, at, utf8);
    if (units < step.units) break;
    units -= step.units;
    at += step.bytes;
  }
  return at;
}

void QtEditorView::SetCaretPosition(std::size_t position) {
  pendingCaret_ = std::min(position, Text().size());
  caretPending_ = true;
  Schedule();
}

void QtEditorView::ScrollCaretIntoView() {
  scrolls_.push_back(caretPending_ ? pendingCaret_ : kCurrentCaret);
  if (scrolls_.size() > kScrollsKept) scrolls_.erase(scrolls_.begin());
  Schedule();
}

void QtEditorView::ColourRange(std::size_t start, std::size_t length, Rgb colour) {
  colourings_.push_back({start, length, colour});
  colouringsChanged_ = true;
  Schedule();
}

void QtEditorView::ResetColour() {
  colourings_.clear();
  colouringsChanged_ = true;
  Schedule();
}

void QtEditorView::SetReadOnly(bool readOnly) { edit_->setReadOnly(readOnly); }

int QtEditorView::HeightPixels() const { return edit_->viewport()->height(); }

int QtEditorView::FontSizePoints() const {
  const QFont font = edit_->font();
  double points = font.pointSizeF();
  if (points <= 0) points = font.pixelSize() * 72.0 / std::max(1, edit_->logicalDpiY());
  return std::max(1, qRound(points));
}

void QtEditorView::Schedule() {
  if (flushQueued_ || flushing_) return;
  flushQueued_ = true;
  QMetaObject::invokeMethod(this, &QtEditorView::Flush, Qt::QueuedConnection);
}

int QtEditorView::ControlPosition(std::size_t bytePosition) const {
  const std::string_view text = text_;
  std::size_t position = std::min(bytePosition, text.size());
  if (position > 0 && IsCrLf(text, position - 1)) --position;  // between CR and LF: end of line
  const std::size_t lineStart = position >= 2 ? [&] {
    const std::size_t crlf = text.rfind("\r\n", position - 2);
    return crlf == std::string_view::npos ? std::size_t{0} : crlf + 2;
  }() : 0;
  int units = 0;
  const bool utf8 = Utf8();
  for (std::size_t at = lineStart; at < position;) {
    const Step step = StepAt(text, at, utf8);
    if (at + step.bytes > position) break;
    units += step.units;
    at += step.bytes;
  }
  const QTextBlock block = edit_->document()->findBlockByNumber(LineBreaksIn(text, 0, lineStart));
  if (!block.isValid()) return edit_->document()->characterCount() - 1;
  return block.position() + std::min(units, block.length() - 1);
}

bool QtEditorView::ReplaceChangedLines() {
  QTextDocument* doc = edit_->document();
  const bool utf8 = Utf8();
  const std::string_view before = shown_, after = text_;
  const ChangedLines lines = FindChangedLines(before, after);
  if (lines.oldEnd == lines.start && lines.newEnd == lines.start) return true;
  const int firstLine = LineBreaksIn(before, 0, lines.start);
  const std::string_view oldPart = before.substr(lines.start, lines.oldEnd - lines.start);
  const std::string_view newPart = after.substr(lines.start, lines.newEnd - lines.start);
  QTextCursor cursor(doc);
  auto replace = [&](int from, int to, std::string_view bytes) {
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    if (bytes.empty())
      cursor.removeSelectedText();
    else
      cursor.insertText(Decode(bytes, utf8));
  };

  // When the lines stay the same in number (commands that change every subtitle's times
  // do so), the differing lines are changed inside their paragraphs: far cheaper than
  // making the paragraphs again.
  const bool toEnd = lines.oldEnd == before.size();
  auto split = [toEnd](std::string_view part) {
    std::vector<std::string_view> result;  // each ends with CR LF, but the text's last line
    for (std::size_t at = 0;;) {
      const std::size_t crlf = part.find("\r\n", at);
      if (crlf == std::string_view::npos) {
        if (toEnd) result.push_back(part.substr(at));
        return result;
      }
      result.push_back(part.substr(at, crlf - at));
      at = crlf + 2;
    }
  };
  const std::vector<std::string_view> oldLines = split(oldPart), newLines = split(newPart);
  if (oldLines.size() == newLines.size()) {
    std::vector<int> changed;
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
      if (oldLines[i] != newLines[i]) changed.push_back(static_cast<int>(i));
    }
    if (changed.size() <= static_cast<std::size_t>(doc->blockCount()) / 2) {
      cursor.beginEditBlock();
      QTextBlock block = doc->findBlockByNumber(firstLine);
      int blockLine = 0;
      for (int i : changed) {
        for (; blockLine < i; ++blockLine) block = block.next();
        replace(block.position(), block.position() + block.length() - 1, newLines[static_cast<std::size_t>(i)]);
      }
      cursor.endEditBlock();
      return true;
    }
  }
  if (std::max(oldPart.size(), newPart.size()) > std::max(before.size(), after.size()) / 2) return false;
  const int from = doc->findBlockByNumber(firstLine).position();
  const int to = toEnd ? doc->characterCount() - 1
                       : doc->findBlockByNumber(firstLine + static_cast<int>(oldLines.size())).position();
  cursor.beginEditBlock();
  replace(from, to, newPart);
  cursor.endEditBlock();
  return true;
}

void QtEditorView::ApplyText() {
  QTextDocument* doc = edit_->document();
  const bool utf8 = Utf8();
  if (shownStale_ || shownUtf8_ != utf8 || doc->isEmpty() || !ReplaceChangedLines()) {
    // The document's own setPlainText: the control's would also set the character format
    // of the whole text afterwards, which costs a tenth more on the largest text.
    doc->setPlainText(Decode(text_, utf8));
    edit_->horizontalScrollBar()->setValue(0);
    edit_->verticalScrollBar()->setValue(0);
  }
  // A text the program writes starts afresh, as after opening a file.
  doc->clearUndoRedoStacks();
  shownUtf8_ = utf8;
  shownStale_ = false;
  userEdited_ = false;
  std::string().swap(shown_);
}

void QtEditorView::Flush() {
  flushQueued_ = false;
  if (flushing_ || !HasPending() || !edit_) return;
  if (reporting_) {
    Schedule();
    return;
  }
  flushing_ = true;
  if (textPending_) {
    ApplyText();
    textPending_ = false;
  } else if (userEdited_) {
    RebuildFromControl();  // the recorded positions are about the text as it is now
  }
  QTextDocument* doc = edit_->document();
  auto cursorAt = [&](std::size_t position) {
    QTextCursor cursor(doc);
    cursor.setPosition(ControlPosition(position));
    return cursor;
  };
  for (std::size_t target : scrolls_) {
    if (target == kCurrentCaret)
      edit_->ensureCursorVisible();
    else
      edit_->setTextCursor(cursorAt(target));  // which scrolls it into view
  }
  if (caretPending_) {
    if (scrolls_.empty()) {
      // Placing the caret alone does not scroll.
      const int horizontal = edit_->horizontalScrollBar()->value();
      const int vertical = edit_->verticalScrollBar()->value();
      edit_->setTextCursor(cursorAt(pendingCaret_));
      edit_->horizontalScrollBar()->setValue(horizontal);
      edit_->verticalScrollBar()->setValue(vertical);
    } else {
      edit_->setTextCursor(cursorAt(pendingCaret_));
    }
  }
  if (colouringsChanged_) {
    QList<QTextEdit::ExtraSelection> selections;
    for (const Colouring& c : colourings_) {
      QTextEdit::ExtraSelection selection;
      selection.cursor = cursorAt(c.start);
      selection.cursor.setPosition(ControlPosition(c.start + c.length), QTextCursor::KeepAnchor);
      selection.format.setForeground(QColor(c.colour.r, c.colour.g, c.colour.b));
      selections.push_back(selection);
    }
    edit_->setExtraSelections(selections);
  }
  caretPending_ = false;
  scrolls_.clear();
  colouringsChanged_ = false;
  flushing_ = false;
}

}  // namespace tessary
