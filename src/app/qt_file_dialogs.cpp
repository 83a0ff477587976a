#include "qt_file_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace tessary {

std::string QtFileDialogs::AskOpenFileName() {
  QString chosen = QFileDialog::getOpenFileName(owner_, QString(), QDir::currentPath(),
                                                "Subtitles (*.txt *.sub *.ssa *.srt *.000 *.rt);;All files (*)");
  return QFile::encodeName(chosen).toStdString();
}

std::string QtFileDialogs::AskSaveFileName(const std::string& prefill, const std::string& defaultExtension) {
  const bool microDvd = defaultExtension == "sub";
  QFileDialog dialog(owner_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The document asks its own overwrite question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
  dialog.setNameFilters({microDvd ? "MicroDVD subtitle (*.sub)" : "SubRip subtitle (*.srt)", "All files (*)"});
  dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(prefill)));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace tessary
