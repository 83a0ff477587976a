// The main window's file commands: open, the argument file, save, close, reload, encodings.
#include <filesystem>

#include <QInputMethodEvent>

#include "window_driver.h"

namespace tessary::testing {

namespace {

const QByteArray SubRipAB = "1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 --> 00:00:04,000\nB\n";
const QByteArray SubRipAEdited = QByteArray(SubRipAB).replace("\nA\n", "\nA now\n");
const QString SaveChanges = "Save changes in \"film.srt\"?";

int Permissions(const QString& path) {
  return static_cast<int>(std::filesystem::status(path.toStdString()).permissions() & std::filesystem::perms::mask);
}

}  // namespace

class MainFormFilesTest : public WindowTest {
  Q_OBJECT

  // Opens film.srt and types into its first text.
  void OpenAndEditSubRip() {
    QCOMPARE(d_->Open("film.srt", Crlf(SubRipAB)), QStringList());
    d_->TypeAt(3, 2, " now");
  }

 private slots:

  void OpeningShowsTheRenderedSubtitleAndItsCommands_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("subRip");
    QTest::addColumn<QString>("shown");
    const QByteArray microDVD = "{25}{50}Hello|World\n{75}{100}Bye";
    QTest::newRow("MicroDVD") << "film.sub" << microDVD << false << QString(microDVD);
    QTest::newRow("SubRip") << "film.srt" << SubRipAB << true << QString(SubRipAB);
  }
  void OpeningShowsTheRenderedSubtitleAndItsCommands() {
    QFETCH(QString, name);
    QFETCH(QByteArray, file);
    QFETCH(bool, subRip);
    QFETCH(QString, shown);
    QCOMPARE(d_->Open(name, Crlf(file)), QStringList());
    QCOMPARE(w().windowTitle(), "Tessary - '" + name + "'");
    QCOMPARE(d_->Shown(), shown);
    QCOMPARE(w().rbSubRip->isChecked(), subRip);
    QCOMPARE(w().rbMicroDVD->isChecked(), !subRip);
    QCOMPARE(w().rbTime->isChecked(), subRip);
    QVERIFY(!w().reManualEditZone->isReadOnly());
    QVERIFY(!w().sbLoadFile->isEnabled() && !w().OpenFileMenu->isEnabled());
    QVERIFY(w().sbCloseFile->isEnabled() && w().sbSaveAs->isEnabled());
    QVERIFY(!w().sbSave->isEnabled() && !w().sbReload->isEnabled());
    QVERIFY(!w().btnVerifyWritings->isEnabled());
    for (QWidget* command : std::initializer_list<QWidget*>{
             w().btnMultiply, w().btnIncrease, w().btnDecrease, w().btnTransform, w().btnDisplayTime,
             w().btnSplitSubtitle, w().btnSmartWrap, w().btnRemoveComments, w().rbSubRip, w().cbChooseFrameRate})
      QVERIFY2(command->isEnabled(), qPrintable(command->objectName()));
    QCOMPARE(w().btnChangeFrameRate->isEnabled(), !subRip);  // a MicroDVD-only command
  }

  void ArgumentFileOpensOrIsReported_data() {
    QTest::addColumn<QString>("name");  // empty: the temporary folder itself
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("folder") << ""
                            << "is a folder!"
                            << "Tessary";
    QTest::newRow("missing file") << "gone.srt"
                                  << "doesn't exist!"
                                  << "Tessary";
    QTest::newRow("subtitle") << "film.srt"
                              << ""
                              << "Tessary - 'film.srt'";
  }
  void ArgumentFileOpensOrIsReported() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, title);
    d_->Write("film.srt", Crlf(SubRipAB));
    const QString argument = name.isEmpty() ? d_->folder.path() : d_->Path(name);
    TMainForm window(&d_->dialogs);
    window.OpenArgumentFileWhenShown(argument);
    const QStringList boxes =
        d_->boxes.Answering(message.isEmpty() ? QList<Reply>{} : QList<Reply>{Reply{}}, [&] { window.show(); });
    QCOMPARE(boxes, message.isEmpty() ? QStringList() : QStringList{"\"" + argument + "\" " + message});
    QTRY_COMPARE(window.windowTitle(), title);
    QCOMPARE(window.sbLoadFile->isEnabled(), message != "");
  }

  void SaveReplacesAReadOnlyFileKeepingABackup() {
    const QString path = d_->Write("film.srt", Crlf(SubRipAB));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QCOMPARE(d_->OpenPath(path), QStringList());
    QCOMPARE(Permissions(path), 0444);
    d_->TypeAt(3, 2, " now");
    QCOMPARE(d_->Click(w().btnVerifyWritings, {Reply{}}), QStringList{ProperlyModified});
    QCOMPARE(d_->Click(w().sbSave), QStringList());
    QCOMPARE(d_->Read("film.srt"), Crlf(SubRipAEdited));
    QCOMPARE(d_->Read("film.srt.bak"), Crlf(SubRipAB));
    QCOMPARE(Permissions(path), 0444);
    QVERIFY(!w().sbSave->isEnabled() && !w().sbReload->isEnabled());
  }

  // The type switch renames the file, so Save asks for the name; a Save as that fails must
  // keep the subtitle open when closing waits on it.
  void FailedSaveAsKeepsTheSubtitleOpen() {
    QCOMPARE(d_->Open("film.sub", Crlf("{25}{50}A\n{75}{100}B")), QStringList());
    QCOMPARE(d_->Click(w().rbSubRip), QStringList());
    const QString unwritable = d_->Path("no such folder/film.srt");
    d_->dialogs.names.push_back(unwritable.toStdString());
    QCOMPARE(d_->Click(w().sbCloseFile, Replies({QMessageBox::Yes, QMessageBox::Ok})),
             QStringList({SaveChanges, "Can't write in \"" + unwritable + "\"!"}));
    QCOMPARE(d_->dialogs.saveRequests.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(d_->dialogs.saveRequests[0].prefill), d_->Path("film.srt"));
    QCOMPARE(w().windowTitle(), QString("Tessary - 'film.srt'"));
    QVERIFY(d_->Shown().startsWith("1\n00:00:01,000 --> 00:00:02,000\nA\n"));
    QVERIFY(w().sbSave->isEnabled() && w().sbCloseFile->isEnabled());
  }

  void ClosingAnEditedSubtitleAsksToSaveIt_data() {
    QTest::addColumn<bool>("window");  // closing the window, or Close file
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    const int yes = QMessageBox::Yes, no = QMessageBox::No, cancel = QMessageBox::Cancel;
    const QStringList save{SaveChanges}, saveUnverified{SaveChanges, NotVerified};
    QTest::newRow("window, Cancel") << true << QList<int>{cancel} << save << false << false;
    QTest::newRow("window, No") << true << QList<int>{no} << save << true << false;
    QTest::newRow("window, Yes, unverified No") << true << QList<int>{yes, no} << saveUnverified << false << false;
    QTest::newRow("Close file, Cancel") << false << QList<int>{cancel} << save << false << false;
    QTest::newRow("Close file, No") << false << QList<int>{no} << save << true << false;
    QTest::newRow("Close file, Yes, unverified No") << false << QList<int>{yes, no} << saveUnverified << false << false;
    QTest::newRow("Close file, Yes, unverified Yes") << false << QList<int>{yes, yes} << saveUnverified << true << true;
  }
  void ClosingAnEditedSubtitleAsksToSaveIt() {
    QFETCH(bool, window);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, boxes);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    OpenAndEditSubRip();
    const auto close = [&] {
      if (window)
        w().close();
      else
        w().sbCloseFile->click();
    };
    QCOMPARE(d_->boxes.Answering(Replies(answers), close), boxes);
    QCOMPARE(d_->Read("film.srt"), Crlf(written ? SubRipAEdited : SubRipAB));
    if (window) QCOMPARE(w().isVisible(), !closed);
    if (!closed) {
      QCOMPARE(w().windowTitle(), QString("Tessary - 'film.srt'"));
      QVERIFY(d_->Shown().contains("A now"));
      QVERIFY(w().btnVerifyWritings->isEnabled() && w().sbSave->isEnabled());
    } else if (!window) {
      QCOMPARE(w().windowTitle(), QString("Tessary"));
      QCOMPARE(d_->Shown(), QString());
      QVERIFY(w().reManualEditZone->isReadOnly());
      QVERIFY(w().sbLoadFile->isEnabled() && !w().sbCloseFile->isEnabled());
    }
  }

  void ReloadAsksWithTheNumberOfCountedChanges_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("openBoxes");
    QTest::addColumn<QString>("typed");  // at the end of the first line; empty: no hand edit
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("shownAfter");
    const QString reload = "Changes to save!\nAre you sure you want to reload the file?";
    // Three end frames before their starts are repaired when the file opens.
    QTest::newRow("three counted changes, No")
        << QByteArray("{25}{50}A\n{75}{60}B\n{125}{110}C\n{175}{160}D")
        << QStringList{"Problems were detected - there were made 3 changes"} << "" << int(QMessageBox::No)
        << "There are 3 " + reload << "{25}{50}A\n{75}{125}B\n{125}{175}C\n{175}{250}D";
    QTest::newRow("hand edit only, Yes") << QByteArray("{25}{50}A\n{75}{100}B") << QStringList() << " now"
                                         << int(QMessageBox::Yes) << "There are " + reload << "{25}{50}A\n{75}{100}B";
  }
  void ReloadAsksWithTheNumberOfCountedChanges() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, openBoxes);
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(QString, shownAfter);
    QCOMPARE(d_->Open("film.sub", Crlf(file), QList<Reply>(openBoxes.size())), openBoxes);
    if (!typed.isEmpty()) d_->TypeAt(1, 10, typed);
    QCOMPARE(d_->Click(w().sbReload, Replies({answer})), QStringList{question});
    QCOMPARE(d_->Shown(), shownAfter);
    QCOMPARE(w().sbSave->isEnabled(), answer == QMessageBox::No);
    QCOMPARE(w().windowTitle(), QString("Tessary - 'film.sub'"));
  }

  // A character Windows-1250 lacks turns the file into UTF-8 rather than being lost; the
  // label shows the encoding and the user is told once for each reading of the file.
  void TypedCharacterOutsideWindows1250IsSavedAsUtf8() {
    const QStringList told{"This character can't be written in Windows-1250: the subtitle will be saved as UTF-8."};
    // Types at the end and returns the boxes shown, waiting for `boxes` of them.
    auto typeAtEnd = [&](const QString& text, int boxes = 1) {
      return d_->boxes.Answering(QList<Reply>(boxes), [&] {
        w().reManualEditZone->moveCursor(QTextCursor::End);
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(w().reManualEditZone, &typed);
        QTest::qWait(0);
      });
    };
    QCOMPARE(d_->Open("pl.sub", "{25}{50}za\xbf\xf3\xb3\xe6"), QStringList());
    QCOMPARE(w().EncodingLabel->text(), QString("Windows-1250"));
    QCOMPARE(typeAtEnd(QString::fromUtf8("ł中")), told);
    QCOMPARE(w().EncodingLabel->text(), QString("UTF-8"));
    QCOMPARE(typeAtEnd(QString::fromUtf8("文"), 0), QStringList());
    QCOMPARE(d_->Click(w().sbReload, {Reply{QMessageBox::Yes}}),
             QStringList{"There are Changes to save!\nAre you sure you want to reload the file?"});
    QCOMPARE(w().EncodingLabel->text(), QString("Windows-1250"));

    QCOMPARE(typeAtEnd(QString(QChar(0x4E2D))), told);
    QCOMPARE(d_->Click(w().btnVerifyWritings, {Reply{}}), QStringList{ProperlyModified});
    QCOMPARE(d_->Click(w().sbSave), QStringList());
    QCOMPARE(d_->Read("pl.sub"), QByteArray("{25}{50}za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\xE4\xB8\xAD"));
    QCOMPARE(d_->Click(w().sbCloseFile), QStringList());
    QCOMPARE(w().EncodingLabel->text(), QString());
  }
};

}  // namespace tessary::testing

QTEST_MAIN(tessary::testing::MainFormFilesTest)
#include "main_form_files_test.moc"
