// The main window while a subtitle is edited: hand edits and their verification, problem
// reports, the type switch and the frame-rate box.
#include "window_driver.h"

namespace tessary::testing {

namespace {

const QByteArray TwoLines = "{25}{50}Hello|World\n{75}{100}Bye";
const QString ConvertQuestion =
    "Are you sure that you want to switch to another subtitle format? You could lose some formatting elements...";

}  // namespace

class MainFormEditingTest : public WindowTest {
  Q_OBJECT

  // Replaces the frame-rate box's text by typing, as after selecting it all.
  void TypeFrameRate(const QString& text) {
    w().cbChooseFrameRate->setFocus();
    w().cbChooseFrameRate->lineEdit()->selectAll();
    QTest::keyClicks(w().cbChooseFrameRate, text);
  }
  QColor FrameRateColour() { return w().cbChooseFrameRate->lineEdit()->palette().color(QPalette::Text); }

 private slots:

  // The Verify writings button, and Ctrl+Q from the editing area or the focused button.
  void VerifyWritingsParsesTheHandEdit() {
    for (int trigger : {0, 1, 2}) {
      Restart();
      QCOMPARE(d_->Open("film.sub", Crlf(TwoLines)), QStringList());
      TMyRichEdit* edit = w().reManualEditZone;
      QTest::keyClick(edit, Qt::Key_Escape);  // collapsing the selection must not swallow later edits
      d_->TypeAt(2, 13, " now");

      const QStringList boxes = d_->boxes.Answering({Reply{}}, [&] {
        if (trigger == 0) return w().btnVerifyWritings->click();
        (trigger == 1 ? static_cast<QWidget*>(edit) : w().btnVerifyWritings)->setFocus();
        QTest::keyClick(w().windowHandle(), Qt::Key_Q, Qt::ControlModifier);
      });
      QCOMPARE(boxes, QStringList{ProperlyModified});
      QCOMPARE(d_->Shown(), QString("{25}{50}Hello|World\n{75}{100}Bye now"));
      // The caret stays where the typing left it across the new rendering.
      QCOMPARE(std::pair(edit->textCursor().blockNumber(), edit->textCursor().positionInBlock()), std::pair(1, 16));
    }
  }

  // A report puts the caret on the faulty character and highlights its line until it is mended.
  void ReportedProblemPutsTheCaretOnItAndHighlightsTheLine() {
    w().document().settings().AdvancedAutomaticRepair = false;
    const QByteArray file = "1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 --> 00:00:04,000\nB\n";
    QCOMPARE(d_->Open("film.srt", Crlf(file)), QStringList());
    TMyRichEdit* edit = w().reManualEditZone;
    d_->TypeAt(6, 11, "x", 1);
    edit->moveCursor(QTextCursor::Start);
    QCOMPARE(d_->Click(w().btnVerifyWritings, {Reply{}}),
             QStringList{"Problems with line nr. 6:\n\"00:00:03,0x0 --> 00:00:04,000\"\n\"x\" is not a number!"});
    QCOMPARE(std::pair(edit->textCursor().blockNumber(), edit->textCursor().positionInBlock()), std::pair(5, 10));
    const QList<QTextEdit::ExtraSelection> marked = edit->extraSelections();
    QCOMPARE(marked.size(), 1);
    QCOMPARE(marked[0].cursor.selectedText(), edit->document()->findBlockByNumber(5).text());

    d_->TypeAt(6, 11, "0", 1);
    QCOMPARE(d_->Click(w().btnVerifyWritings, {Reply{}}), QStringList{ProperlyModified});
    QCOMPARE(d_->Shown(), QString(file));
    QVERIFY(edit->extraSelections().isEmpty());
  }

  // The radio buttons reach the switch, and the warning's ticked box reaches the document.
  void TypeSwitchWarnsBeforeLosingStyleCodes() {
    QCOMPARE(d_->Open("film.sub", Crlf("{25}{50}{y:i}Hello\n{75}{100}World")), QStringList());
    QCOMPARE(d_->Click(w().rbSubRip, {Reply{QMessageBox::Ok, true}}), QStringList{ConvertQuestion});
    const QString subRip = "1\n00:00:01,000 --> 00:00:02,000\n<i>Hello\n\n2\n00:00:03,000 --> 00:00:04,000\nWorld\n";
    QVERIFY(w().rbSubRip->isChecked() && !w().rbMicroDVD->isChecked() && w().rbTime->isChecked());
    QCOMPARE(w().windowTitle(), QString("Tessary - 'film.srt'"));
    QCOMPARE(d_->Shown(), subRip);
    QCOMPARE(d_->Click(w().rbMicroDVD), QStringList());  // the ticked box reached the document
    QCOMPARE(w().windowTitle(), QString("Tessary - 'film.sub'"));
  }

  // Enter and leaving the box commit the typed rate; Escape brings back the rate in force.
  void FrameRateBoxCommitsOnEnterOrLeavingAndEscapeRestores() {
    for (bool byLeaving : {false, true}) {
      Restart();
      TypeFrameRate("30");  // the Open command commits it before reading the file
      QCOMPARE(d_->Open("film.sub", Crlf("{100}{150}A\n{200}{250}B")), QStringList());
      QCOMPARE(w().document().CommittedFrameRate(), 30.0);
      TypeFrameRate("20");
      if (byLeaving)
        w().reManualEditZone->setFocus();
      else
        QTest::keyClick(w().windowHandle(), Qt::Key_Return);
      QCOMPARE(w().document().CommittedFrameRate(), 20.0);
      QCOMPARE(FrameRateColour(), QColor(255, 0, 0));
      TypeFrameRate("24");
      QTest::keyClick(w().windowHandle(), Qt::Key_Escape);
      QCOMPARE(w().cbChooseFrameRate->currentText(), QString("20"));
      QCOMPARE(w().document().FrameRate(), 20.0);
    }
  }
};

}  // namespace tessary::testing

QTEST_MAIN(tessary::testing::MainFormEditingTest)
#include "main_form_editing_test.moc"
