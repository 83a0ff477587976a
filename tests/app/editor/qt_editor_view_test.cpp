// The editing area's adapter: document bytes in, characters in the control, bytes back.
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "controls/my_rich_edit.h"
#include "editor/qt_editor_view.h"

namespace tessary {

namespace {
using B = QByteArray;

int LineBreaks(const QByteArray& s) { return static_cast<int>(s.count("\r\n")); }

// Numbered lines joined with CR LF.
QByteArray NumberedLines(int count) {
  QByteArray text;
  for (int i = 1; i <= count; ++i) text += "line " + QByteArray::number(i) + (i < count ? "\r\n" : "");
  return text;
}
}  // namespace

class QtEditorViewTest : public QObject {
  Q_OBJECT

  TMyRichEdit* edit_ = nullptr;
  QtEditorView* view_ = nullptr;
  EncodingInfo encoding_;

  // A change the user makes and takes back, so that the next Text() reads the control.
  void TouchAsUser() {
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText("x");
    cursor.deletePreviousChar();
  }
  void Show(const QByteArray& text, TextEncoding kind = TextEncoding::Utf8) {
    encoding_ = {kind, false};
    view_->SetText(text.toStdString());
    view_->Flush();
  }
  QByteArray Text() const { return QByteArray::fromStdString(view_->Text()); }

 private slots:
  void init() {
    edit_ = new TMyRichEdit;
    view_ = new QtEditorView(edit_, edit_);
    encoding_ = {};
    view_->SetEncoding(&encoding_);
  }
  void cleanup() { delete edit_; }

  // Windows-1250: every byte, lone CR and LF, letters, no-break space, tab. UTF-8: letters,
  // astral characters, invalid bytes, a lone surrogate from UTF-16, line and paragraph separators.
  void TextComesBackByteForByteThroughTheControl() {
    QByteArray everyByte;
    for (int b = 1; b < 256; ++b) everyByte += static_cast<char>(b);
    for (const auto& [kind, bytes] : std::initializer_list<std::pair<TextEncoding, QByteArray>>{
             {TextEncoding::Windows1250, everyByte},
             {TextEncoding::Windows1250, B("\x8A\xB9\xE8\xA0\x80\tx\r\ny")},
             {TextEncoding::Windows1250, B("a\r\n\r\n")},
             {TextEncoding::Windows1250, B("")},
             {TextEncoding::Utf8, B("Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\xC2\xA0\t\xF0\x9F\x98\x80\r\n\xE4\xB8\xAD")},
             {TextEncoding::Utf8, B("a\xFF\r\n\xC3(\xE2\x82\r\n\x80")},
             {TextEncoding::Utf8, B("\xED\xA0\x80z")},
             {TextEncoding::Utf8, B("a\xE2\x80\xA8"
                                    "b\xE2\x80\xA9"
                                    "c\xEF\xB7\x90")},
             {TextEncoding::Utf8, B("\xC5\xBC\r\n")}}) {
      Show(bytes, kind);
      QCOMPARE(edit_->document()->blockCount(), LineBreaks(bytes) + 1);
      TouchAsUser();
      QCOMPARE(Text(), bytes);
      QCOMPARE(encoding_.kind, kind);
    }
  }

  // "ab" CR LF "żółw😀x" CR LF FF "q": ż ó ł two bytes each, the emoji four bytes (two units).
  void CaretMapsBetweenBytesAndCharacters() {
    Show(B("ab\r\n\xC5\xBC\xC3\xB3\xC5\x82w\xF0\x9F\x98\x80x\r\n\xFFq"));
    struct Case {
      int byte, line, column, byteBack;
    };
    for (const Case& c : {Case{0, 0, 0, 0}, Case{3, 0, 2, 2} /* between CR and LF */, Case{4, 1, 0, 4},
                          Case{5, 1, 0, 4} /* inside a letter */, Case{11, 1, 4, 11}, Case{15, 1, 6, 15},
                          Case{19, 2, 1, 19} /* after an invalid byte */, Case{20, 2, 2, 20}, Case{99, 2, 2, 20}}) {
      view_->SetCaretPosition(static_cast<std::size_t>(c.byte));
      view_->Flush();
      QCOMPARE(edit_->textCursor().blockNumber(), c.line);
      QCOMPARE(edit_->textCursor().positionInBlock(), c.column);
      QCOMPARE(view_->CaretPosition(), static_cast<std::size_t>(c.byteBack));
    }
  }

  // A new text replaces only the lines that differ (how few the benchmark shows): what comes
  // back is the new text, and the replacement is no step the user could undo.
  void NewTextComesBackWhicheverLinesDiffer() {
    const QByteArray before = NumberedLines(1000);
    auto replace = [&](const QByteArray& from, const QByteArray& to) { return QByteArray(before).replace(from, to); };
    QByteArray everyFourthDoubled;
    for (int i = 1; i <= 1000; ++i)
      everyFourthDoubled +=
          "line " + B::number(i) + (i % 4 == 0 ? "\r\nline " + B::number(i) : "") + (i < 1000 ? "\r\n" : "");
    for (const QByteArray& after : {replace("line 500\r\n", "line 500 and more\r\n"), replace("line 500\r\n", ""),
                                    before + "\r\n", replace("line 1\r\n", "first\r\n"), everyFourthDoubled}) {
      Show(before);
      view_->SetText(after.toStdString());
      view_->Flush();
      QCOMPARE(edit_->document()->blockCount(), LineBreaks(after) + 1);
      QVERIFY(!edit_->document()->isUndoAvailable());
      TouchAsUser();
      QCOMPARE(Text(), after);
    }
  }

  void OnlyUserEditsAreReported() {
    QSignalSpy userEdits(view_, &QtEditorView::userTextChanged);
    view_->SetText(NumberedLines(3).toStdString());
    QCOMPARE(Text(), NumberedLines(3));  // answered before the control has it
    QVERIFY(edit_->document()->isEmpty());
    QTRY_VERIFY(!view_->HasPending());  // the queued flush
    view_->SetText(std::string_view("line 1\r\nline two\r\nline 3"));
    view_->Flush();
    QCOMPARE(userEdits.count(), 0);
    edit_->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit_, "!?");
    QCOMPARE(userEdits.count(), 2);
    QCOMPARE(Text(), B("line 1\r\nline two\r\nline 3!?"));
    QCOMPARE(view_->CaretPosition(), view_->Text().size());
  }

  void TypingACharacterWindows1250LacksTurnsTheDocumentUtf8AtOnce() {
    Show(B("\x8A\xB9\xA0z"), TextEncoding::Windows1250);
    QSignalSpy switched(view_, &QtEditorView::encodingSwitched);
    edit_->moveCursor(QTextCursor::End);
    for (char16_t typed : {u'\u0142', u'\u4E2D'}) {
      QTest::sendKeyEvent(QTest::Click, edit_, Qt::Key_unknown, QString(QChar(typed)), Qt::NoModifier);
      QCOMPARE(switched.count(), typed == u'\u0142' ? 0 : 1);
    }
    QVERIFY(encoding_.kind == TextEncoding::Utf8 && !encoding_.byteOrderMark && encoding_.utf8SwitchUntold);
    QCOMPARE(Text(), B("\xC5\xA0\xC4\x85\xC2\xA0z\xC5\x82\xE4\xB8\xAD"));
  }

  void ColoursAreShownOverTheTextAndReset() {
    Show(B("\xC5\xBC\r\nab\xC3\xB3z\r\nc"));
    view_->ColourRange(4, 5, Rgb{0, 128, 0});  // the second line
    view_->Flush();
    const QList<QTextEdit::ExtraSelection> shown = edit_->extraSelections();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].cursor.selectedText(), QString::fromUtf16(u"ab\u00F3z"));
    QCOMPARE(shown[0].format.foreground().color(), QColor(0, 128, 0));
    view_->ResetColour();
    view_->Flush();
    QVERIFY(edit_->extraSelections().isEmpty());
    QCOMPARE(edit_->palette().color(QPalette::Text), QColor(0, 0, 128));
  }
};

}  // namespace tessary

QTEST_MAIN(tessary::QtEditorViewTest)
#include "qt_editor_view_test.moc"
