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

  // Replaces a control's text by typing and returns the widget typed into: the frame-rate box hands its keys
  // to its line edit itself.
  QWidget* TypeInto(QLineEdit* edit, const QString& text) {
    QWidget* typedInto =
        edit == w().cbChangeFrameRate->lineEdit() ? static_cast<QWidget*>(w().cbChangeFrameRate) : edit;
    typedInto->setFocus();
    edit->selectAll();
    QTest::keyClicks(typedInto, text);
    return typedInto;
  }
  // Types into a field and leaves it with Enter; returns what that shows.
  QStringList Type(QLineEdit* field, const QString& text, const QList<Reply>& replies = {}) {
    return d_->boxes.Answering(replies, [&] { QTest::keyClick(TypeInto(field, text), Qt::Key_Return); });
  }

 private slots:

  // Each command's button (Enter in the frame-rate box) runs its operation with the values typed in the fields.
  void WindowAndCommandLineWriteTheSameFile() {
    const QString six = "I've made 6 changes";
    const QString transform = "transform --line1 1 --at1 00:00:02,000 --line2 2 --at2 00:00:04,000 --mode between";
    for (const auto& [name, file, call, report] :
         {std::tuple<QString, QByteArray, QString, QString>{"in.srt", SubRip3, "multiply --factor 1.5", six},
          {"in.sub", MicroDVD3, "shift --frames -25", six},
          {"in.sub", MicroDVD3, "fps --to 23.976", six},
          {"in.srt", SubRip3, transform, "I've made 5 changes"}}) {  // 4 mapped, 1 overlap repaired
      Restart();
      const QStringList cli = call.split(' ');
      QCOMPARE(d_->Open(name, file), QStringList());
      const QList<Reply> ok{Reply{}};
      QStringList shown;
      if (cli[0] == "multiply") {
        QCOMPARE(Type(w().eMultiplyValue, cli[2]), QStringList());
        shown = d_->Click(w().btnMultiply, ok);
      } else if (cli[0] == "shift") {
        w().rbFrames->click();
        QCOMPARE(Type(w().eIncreaseDecreaseValue, cli[2].mid(1)), QStringList());
        shown = d_->Click(w().btnDecrease, ok);
      } else if (cli[0] == "fps") {
        shown = Type(w().cbChangeFrameRate->lineEdit(), cli[2], ok);
      } else {
        w().rbTime->click();
        w().cbEntire->setCheckState(Qt::Unchecked);
        QLineEdit* const fields[] = {w().eFirstLine, w().eFirstPoint, w().eSecondLine, w().eSecondPoint};
        for (int k = 0; k < 4; ++k) QCOMPARE(Type(fields[k], cli[2 + 2 * k]), QStringList());
        shown = d_->Click(w().btnTransform, ok);
      }
      QCOMPARE(shown, QStringList{report});
      d_->dialogs.names.push_back(d_->Path("window-" + name).toStdString());
      QCOMPARE(d_->Click(w().sbSaveAs), QStringList());
      QProcess process;
      process.start(TESSARY_CLI_PATH, cli + QStringList{"-o", d_->Path("cli-" + name), d_->Path(name)});
      QVERIFY(process.waitForFinished());
      QCOMPARE(process.exitCode(), 0);
      QCOMPARE(QString(process.readAllStandardError()).trimmed(), "information: " + report);
      QCOMPARE(d_->Read("window-" + name), d_->Read("cli-" + name));
      QVERIFY(d_->Read("window-" + name) != file);
    }
  }

  // Typing into each timing control reaches its field through the key filter and the text rules, and the
  // control shows what the field holds; Escape shows the value in force again. The last-line field takes the
  // length limit of the file it shows the count of, also after a smaller one.
  void EachTimingControlIsBoundToItsField() {
    QByteArrayList lines;
    for (int i = 1; i <= 10; ++i) lines << QString("{%1}{%2}T").arg(i * 100).arg(i * 100 + 50).toUtf8();
    QCOMPARE(d_->Open("five.sub", lines.mid(0, 5).join("\r\n")), QStringList());
    QCOMPARE(d_->Click(w().sbCloseFile), QStringList());
    QCOMPARE(d_->Open("ten.sub", lines.join("\r\n")), QStringList());
    QCOMPARE(std::pair(w().eSecondLine->text(), w().eSecondLine->maxLength()), std::pair(QString("10"), 2));
    const TimingFields& t = w().document().timing();
    const std::pair<QLineEdit*, const TypedField*> bound[] = {{w().eMultiplyValue, &t.factor},
                                                              {w().eIncreaseDecreaseValue, &t.shift},
                                                              {w().eFirstPoint, &t.firstPoint},
                                                              {w().eSecondPoint, &t.secondPoint},
                                                              {w().eFirstLine, &t.firstLine},
                                                              {w().eSecondLine, &t.secondLine},
                                                              {w().cbChangeFrameRate->lineEdit(), &t.targetRate}};
    for (auto [edit, field] : bound) {
      const std::string before = field->Text();
      QWidget* typedInto = TypeInto(edit, "7x");
      QCOMPARE(std::pair(field->Text(), edit->text().toStdString()), std::pair(std::string("7"), std::string("7")));
      QTest::keyClick(typedInto, Qt::Key_Escape);
      QCOMPARE(std::pair(field->Text(), edit->text().toStdString()), std::pair(before, before));
    }
  }
};

}  // namespace tessary::testing

QTEST_MAIN(tessary::testing::MainFormTimingTest)
#include "main_form_timing_test.moc"
