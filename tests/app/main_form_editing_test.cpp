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

  QList<QWidget*> SubtitleCommands() {
    return {w().btnMultiply,  w().btnIncrease,       w().btnDecrease, w().btnTransform, w().btnDisplayTime,
            w().btnSmartWrap, w().btnRemoveComments, w().rbSubRip,    w().rbTime,       w().cbChooseFrameRate};
  }
  // A key pressed while the frame-rate box has the focus, delivered as the keyboard's are.
  void FrameRateKey(Qt::Key key) { QTest::keyClick(w().windowHandle(), key); }
  // Replaces the frame-rate box's text by typing, as after selecting it all.
  void TypeFrameRate(const QString& text) {
    w().cbChooseFrameRate->setFocus();
    w().cbChooseFrameRate->lineEdit()->selectAll();
    QTest::keyClicks(w().cbChooseFrameRate, text);
  }
  QColor FrameRateColour() { return w().cbChooseFrameRate->lineEdit()->palette().color(QPalette::Text); }

 private slots:

  void HandEditAllowsOnlyVerifyUntilTheTextIsParsed_data() {
    QTest::addColumn<int>("trigger");
    QTest::newRow("Verify writings button") << 0;
    QTest::newRow("Ctrl+Q in the editing area") << 1;
    QTest::newRow("Ctrl+Q on the focused button") << 2;
  }
  void HandEditAllowsOnlyVerifyUntilTheTextIsParsed() {
    QFETCH(int, trigger);
    QCOMPARE(d_->Open("film.sub", Crlf(TwoLines)), QStringList());
    TMyRichEdit* edit = w().reManualEditZone;
    QTest::keyClick(edit, Qt::Key_Escape);  // collapsing the selection must not swallow later edits
    d_->TypeAt(2, 13, " now");
    for (QWidget* command : SubtitleCommands()) QVERIFY2(!command->isEnabled(), qPrintable(command->objectName()));
    QVERIFY(w().btnVerifyWritings->isEnabled() && w().sbSave->isEnabled() && w().sbReload->isEnabled());
    QVERIFY(w().sbCloseFile->isEnabled() && w().sbSaveAs->isEnabled());

    const QStringList boxes = d_->boxes.Answering({Reply{}}, [&] {
      if (trigger == 0) {
        w().btnVerifyWritings->click();
        return;
      }
      (trigger == 1 ? static_cast<QWidget*>(edit) : w().btnVerifyWritings)->setFocus();
      QTest::keyClick(w().windowHandle(), Qt::Key_Q, Qt::ControlModifier);
    });
    QCOMPARE(boxes, QStringList{ProperlyModified});
    QCOMPARE(d_->Shown(), QString("{25}{50}Hello|World\n{75}{100}Bye now"));
    for (QWidget* command : SubtitleCommands()) QVERIFY2(command->isEnabled(), qPrintable(command->objectName()));
    QVERIFY(!w().btnVerifyWritings->isEnabled());
    QVERIFY(w().sbSave->isEnabled());  // the edit is still unsaved
    // The caret stays where the typing left it across the new rendering.
    QCOMPARE(edit->textCursor().blockNumber(), 1);
    QCOMPARE(edit->textCursor().positionInBlock(), 16);
  }

  void ReportedProblemPutsTheCaretOnItAndHighlightsTheLine_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("strict");
    QTest::addColumn<int>("fontColour");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("original");  // the characters at the column that the edit replaces
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QColor>("highlight");
    // Black text (0) is highlighted in green, any other colour (navy: 8388608) in maroon.
    QTest::newRow("SubRip time, strict, black text")
        << QByteArray("1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 --> 00:00:04,000\nB\n") << true << 0 << 6
        << 11 << "0"
        << "x"
        << "Problems with line nr. 6:\n\"00:00:03,0x0 --> 00:00:04,000\"\n\"x\" is not a number!" << QColor(0, 128, 0);
    QTest::newRow("MicroDVD closing brace, navy text")
        << QByteArray("{25}{50}A\n{75}{100}B\n{125}{150}C\n{175}{200}D") << false << 8388608 << 3 << 10 << "}C"
        << ""
        << "Problems with line nr. 3:\n\"{125}{150\"\n'}' is missing!" << QColor(128, 0, 0);
  }
  void ReportedProblemPutsTheCaretOnItAndHighlightsTheLine() {
    QFETCH(QByteArray, file);
    QFETCH(bool, strict);
    QFETCH(int, fontColour);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, original);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QColor, highlight);
    w().document().settings.AdvancedAutomaticRepair = !strict;
    w().document().settings.FontColour = fontColour;
    QCOMPARE(d_->Open(file.startsWith('{') ? "film.sub" : "film.srt", Crlf(file)), QStringList());
    TMyRichEdit* edit = w().reManualEditZone;
    d_->TypeAt(line, column, typed, static_cast<int>(original.size()));
    edit->moveCursor(QTextCursor::Start);

    QCOMPARE(d_->Click(w().btnVerifyWritings, {Reply{}}), QStringList{message});
    QCOMPARE(edit->textCursor().blockNumber(), line - 1);
    QCOMPARE(edit->textCursor().positionInBlock(), column - 1);
    const QList<QTextEdit::ExtraSelection> marked = edit->extraSelections();
    QCOMPARE(marked.size(), 1);
    QCOMPARE(marked[0].cursor.selectedText(), edit->document()->findBlockByNumber(line - 1).text());
    QCOMPARE(marked[0].format.foreground().color(), highlight);
    QVERIFY(w().btnVerifyWritings->isEnabled());
    QVERIFY(!w().btnMultiply->isEnabled());

    // Mended and verified again: the highlight goes.
    d_->TypeAt(line, column, original, static_cast<int>(typed.size()));
    QCOMPARE(d_->Click(w().btnVerifyWritings, {Reply{}}), QStringList{ProperlyModified});
    QCOMPARE(d_->Shown(), QString(file));
    QVERIFY(edit->extraSelections().isEmpty());
    QVERIFY(w().btnMultiply->isEnabled());
  }

  void TypeSwitchWarnsBeforeLosingStyleCodes_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("answers");  // to the warning
    QTest::addColumn<bool>("disableFurther");
    QTest::addColumn<bool>("switched");
    QTest::addColumn<QString>("shown");
    const QByteArray italic = "{25}{50}{y:i}Hello\n{75}{100}World";
    QTest::newRow("style code, Cancel") << italic << QList<int>{QMessageBox::Cancel} << false << false
                                        << QString(italic);
    QTest::newRow("style code, OK, message disabled")
        << italic << QList<int>{QMessageBox::Ok} << true << true
        << "1\n00:00:01,000 --> 00:00:02,000\n<i>Hello\n\n2\n00:00:03,000 --> 00:00:04,000\nWorld\n";
  }
  void TypeSwitchWarnsBeforeLosingStyleCodes() {
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, answers);
    QFETCH(bool, disableFurther);
    QFETCH(bool, switched);
    QFETCH(QString, shown);
    QCOMPARE(d_->Open("film.sub", Crlf(file)), QStringList());
    QList<Reply> replies = Replies(answers);
    if (!replies.isEmpty()) replies[0].disableFurther = disableFurther;
    QCOMPARE(d_->Click(w().rbSubRip, replies), answers.isEmpty() ? QStringList() : QStringList{ConvertQuestion});
    QCOMPARE(w().rbSubRip->isChecked(), switched);
    QCOMPARE(w().rbMicroDVD->isChecked(), !switched);
    QCOMPARE(w().rbTime->isChecked(), switched);
    QCOMPARE(w().windowTitle(), QString(switched ? "Tessary - 'film.srt'" : "Tessary - 'film.sub'"));
    QCOMPARE(d_->Shown(), shown);
    QCOMPARE(w().sbSave->isEnabled(), switched);  // a switch is a change to save
    if (!switched) return;

    // Back and forth again asks nothing.
    QCOMPARE(d_->Click(w().rbMicroDVD), QStringList());
    QVERIFY(w().rbMicroDVD->isChecked());
    QCOMPARE(w().windowTitle(), QString("Tessary - 'film.sub'"));
    QVERIFY(d_->Shown().startsWith("{25}{50}"));
    QCOMPARE(d_->Click(w().rbSubRip), QStringList());
    QCOMPARE(d_->Shown(), shown);
  }

  void FrameRateCommitKeepsMicroDVDFramesAndEscapeRestoresIt_data() {
    QTest::addColumn<bool>("byLeaving");
    QTest::newRow("Enter") << false;
    QTest::newRow("leaving the box") << true;
  }
  void FrameRateCommitKeepsMicroDVDFramesAndEscapeRestoresIt() {
    QFETCH(bool, byLeaving);
    const QByteArray frames = "{100}{150}A\n{200}{250}B";
    TypeFrameRate("30");  // the Open command commits it before reading the file
    QCOMPARE(d_->Open("film.sub", Crlf(frames)), QStringList());
    QCOMPARE(w().document().CommittedFrameRate, 30.0);
    QCOMPARE(w().document().store.StartValues[1], 3333);
    TypeFrameRate("20");
    QVERIFY(w().cbChooseFrameRate->hasFocus());
    if (byLeaving)
      w().reManualEditZone->setFocus();
    else
      FrameRateKey(Qt::Key_Return);
    QCOMPARE(w().cbChooseFrameRate->currentText(), QString("20"));
    QCOMPARE(w().document().CommittedFrameRate, 20.0);
    QCOMPARE(w().document().store.StartValues[1], 5000);  // 3333 ms at 30 fps is frame 100 at 20 fps
    QCOMPARE(d_->Shown(), QString(frames));
    QCOMPARE(w().eFirstPoint->text(), QString("100"));
    QCOMPARE(FrameRateColour(), QColor(255, 0, 0));

    // The box shows the rate read from what is typed; Escape brings back the rate in force.
    TypeFrameRate("2x");
    QCOMPARE(w().cbChooseFrameRate->currentText(), QString("25"));
    QVERIFY(!w().cbChooseFrameRate->lineEdit()->hasSelectedText());
    TypeFrameRate("24");
    QCOMPARE(w().cbChooseFrameRate->currentText(), QString("24"));
    QCOMPARE(d_->Shown(), QString(frames));  // nothing is rescaled before the commit
    FrameRateKey(Qt::Key_Escape);
    QCOMPARE(w().cbChooseFrameRate->currentText(), QString("20"));
    QCOMPARE(w().document().FrameRate, 20.0);
    QCOMPARE(w().document().store.StartValues[1], 5000);
  }
};

}  // namespace tessary::testing

QTEST_MAIN(tessary::testing::MainFormEditingTest)
#include "main_form_editing_test.moc"
