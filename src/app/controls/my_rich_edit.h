// The editing area: a plain-text edit with both scroll bars and typed tabs, whose special
// keys and mouse actions become requests that the window answers.
#pragma once

#include <QPlainTextEdit>
#include <QPoint>

namespace tessary {

class TMyRichEdit : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TMyRichEdit(QWidget* parent = nullptr);

  // Where the popup menu opens for the context-menu key: just below the caret, in this
  // control's coordinates (as for mapToGlobal).
  QPoint CaretPopupPosition() const;

 signals:
  // A left double click; the control itself does nothing with it (no word is selected).
  void doubleClicked();
  // Ctrl+Q.
  void verifyRequested();
  // Ctrl+Shift+1 (point 1) or Ctrl+Shift+2 (point 2): mark the caret's line.
  void markLineRequested(int point);
  // The context-menu key without modifiers; the caret has been scrolled into view.
  void contextMenuAtCaretRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace tessary
