// Tessary, the subtitle editor: the window, opened on the file named on the command line.
#include "main_form.h"
#include "tessary_application.h"

int main(int argc, char** argv) {
  tessary::TessaryApplication app(argc, argv);
  tessary::TMainForm form;
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) form.OpenArgumentFileWhenShown(arguments.at(1));
  form.show();
  return QApplication::exec();
}
