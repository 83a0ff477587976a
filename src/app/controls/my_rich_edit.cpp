#include "controls/my_rich_edit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QWheelEvent>

namespace tessary {

namespace {

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// Which point Ctrl+Shift+<digit> marks, or 0. Shift turns the digit keys into other
// characters on most layouts ('!' and '@' on US, '!' and '"' on German), so the key is
// also recognised by its place on the keyboard where the platform reports it.
int MarkedPoint(const QKeyEvent& event) {
  if ((event.modifiers() & kChordModifiers) != (Qt::ControlModifier | Qt::ShiftModifier)) return 0;
  switch (event.key()) {
    case Qt::Key_1:
    case Qt::Key_Exclam:
      return 1;
    case Qt::Key_2:
    case Qt::Key_At:
      return 2;
    default:
      break;
  }
  // X11 and Wayland key codes of the digit row's "1" and "2" (evdev codes plus 8).
  const QString platform = QGuiApplication::platformName();
  if (platform == "xcb" || platform.startsWith("wayland")) {
    if (event.nativeScanCode() == 10) return 1;
    if (event.nativeScanCode() == 11) return 2;
  }
  return 0;
}

// Line breaks of other programs become paragraph breaks, the only line break of the text.
QString NormalisedLineBreaks(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

}  // namespace

TMyRichEdit::TMyRichEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabChangesFocus(false);
}

QPoint TMyRichEdit::CaretPopupPosition() const { return viewport()->mapTo(this, cursorRect().bottomLeft()); }

void TMyRichEdit::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & kChordModifiers;
  const int key = event->key();
  if (key == Qt::Key_Q && modifiers == Qt::ControlModifier) {
    event->accept();
    emit verifyRequested();
    return;
  }
  if (const int point = MarkedPoint(*event)) {
    event->accept();
    emit markLineRequested(point);
    return;
  }
  if (key == Qt::Key_Menu && modifiers == Qt::NoModifier) {
    // Accepting the key keeps Qt from sending its own context-menu event.
    event->accept();
    ensureCursorVisible();
    emit contextMenuAtCaretRequested();
    return;
  }
  if (key == Qt::Key_Escape && modifiers == Qt::NoModifier) {
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
      cursor.clearSelection();
      setTextCursor(cursor);
    }
    event->accept();
    return;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (modifiers & Qt::ShiftModifier)) {
    // Shift+Enter would insert a line separator inside the paragraph; the text knows only
    // one kind of line break.
    QKeyEvent plain(event->type(), key, event->modifiers() & ~Qt::ShiftModifier, event->text(), event->isAutoRepeat(),
                    static_cast<ushort>(event->count()));
    QPlainTextEdit::keyPressEvent(&plain);
    event->setAccepted(plain.isAccepted());
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TMyRichEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && !textCursor().hasSelection()) {
    setTextCursor(cursorForPosition(event->position().toPoint()));
  }
  QPlainTextEdit::mousePressEvent(event);
}

void TMyRichEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    return;
  }
  event->accept();
  emit doubleClicked();
}

void TMyRichEdit::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) {
    QPlainTextEdit::wheelEvent(event);
    return;
  }
  verticalScrollBar()->triggerAction(delta > 0 ? QAbstractSlider::SliderSingleStepSub
                                               : QAbstractSlider::SliderSingleStepAdd);
  event->accept();
}

bool TMyRichEdit::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void TMyRichEdit::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  QMimeData plain;
  plain.setText(NormalisedLineBreaks(source->text()));
  QPlainTextEdit::insertFromMimeData(&plain);
}

QMimeData* TMyRichEdit::createMimeDataFromSelection() const {
  // selectedText keeps no-break spaces, which the default plain-text copy turns into blanks.
  QString text = textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  text.replace(QChar::LineSeparator, QLatin1Char('\n'));
  auto* data = new QMimeData;
  data->setText(text);
  return data;
}

}  // namespace tessary
