// The timing panels driven as a user drives them, checked against tessary-cli on the same files.
#include <QProcess>

#include "window_driver.h"

namespace tessary::testing {

namespace {

const QByteArray SubRip3 = Crlf(
    "1\n00:00:01,001 --> 00:00:01,003\nA\n\n2\n00:00:02,000 --> 00:00:03,000\nB\n\n"
    "3\n00:00:05,000 --> 00:00:06,000\nC\n");
const QByteArray MicroDVD3 = Crlf("{1000}{1050}A\n{1100}{1150}B\n{1200}{1250}C");

}  // namespace

class MainFormTimingTest : public WindowTest {
  Q_OBJECT

  // Replaces a field's text by typing and leaves it with Enter.
  void Type(QLineEdit* field, const QString& text, const QList<Reply>& replies = {}) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QCOMPARE(d_->boxes.Answering(replies, [&] { QTest::keyClick(field, Qt::Key_Return); }).size(), replies.size());
  }

 private slots:

  void WindowAndCommandLineWriteTheSameFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("cli");
    QTest::addColumn<QString>("report");
    QTest::newRow("multiply") << "in.srt" << SubRip3 << QStringList{"multiply", "--factor", "1.5"}
                              << "I've made 6 changes";
    QTest::newRow("shift frames") << "in.sub" << MicroDVD3 << QStringList{"shift", "--frames", "-25"}
                                  << "I've made 6 changes";
    QTest::newRow("frame rate") << "in.sub" << MicroDVD3 << QStringList{"fps", "--to", "23.976"}
                                << "I've made 6 changes";
    QTest::newRow("transform between") << "in.srt" << SubRip3
                                       << QStringList{"transform",    "--line1", "1",      "--at1",
                                                      "00:00:02,000", "--line2", "2",      "--at2",
                                                      "00:00:04,000", "--mode",  "between"}
                                       << "I've made 5 changes";  // 4 mapped, 1 overlap repaired
  }
  void WindowAndCommandLineWriteTheSameFile() {
    QFETCH(QString, name);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, cli);
    QFETCH(QString, report);
    QCOMPARE(d_->Open(name, file), QStringList());
    const QString command = cli.first();
    QList<Reply> ok{Reply{}};
    QStringList shown;
    if (command == "multiply") {
      Type(w().eMultiplyValue, cli[2]);
      shown = d_->Click(w().btnMultiply, ok);
    } else if (command == "shift") {
      w().rbFrames->click();
      Type(w().eIncreaseDecreaseValue, cli[2].mid(1));
      shown = d_->Click(w().btnDecrease, ok);
    } else if (command == "fps") {
      w().cbChangeFrameRate->setFocus();
      w().cbChangeFrameRate->lineEdit()->selectAll();
      QTest::keyClicks(w().cbChangeFrameRate, cli[2]);
      shown = d_->boxes.Answering(ok, [&] { QTest::keyClick(w().cbChangeFrameRate, Qt::Key_Return); });
    } else {
      w().rbTime->click();
      w().cbEntire->setCheckState(Qt::Unchecked);
      Type(w().eFirstLine, cli[2]);
      Type(w().eFirstPoint, cli[4]);
      Type(w().eSecondLine, cli[6]);
      Type(w().eSecondPoint, cli[8]);
      shown = d_->Click(w().btnTransform, ok);
    }
    QCOMPARE(shown, QStringList{report});

    const QString byWindow = d_->Path("window-" + name);
    d_->dialogs.names.push_back(byWindow.toStdString());
    QCOMPARE(d_->Click(w().sbSaveAs), QStringList());
    const QString byCli = d_->Path("cli-" + name);
    QProcess process;
    process.start(TESSARY_CLI_PATH, cli + QStringList{"-o", byCli, d_->Path(name)});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString(process.readAllStandardError()).trimmed(), "information: " + report);
    QCOMPARE(d_->Read("window-" + name), d_->Read("cli-" + name));
    QVERIFY(d_->Read("window-" + name) != file);
  }

  // Typing into each timing control reaches its field through the key filter and the text
  // rules, and the control shows what the field holds; Escape shows the value in force again.
  void EachTimingControlIsBoundToItsField() {
    QCOMPARE(d_->Open("in.sub", MicroDVD3), QStringList());
    const TimingFields& t = w().document().timing;
    const std::pair<QLineEdit*, const TypedField*> bound[] = {{w().eMultiplyValue, &t.factor},
                                                              {w().eIncreaseDecreaseValue, &t.shift},
                                                              {w().eFirstPoint, &t.firstPoint},
                                                              {w().eSecondPoint, &t.secondPoint},
                                                              {w().eFirstLine, &t.firstLine},
                                                              {w().eSecondLine, &t.secondLine},
                                                              {w().cbChangeFrameRate->lineEdit(), &t.targetRate}};
    for (auto [edit, field] : bound) {
      const std::string before = field->Text();
      // The frame-rate box hands its keys to its line edit itself.
      QWidget* typedInto = field == &t.targetRate ? static_cast<QWidget*>(w().cbChangeFrameRate) : edit;
      typedInto->setFocus();
      edit->selectAll();
      QTest::keyClicks(typedInto, "7x");
      QCOMPARE(std::pair(field->Text(), edit->text().toStdString()), std::pair(std::string("7"), std::string("7")));
      QTest::keyClick(typedInto, Qt::Key_Escape);
      QCOMPARE(std::pair(field->Text(), edit->text().toStdString()), std::pair(before, before));
    }
  }

  // The last-line field takes the length limit of the file it shows the count of.
  void LineFieldsShowTheCountOfAFileOpenedAfterASmallerOne() {
    QByteArrayList lines;
    for (int i = 1; i <= 10; ++i) lines << QString("{%1}{%2}T").arg(i * 100).arg(i * 100 + 50).toUtf8();
    QCOMPARE(d_->Open("five.sub", lines.mid(0, 5).join("\r\n")), QStringList());
    QCOMPARE(d_->Click(w().sbCloseFile), QStringList());
    QCOMPARE(d_->Open("ten.sub", lines.join("\r\n")), QStringList());
    QCOMPARE(std::pair(w().eSecondLine->text(), w().eSecondLine->maxLength()), std::pair(QString("10"), 2));
  }
};

}  // namespace tessary::testing

QTEST_MAIN(tessary::testing::MainFormTimingTest)
#include "main_form_timing_test.moc"
