// The main window's settings and languages: applied at start-up, written at close.
#include <filesystem>

#include <QApplication>

#include "main_form.h"

namespace tessary {

namespace {

QFont FontOf(const FontSetting& setting, QFont font) {
  if (!setting.name.empty()) font.setFamily(QString::fromStdString(setting.name));
  font.setPointSize(setting.size);
  font.setBold(setting.style == FontStyle::Bold || setting.style == FontStyle::BoldItalic);
  font.setItalic(setting.style == FontStyle::Italic || setting.style == FontStyle::BoldItalic);
  return font;
}

FontSetting SettingOf(const QFont& font, FontSetting setting) {
  setting.name = font.family().toStdString();
  setting.size = font.pointSize();
  setting.style = font.bold() ? (font.italic() ? FontStyle::BoldItalic : FontStyle::Bold)
                              : (font.italic() ? FontStyle::Italic : FontStyle::Regular);
  return setting;
}

// A colour value 0x00BBGGRR; negative values name colours of the system's scheme.
QColor TextColourOf(std::int32_t value, const QPalette& system) {
  if (value < 0) return system.color(QPalette::Text);
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace

void TMainForm::ApplyConfiguration(const Configuration& config) {
  config_ = config;
  DocumentSettings& s = doc_->settings();
  s.CommaInSubRip = config.CommaInSubRip;
  s.AdvancedAutomaticRepair = config.AdvancedAutomaticRepair;
  s.BackupSave = config.BackupSave;
  s.AutomaticSave = config.AutomaticSave;
  s.AutomaticSaveTime = config.AutomaticSaveTime;
  s.SaveType = config.SaveType;
  s.FontColour = config.EditorFont.colour;
  s.FontColourIsSystem = config.EditorFont.colour < 0;
  reManualEditZone->setFont(FontOf(config.EditorFont, reManualEditZone->font()));
  view_->SetTextColour(TextColourOf(config.EditorFont.colour, QApplication::palette()));
  reManualEditZone->setLineWrapMode(config.Wordwrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  if (config.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

Configuration TMainForm::CurrentConfiguration() const {
  Configuration config = config_;
  const DocumentSettings& s = doc_->settings();
  config.Language = languages_.Current();
  config.Wordwrap = reManualEditZone->lineWrapMode() != QPlainTextEdit::NoWrap;
  config.EditorFont = SettingOf(reManualEditZone->font(), config_.EditorFont);
  config.EditorFont.colour = s.FontColour;
  config.AutomaticSave = s.AutomaticSave;
  config.AutomaticSaveTime = s.AutomaticSaveTime;
  config.SaveType = s.SaveType;
  config.BackupSave = s.BackupSave;
  config.Maximized = isMaximized();
  config.CommaInSubRip = s.CommaInSubRip;
  config.AdvancedAutomaticRepair = s.AdvancedAutomaticRepair;
  return config;
}

void TMainForm::SaveConfiguration() {
  if (configFile_.empty()) return;
  std::error_code ec;
  const std::string folder = std::filesystem::current_path(ec).string();
  WriteConfigFile(configFile_, ConfigValues(CurrentConfiguration(), folder));
}

void TMainForm::FillLanguageMenu() {
  languages_.Discover(languageFolders_);
  for (int k = 1; k <= LanguageItems; ++k) {
    QAction* item = LanguageMenus[k - 1];
    item->setText(QString::fromStdString(languages_.Item(k)));
    item->setVisible(!languages_.Item(k).empty());
    item->setChecked(false);
  }
  LanguageItemClick(languages_.ItemToSelect(config_.Language));
}

void TMainForm::LanguageItemClick(int item) {
  if (!LanguageMenus[item - 1]->isEnabled()) return;
  ChangeLanguage(languages_.Item(item));
  UncheckAll();
  LanguageMenus[item - 1]->setChecked(true);
}

void TMainForm::UncheckAll() {
  for (QAction* item : LanguageMenus) item->setChecked(false);
}

void TMainForm::ChangeLanguage(const std::string& name) {
  const std::string failure = languages_.Change(name, messages_);
  if (!failure.empty()) {
    doc_->Show(Icon::Error, failure);
    return;
  }
  qtTranslations_.Follow(name);
  doc_->MessagesChanged();
  ApplyCaptions();
  Refresh();
}

}  // namespace tessary
