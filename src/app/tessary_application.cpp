#include "tessary_application.h"

#include <cstdlib>
#include <exception>

#include <QMessageBox>

namespace tessary {

TessaryApplication::TessaryApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Tessary");
  setApplicationVersion(TESSARY_VERSION);
}

bool TessaryApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception&) {
    UnexpectedFailure();
  } catch (...) {
    UnexpectedFailure();
  }
  return false;
}

void TessaryApplication::UnexpectedFailure() {
  QMessageBox box(QMessageBox::Critical, "Tessary",
                  "The application has detected a serious problem.\n"
                  "It is recommended that the application should be terminated\n"
                  "to prevent data loss. Should I do this...?",
                  QMessageBox::Yes | QMessageBox::No, activeWindow());
  if (box.exec() == QMessageBox::Yes) std::_Exit(0);
}

}  // namespace tessary
