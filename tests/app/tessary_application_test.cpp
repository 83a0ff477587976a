// A failure that no handler caught asks whether to end the program; No goes on.
#include <stdexcept>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "tessary_application.h"

namespace tessary::testing {

// Throws from its event handler, as a command with an unforeseen fault would.
class Faulty : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("unforeseen");
    return QObject::event(e);
  }
};

class TessaryApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  void AnUncaughtFailureAsksAndNoKeepsTheProgramRunning() {
    QString asked, caption;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        asked = box->text();
        caption = box->windowTitle();
        box->button(QMessageBox::No)->click();
      }
    });
    answer.start(10);
    Faulty faulty;
    QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
    QTRY_VERIFY(!asked.isEmpty());
    QCOMPARE(caption, QString("Tessary"));
    QCOMPARE(asked, QString("The application has detected a serious problem.\n"
                            "It is recommended that the application should be terminated\n"
                            "to prevent data loss. Should I do this...?"));
  }
};

}  // namespace tessary::testing

int main(int argc, char** argv) {
  tessary::TessaryApplication app(argc, argv);
  tessary::testing::TessaryApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "tessary_application_test.moc"
