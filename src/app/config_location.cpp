#include "config_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "settings/configuration.h"

namespace tessary {

std::string ConfigFilePath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (!folder.isEmpty()) folder += "/Tessary";
  if (folder.isEmpty() || !QDir().mkpath(folder)) folder = QCoreApplication::applicationDirPath();
  const std::string program =
      QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName()).toStdString();
  return QFile::encodeName(folder).toStdString() + "/" + ConfigFileName(program);
}

std::vector<std::string> LanguageFolders() {
  return {QFile::encodeName(QCoreApplication::applicationDirPath() + "/lang").toStdString(),
          std::string(TESSARY_DATA_DIR) + "/lang"};
}

}  // namespace tessary
