// The application object: a failure that no handler caught asks whether to end the program.
#pragma once

#include <QApplication>

namespace tessary {

class TessaryApplication : public QApplication {
  Q_OBJECT
 public:
  TessaryApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // Asks the fixed question after an unexpected failure; Yes ends the process at once.
  static void UnexpectedFailure();
};

}  // namespace tessary
