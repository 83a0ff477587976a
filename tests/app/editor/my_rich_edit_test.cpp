// The editing area's control: its keys, double click and plain-text clipboard.
#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include "controls/my_rich_edit.h"

namespace tessary {

class MyRichEditTest : public QObject {
  Q_OBJECT

  TMyRichEdit* edit_ = nullptr;

  // Point in the viewport over the boundary before the first line's character `column`.
  QPoint OverColumn(int column) {
    QTextCursor cursor(edit_->document());
    cursor.setPosition(column);
    return edit_->cursorRect(cursor).center();
  }

 private slots:
  void init() {
    edit_ = new TMyRichEdit;
    edit_->resize(300, 200);
    edit_->show();
    QVERIFY(QTest::qWaitForWindowExposed(edit_));
  }
  void cleanup() { delete edit_; }

  void DoubleClickIsReportedAndSelectsNoWord() {
    edit_->setPlainText("hello world");
    QSignalSpy doubleClicks(edit_, &TMyRichEdit::doubleClicked);
    QTest::mouseDClick(edit_->viewport(), Qt::LeftButton, Qt::NoModifier, OverColumn(1));
    QCOMPARE(doubleClicks.count(), 1);
    QVERIFY(!edit_->textCursor().hasSelection());
  }

  // Ctrl+Q verifies; Ctrl+Shift+1 and 2 mark a point, whichever key text the layout gives.
  void KeysBecomeRequests() {
    const int ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    struct Case {
      int key, modifiers, verify, markedPoint;
    };
    for (const Case& c :
         {Case{Qt::Key_Q, ctrl, 1, 0}, Case{Qt::Key_Exclam, ctrlShift, 0, 1}, Case{Qt::Key_1, ctrlShift, 0, 1},
          Case{Qt::Key_At, ctrlShift, 0, 2}, Case{Qt::Key_1, ctrl, 0, 0}, Case{Qt::Key_NumberSign, ctrlShift, 0, 0}}) {
      edit_->setPlainText("text");
      QSignalSpy verifies(edit_, &TMyRichEdit::verifyRequested);
      QSignalSpy marks(edit_, &TMyRichEdit::markLineRequested);
      QTest::keyClick(edit_, Qt::Key(c.key), Qt::KeyboardModifiers(c.modifiers));
      QCOMPARE(verifies.count(), c.verify);
      QCOMPARE(marks.count(), c.markedPoint ? 1 : 0);
      if (c.markedPoint) QCOMPARE(marks[0][0].toInt(), c.markedPoint);
      QCOMPARE(edit_->toPlainText(), QString("text"));
    }
  }

  void ContextMenuKeyIsSwallowedAndReported() {
    edit_->setContextMenuPolicy(Qt::CustomContextMenu);
    QSignalSpy atCaret(edit_, &TMyRichEdit::contextMenuAtCaretRequested);
    QSignalSpy menus(edit_, &QWidget::customContextMenuRequested);
    QTest::keyClick(edit_, Qt::Key_Menu);
    QCOMPARE(atCaret.count(), 1);
    QCOMPARE(menus.count(), 0);
  }

  void ClipboardCarriesPlainTextWithParagraphBreaks() {
    edit_->setPlainText(QString::fromUtf16(u"a\u00A0b"));
    edit_->selectAll();
    edit_->copy();
    QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf16(u"a\u00A0b"));  // the no-break space kept
    QApplication::clipboard()->setText(QString::fromUtf16(u"1\r\n2\u20283\r4"));
    edit_->paste();
    QCOMPARE(edit_->document()->toRawText(), QString::fromUtf16(u"1\u20292\u20293\u20294"));
  }
};

}  // namespace tessary

QTEST_MAIN(tessary::MyRichEditTest)
#include "my_rich_edit_test.moc"
