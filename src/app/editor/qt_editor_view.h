// The editing area as the document sees it: the bytes of the document's encoding with CR LF
// line breaks, over a TMyRichEdit that holds characters in paragraphs.
//
// Putting a big text into the control is slow, so every change the document makes is only
// recorded here (in bytes) and pushed into the control by Flush(): the window calls it after
// each command and before a message box, and it is also queued whenever something waits.
// A new text replaces only the lines that differ from what the control shows. As in any
// edit control, a new text puts the caret at the start and clears the colours; placing the
// caret does not scroll, ScrollCaretIntoView does.
//
// Bytes that have no character of their own are shown as lone surrogates U+DC00 + byte and
// written back as that byte, so that nothing is lost: an invalid byte of a UTF-8 document,
// the bytes of U+2028, U+2029, U+FDD0 and U+FDD1 (which the control would take for line
// breaks), and a CR or LF that is not part of a CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <QColor>
#include <QObject>
#include <QPointer>

#include "document/encoding.h"
#include "ports/editor_view.h"

namespace tessary {

class TMyRichEdit;

class QtEditorView : public QObject, public EditorView {
  Q_OBJECT
 public:
  explicit QtEditorView(TMyRichEdit* edit, QObject* parent = nullptr);

  // The document's encoding, which the view reads at every conversion. When the user types
  // a character that Windows-1250 cannot hold, the view turns it into UTF-8 (no mark) at
  // once and says so with encodingSwitched. Null stands for Windows-1250.
  void SetEncoding(EncodingInfo* encoding);
  // The colour of the text outside the coloured ranges (palette Text role); navy at first.
  void SetTextColour(const QColor& colour);
  QColor TextColour() const { return textColour_; }

  // Pushes the recorded text, caret, scrolling and colours into the control.
  void Flush();
  // True while Flush changes the control.
  bool IsFlushing() const { return flushing_; }
  // True when something recorded has not reached the control yet.
  bool HasPending() const;

  const std::string& Text() const override;
  void SetText(std::string_view text) override;
  void SetText(std::string&& text) override;
  std::size_t CaretPosition() const override;
  void SetCaretPosition(std::size_t position) override;
  void ScrollCaretIntoView() override;
  void ColourRange(std::size_t start, std::size_t length, Rgb colour) override;
  void ResetColour() override;
  void SetReadOnly(bool readOnly) override;
  int HeightPixels() const override;
  int FontSizePoints() const override;

 signals:
  // The user changed the text (typing, pasting, cutting, undoing). Never sent for a Flush.
  void userTextChanged();
  // The user typed a character that Windows-1250 cannot hold: the document is now UTF-8.
  void encodingSwitched();

 private:
  struct Colouring {
    std::size_t start, length;
    Rgb colour;
  };

  bool Utf8() const;
  void ControlChanged(int position, int charsRemoved, int charsAdded);
  // Makes text_ the bytes of what the control shows (after the user changed it).
  void RebuildFromControl() const;
  void PrepareForNewText();
  void NewTextSet();
  void Schedule();
  void ApplyText();
  // Changes the control's lines that differ between shown_ and text_; false when a new
  // whole text is cheaper.
  bool ReplaceChangedLines();
  // Position in the control of a byte position of text_ (which the control shows).
  int ControlPosition(std::size_t bytePosition) const;

  const QPointer<TMyRichEdit> edit_;
  EncodingInfo ownEncoding_;
  EncodingInfo* encoding_ = &ownEncoding_;
  QColor textColour_;

  // The text as the document sees it: pending when textPending_, otherwise what the control
  // shows, unless it must be made again from the control (userEdited_: the user changed the
  // control, or the encoding changed).
  mutable std::string text_;
  mutable bool userEdited_ = false;
  // The encoding the control's characters were made with.
  mutable bool shownUtf8_ = false;
  bool textPending_ = false;
  // While textPending_: the bytes the control shows, unless the user changed it (shownStale_).
  std::string shown_;
  bool shownStale_ = false;

  bool caretPending_ = false;
  std::size_t pendingCaret_ = 0;
  std::vector<std::size_t> scrolls_;  // caret positions to scroll into view, in order
  std::vector<Colouring> colourings_;
  bool colouringsChanged_ = false;

  bool flushing_ = false;
  bool flushQueued_ = false;
  bool reporting_ = false;  // userTextChanged is being sent
};

}  // namespace tessary
