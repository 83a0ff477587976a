// The main window's settings and languages: applied at start-up, switched from the menu,
// written when the window closes.
#include <QFileDialog>

#include "settings/language_file.h"
#include "window_driver.h"

namespace tessary::testing {

namespace {

// Entry `number` of a shipped language file, or of the built-in English set for "".
QString Entry(const QString& file, int number) {
  QFile lng(QString(TESSARY_LANG_DIR) + "/" + file);
  if (file.isEmpty() || !lng.open(QIODevice::ReadOnly)) return DisplayText(MessageTable::BuiltInEnglish(number));
  const QByteArray bytes = lng.readAll();
  return DisplayText(ReadLanguageEntries(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
                         .at(static_cast<std::size_t>(number) - 1));
}

}  // namespace

class MainFormSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void LanguageMenuRecaptionsTheWindowAndQtsOwnTexts_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("qtTexts");  // Yes, No, Cancel of a message box; Open of a file chooser
    QTest::newRow("English") << 1 << "" << QStringList{"&Yes", "&No", "Cancel", "&Open"};
    QTest::newRow("Deutsch") << 2 << "deutsch.lng" << QStringList{"&Ja", "&Nein", "Abbrechen", "&Öffnen"};
    QTest::newRow("Polski") << 3 << "polski.lng" << QStringList{"&Tak", "&Nie", "Anuluj", "&Otwórz"};
  }
  void LanguageMenuRecaptionsTheWindowAndQtsOwnTexts() {
    QFETCH(int, item);
    QFETCH(QString, file);
    QFETCH(QStringList, qtTexts);
    ScriptedFileDialogs dialogs;
    QTemporaryDir folder;
    TMainForm window(&dialogs);
    window.SetLanguageFolders({TESSARY_LANG_DIR});
    window.show();
    QCOMPARE(window.LanguageMenus[2]->text(), QString("Polski"));  // the items themselves are the list's
    QVERIFY(!window.LanguageMenus[3]->isVisible() && window.LanguageMenus[0]->isChecked());

    QFile subtitle(folder.filePath("film.sub"));
    QVERIFY(subtitle.open(QIODevice::WriteOnly) && subtitle.write("{1}{2}A\r\n{3}{4}B\r\n{5}{6}C\r\n{7}{8}D") > 0);
    subtitle.close();
    dialogs.names.push_back(QFile::encodeName(subtitle.fileName()).toStdString());
    window.sbLoadFile->click();
    QCOMPARE(window.windowTitle(), QString("Tessary - 'film.sub'"));

    // Through another language, so that every text must come back.
    window.LanguageMenus[item == 2 ? 2 : 1]->trigger();
    window.LanguageMenus[item - 1]->trigger();
    QCOMPARE(window.btnVerifyWritings->text(), Entry(file, 1));
    QCOMPARE(window.Units1Label->text(), Entry(file, 33));
    QCOMPARE(window.windowTitle(), QString("Tessary - 'film.sub'"));
    for (int k = 1; k <= 3; ++k) QCOMPARE(window.LanguageMenus[k - 1]->isChecked(), k == item);

    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QFileDialog chooser(&window);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    QCOMPARE((QStringList{box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                          box.button(QMessageBox::Cancel)->text(), chooser.labelText(QFileDialog::Accept)}),
             qtTexts);
  }

  void SettingsAreAppliedAndWrittenBackWhenTheWindowCloses() {
    QTemporaryDir folder;
    const std::string path = QFile::encodeName(folder.filePath("tessary.ini")).toStdString();
    ScriptedFileDialogs dialogs;
    TMainForm window(&dialogs);
    window.SetLanguageFolders({TESSARY_LANG_DIR});
    Configuration config = window.CurrentConfiguration();
    config.Language = "Polski";
    config.Wordwrap = false;
    config.EditorFont.size = 14;
    config.EditorFont.colour = 255;  // red
    config.AdvancedAutomaticRepair = false;
    window.ApplyConfiguration(config);
    window.SetConfigFile(path);
    window.show();

    QVERIFY(window.LanguageMenus[2]->isChecked());
    QCOMPARE(window.reManualEditZone->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(window.reManualEditZone->font().pointSize(), 14);
    QCOMPARE(window.editorView().TextColour(), QColor(255, 0, 0));
    QVERIFY(!window.document().settings().AdvancedAutomaticRepair);

    QVERIFY(window.close());
    const std::vector<std::string> written = ReadConfigFile(path);
    QCOMPARE(written.size(), ConfigKeys.size());
    for (auto [key, value] : {std::pair{1, "Polski"}, {2, "0"}, {4, "14"}, {6, "255"}, {24, "0"}})
      QCOMPARE(written[static_cast<std::size_t>(key)], std::string(value));
  }
};

}  // namespace tessary::testing

QTEST_MAIN(tessary::testing::MainFormSettingsTest)
#include "main_form_settings_test.moc"
