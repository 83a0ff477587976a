// Times the editor window with the largest document: from the Open command to a window that
// answers input, then typing, scrolling, Verify writings and a multiply of every time, with
// word wrap off and on.
//
//   tessary-window-bench [REPEATS]     (runs offscreen unless QT_QPA_PLATFORM is set)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>

#include "input_generator.h"
#include "main_form.h"

namespace {

class FixedFileDialogs : public tessary::FileDialogs {
 public:
  std::string path;
  std::string AskOpenFileName() override { return path; }
  std::string AskSaveFileName(const std::string&, const std::string&) override { return {}; }
};

// Handles every event queued so far, paints included.
void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

double Measure(const std::function<void()>& step) {
  QElapsedTimer timer;
  timer.start();
  step();
  Settle();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void TypeCharacter(QWidget* target) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, "x");
  QApplication::sendEvent(target, &press);
  QApplication::sendEvent(target, &release);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const auto folder = std::filesystem::temp_directory_path() / "tessary-window-bench";
  std::filesystem::create_directories(folder);
  struct Input {
    const char* name;
    std::string bytes;
  };
  const Input inputs[] = {{"big.srt", tessary::bench::BigSubRip()}, {"big.sub", tessary::bench::BigMicroDVD()}};

  // Message boxes (the report after Verify writings) are answered as soon as they show.
  QTimer answer;
  int boxes = 0;
  QObject::connect(&answer, &QTimer::timeout, [&boxes] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      ++boxes;
      box->close();
    }
  });
  answer.start(1);

  // "boxes" counts the message boxes the open showed (none is expected).
  std::printf("%-8s %-5s %10s %6s %10s %10s %10s %11s\n", "file", "wrap", "open ms", "boxes", "type ms", "scroll ms",
              "verify ms", "multiply ms");
  for (const Input& input : inputs) {
    const std::string path = (folder / input.name).string();
    std::ofstream(path, std::ios::binary) << input.bytes;
    for (bool wrap : {false, true}) {
      for (int run = 0; run < repeats; ++run) {
        FixedFileDialogs dialogs;
        dialogs.path = path;
        tessary::TMainForm form(&dialogs);
        form.reManualEditZone->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        form.show();
        Settle();
        boxes = 0;
        double open = Measure([&] { form.sbLoadFile->click(); });
        const int openBoxes = boxes;
        form.reManualEditZone->setFocus();
        double type = Measure([&] { TypeCharacter(form.reManualEditZone); });
        QScrollBar* bar = form.reManualEditZone->verticalScrollBar();
        double scroll = Measure([&] { bar->setValue(bar->maximum() / 2); });
        // Undo the typed character, so that the text verifies without a problem report.
        form.reManualEditZone->undo();
        double verify = Measure([&] { form.btnVerifyWritings->click(); });
        tessary::Document& doc = form.document();
        doc.timing().factor.Changed("0.99", doc.TimingContext());
        doc.timing().factor.Exit(doc.TimingContext());
        double multiply = Measure([&] { form.btnMultiply->click(); });
        std::printf("%-8s %-5s %10.1f %6d %10.1f %10.1f %10.1f %11.1f\n", input.name, wrap ? "on" : "off", open,
                    openBoxes, type, scroll, verify, multiply);
        std::fflush(stdout);
        form.document().StoreForSetup().ChangeCount = 0;
        form.document().StoreForSetup().TextEdited = false;
      }
    }
  }
  std::filesystem::remove_all(folder);
  return 0;
}
