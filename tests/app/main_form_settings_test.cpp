// The main window's settings and languages: applied at start-up, switched from the menu,
// written when the window closes.
#include "settings/language_file.h"
#include "window_driver.h"

namespace tessary::testing {

namespace {

std::string GermanEntry(int number) {
  QFile file(QString(TESSARY_LANG_DIR) + "/deutsch.lng");
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  const QByteArray bytes = file.readAll();
  return ReadLanguageEntries(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
      .at(static_cast<std::size_t>(number) - 1);
}

}  // namespace

class MainFormSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void LanguageMenuRecaptionsTheWindowAndKeepsTheFileInTheTitle() {
    ScriptedFileDialogs dialogs;
    QTemporaryDir folder;
    TMainForm window(&dialogs);
    window.SetLanguageFolders({TESSARY_LANG_DIR});
    window.show();
    QCOMPARE(window.LanguageMenus[0]->text(), QString("English"));
    QCOMPARE(window.LanguageMenus[1]->text(), QString("Deutsch"));
    QCOMPARE(window.LanguageMenus[2]->text(), QString("Polski"));
    QVERIFY(!window.LanguageMenus[3]->isVisible());
    QVERIFY(window.LanguageMenus[0]->isChecked());

    QFile subtitle(folder.filePath("film.sub"));
    QVERIFY(subtitle.open(QIODevice::WriteOnly));
    subtitle.write("{1}{2}A\r\n{3}{4}B\r\n{5}{6}C\r\n{7}{8}D");
    subtitle.close();
    dialogs.names.push_back(QFile::encodeName(subtitle.fileName()).toStdString());
    window.sbLoadFile->click();
    QCOMPARE(window.windowTitle(), QString("Tessary - 'film.sub'"));

    window.LanguageMenus[1]->trigger();
    QCOMPARE(window.btnVerifyWritings->text(), DisplayText(GermanEntry(1)));
    QCOMPARE(window.Units1Label->text(), DisplayText(GermanEntry(33)));
    QCOMPARE(window.windowTitle(), QString("Tessary - 'film.sub'"));
    QVERIFY(window.LanguageMenus[1]->isChecked() && !window.LanguageMenus[0]->isChecked());

    window.LanguageMenus[0]->trigger();
    QCOMPARE(window.btnVerifyWritings->text(), QString("Verify\nwritings"));
    QCOMPARE(window.languages().Current(), std::string("English"));
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
    QVERIFY(!window.document().settings.AdvancedAutomaticRepair);

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
