// tessary-editor-view-bench: how long the editing area takes with the largest document
// (250,000 lines, about 10 MB of SubRip): the first text into an empty shown control, the
// bytes read back after the user typed one character, a new text that differs in one line,
// and a new text that differs in every subtitle; with word wrap off and on. Runs on the
// offscreen platform unless another is chosen; prints milliseconds (best and median).
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include "controls/my_rich_edit.h"
#include "editor/qt_editor_view.h"

namespace {

using tessary::EncodingInfo;
using tessary::QtEditorView;
using tessary::TMyRichEdit;

constexpr int kRepetitions = 5;

std::string Time(long long ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld,%03lld", ms / 3600000 % 100, ms / 60000 % 60, ms / 1000 % 60,
                ms % 1000);
  return text;
}

// 62,500 subtitles of four lines (counter, time line, text, blank): a 250,000-line file,
// shown without its last blank line as the editing area does. `shift` moves every time, so
// that each subtitle differs from the unshifted text.
std::string BigSubRip(long long shift) {
  std::string text;
  text.reserve(10'500'000);
  for (int i = 1; i <= 62'500; ++i) {
    const long long start = i * 3000LL + shift;
    text += std::to_string(i) + "\r\n" + Time(start) + " --> " + Time(start + 2500) + "\r\n";
    text += "Subtitle number " + std::to_string(i) +
            " with a line of dialogue long enough to be typical: Za\xBF\xF3\xB3\xE6 g\xEA\x9C\xB9 ja\x9F\xF1, "
            "and so on, and so on.\r\n\r\n";
  }
  text.resize(text.size() - 4);  // no line break after the last text line
  return text;
}

struct Figures {
  std::vector<double> ms;
  void Print(const char* what) {
    std::sort(ms.begin(), ms.end());
    std::printf("  %-44s best %8.1f ms   median %8.1f ms\n", what, ms.front(), ms[ms.size() / 2]);
  }
};

double Measure(const std::function<void()>& step) {
  QElapsedTimer timer;
  timer.start();
  step();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Run(bool wordWrap, const std::string& original, const std::string& shifted) {
  Figures first, painted, readBack, oneLine, everyLine;
  for (int r = 0; r < kRepetitions; ++r) {
    TMyRichEdit edit;
    edit.setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    edit.resize(900, 600);
    edit.show();
    QCoreApplication::processEvents();
    EncodingInfo encoding;
    QtEditorView view(&edit);
    view.SetEncoding(&encoding);

    first.ms.push_back(Measure([&] {
      view.SetText(original);
      view.Flush();
    }));
    painted.ms.push_back(Measure([&] { edit.repaint(); }));

    edit.moveCursor(QTextCursor::End);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&edit, &key);
    std::size_t size = 0;
    readBack.ms.push_back(Measure([&] { size = view.Text().size(); }));
    if (size != original.size() + 1) std::printf("unexpected size %zu\n", size);

    // As a parse of the typed text would render it, with one line changed.
    std::string oneLineChanged = view.Text();
    oneLineChanged.replace(oneLineChanged.find("Subtitle number 31250 "), 8, "Caption");

    oneLine.ms.push_back(Measure([&] {
      view.SetText(oneLineChanged);
      view.Flush();
    }));
    everyLine.ms.push_back(Measure([&] {
      view.SetText(shifted);
      view.Flush();
    }));
  }
  std::printf("word wrap %s:\n", wordWrap ? "on" : "off");
  first.Print("first text into an empty shown control");
  painted.Print("first paint after it");
  readBack.Print("Text() after one typed character");
  oneLine.Print("new text differing in one line");
  everyLine.Print("new text differing in every subtitle");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::string original = BigSubRip(0);
  const std::string shifted = BigSubRip(1000);
  std::printf("document: %zu bytes, %lld lines; %d repetitions\n", original.size(),
              static_cast<long long>(std::count(original.begin(), original.end(), '\r')) + 1, kRepetitions);
  Run(false, original, shifted);
  Run(true, original, shifted);
  return 0;
}
