// Tessary, the subtitle editor: the window, with the settings of the last run, opened on the
// file named on the command line.
#include <QFontDatabase>

#include "config_location.h"
#include "main_form.h"
#include "tessary_application.h"

int main(int argc, char** argv) {
  tessary::TessaryApplication app(argc, argv);
  tessary::TMainForm form;

  const std::string configFile = tessary::ConfigFilePath();
  tessary::Configuration config = form.CurrentConfiguration();
  const QStringList families = QFontDatabase::families();
  const bool read = tessary::ApplyConfigValues(
      tessary::ReadConfigFile(configFile), config,
      [&](const std::string& name) { return families.contains(QString::fromStdString(name)); });
  if (read) form.ApplyConfiguration(config);
  form.SetConfigFile(configFile);

  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) form.OpenArgumentFileWhenShown(arguments.at(1));
  form.show();
  return QApplication::exec();
}
