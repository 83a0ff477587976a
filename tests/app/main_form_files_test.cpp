// The main window's file commands: open, the argument file, save, close, reload, encodings.
#include <tuple>

#include <QInputMethodEvent>

#include "window_driver.h"

namespace tessary::testing {

namespace {

const QByteArray SubRipAB = "1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:03,000 --> 00:00:04,000\nB\n";
const QByteArray SubRipAEdited = QByteArray(SubRipAB).replace("\nA\n", "\nA now\n");
const QString SaveChanges = "Save changes in \"film.srt\"?";

}  // namespace

class MainFormFilesTest : public WindowTest {
  Q_OBJECT

 private slots:

  void OpeningShowsTheRenderedSubtitleAndItsType() {
    for (const auto& [name, file] :
         {std::pair<QString, QByteArray>{"film.sub", "{25}{50}Hello|World\n{75}{100}Bye"}, {"film.srt", SubRipAB}}) {
      Restart();
      const bool subRip = name.endsWith(".srt");
      QCOMPARE(d_->Open(name, Crlf(file)), QStringList());
      QCOMPARE(w().windowTitle(), "Tessary - '" + name + "'");
      QCOMPARE(d_->Shown(), QString(file));
      QCOMPARE(std::tuple(w().rbSubRip->isChecked(), w().rbMicroDVD->isChecked(), w().rbTime->isChecked()),
               std::tuple(subRip, !subRip, subRip));
    }
  }

  // The argument is a folder, a missing file or a subtitle.
  void ArgumentFileOpensOrIsReported() {
    for (const auto& [name, message] :
         {std::pair<QString, QString>{"", "is a folder!"}, {"gone.srt", "doesn't exist!"}, {"film.srt", ""}}) {
      d_->Write("film.srt", Crlf(SubRipAB));
      const QString argument = name.isEmpty() ? d_->folder.path() : d_->Path(name);
      TMainForm window(&d_->dialogs);
      window.OpenArgumentFileWhenShown(argument);
      const QStringList boxes =
          d_->boxes.Answering(message.isEmpty() ? QList<Reply>{} : QList<Reply>{Reply{}}, [&] { window.show(); });
      QCOMPARE(boxes, message.isEmpty() ? QStringList() : QStringList{"\"" + argument + "\" " + message});
      QTRY_COMPARE(window.windowTitle(), message.isEmpty() ? QString("Tessary - 'film.srt'") : QString("Tessary"));
    }
  }

  // The type switch renames the file, so Save asks for the name; a Save as that fails must
  // keep the subtitle open when closing waits on it.
  void FailedSaveAsKeepsTheSubtitleOpen() {
    QCOMPARE(d_->Open("film.sub", Crlf("{25}{50}A\n{75}{100}B")), QStringList());
    QCOMPARE(d_->Click(w().rbSubRip), QStringList());
    const QString unwritable = d_->Path("no such folder/film.srt");
    d_->dialogs.names.push_back(unwritable.toStdString());
    QCOMPARE(d_->Click(w().sbCloseFile, {Reply{QMessageBox::Yes}, Reply{}}),
             QStringList({SaveChanges, "Can't write in \"" + unwritable + "\"!"}));
    QCOMPARE(QString::fromStdString(d_->dialogs.saveRequests.at(0).prefill), d_->Path("film.srt"));
    QCOMPARE(w().windowTitle(), QString("Tessary - 'film.srt'"));
  }

  // Closing the window and Close file reach the save question; the answers' rules are the
  // document's own.
  void ClosingAnEditedSubtitleAsksToSaveIt() {
    const Reply yes{QMessageBox::Yes}, no{QMessageBox::No}, cancel{QMessageBox::Cancel};
    for (const auto& [window, answers, closed] :
         {std::tuple{true, QList<Reply>{cancel}, false}, std::tuple{true, QList<Reply>{no}, true},
          std::tuple{false, QList<Reply>{yes, yes}, true}}) {
      Restart();
      QCOMPARE(d_->Open("film.srt", Crlf(SubRipAB)), QStringList());
      d_->TypeAt(3, 2, " now");
      const QStringList boxes = d_->boxes.Answering(answers, [&, window = window] {
        if (window)
          w().close();
        else
          w().sbCloseFile->click();
      });
      QCOMPARE(boxes, window ? QStringList({SaveChanges}) : QStringList({SaveChanges, NotVerified}));
      QCOMPARE(d_->Read("film.srt"), Crlf(window ? SubRipAB : SubRipAEdited));
      const bool shown = !(window && closed);
      QCOMPARE(w().isVisible(), shown);
      QCOMPARE(w().windowTitle(), window ? QString("Tessary - 'film.srt'") : QString("Tessary"));
    }
  }

  // A character Windows-1250 lacks turns the file into UTF-8: the label follows the encoding
  // and the window tells the user once.
  void TypedCharacterOutsideWindows1250IsSavedAsUtf8() {
    QCOMPARE(d_->Open("pl.sub", "{25}{50}za\xbf\xf3\xb3\xe6"), QStringList());
    QCOMPARE(w().EncodingLabel->text(), QString("Windows-1250"));
    const QStringList boxes = d_->boxes.Answering({Reply{}}, [&] {
      w().reManualEditZone->moveCursor(QTextCursor::End);
      QInputMethodEvent typed;
      typed.setCommitString(QString::fromUtf8("ł中"));
      QApplication::sendEvent(w().reManualEditZone, &typed);
      QTest::qWait(0);
    });
    QCOMPARE(boxes,
             QStringList{"This character can't be written in Windows-1250: the subtitle will be saved as UTF-8."});
    QCOMPARE(w().EncodingLabel->text(), QString("UTF-8"));
    QCOMPARE(d_->Click(w().btnVerifyWritings, {Reply{}}), QStringList{ProperlyModified});
    QCOMPARE(d_->Click(w().sbSave), QStringList());
    QCOMPARE(d_->Read("pl.sub"), QByteArray("{25}{50}za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\xC5\x82\xE4\xB8\xAD"));
  }
};

}  // namespace tessary::testing

QTEST_MAIN(tessary::testing::MainFormFilesTest)
#include "main_form_files_test.moc"
