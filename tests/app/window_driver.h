// Drives the main window as a user would: scripted file choosers, files in a temporary
// folder, typing into the editing area and answers to the boxes the window shows.
#pragma once

#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "convert_message_form.h"
#include "main_form.h"
#include "support/scripted_file_dialogs.h"

namespace tessary::testing {

// The answer to one box: a button of a message box, or OK / Cancel of the conversion
// warning after ticking its "Disable this message" when disableFurther is set.
struct Reply {
  QMessageBox::StandardButton button = QMessageBox::Ok;
  bool disableFurther = false;
};

// Text written with "\n" as a file holds it, with CR LF line breaks.
inline QByteArray Crlf(QByteArray text) { return text.replace("\n", "\r\n"); }

inline const QString ProperlyModified = "The subtitle was properly modified!";
inline const QString NotVerified = "You didn't yet verified what you wrote!\nAre you sure you want to save?";

// Answers every modal box while it lives, looking for one every 10 ms. A box with no reply
// waiting is closed as by Escape and recorded as unexpected, so that a test comparing the
// recorded texts fails instead of hanging. A wrong caption or owner is recorded with the text.
class BoxAnswerer : public QObject {
 public:
  BoxAnswerer() {
    connect(&poll_, &QTimer::timeout, this, &BoxAnswerer::Poll);
    poll_.start(10);
  }

  // Runs `action` with `replies` waiting and returns the texts of the boxes shown. Replies
  // left when the action returns wait up to 3 s for boxes that a timer shows later.
  QStringList Answering(const QList<Reply>& replies, const std::function<void()>& action) {
    QStringList shown;
    replies_ = replies;
    shown_ = &shown;
    action();
    (void)QTest::qWaitFor([this] { return replies_.isEmpty(); }, 3000);
    for (qsizetype i = 0; i < replies_.size(); ++i) shown << "[an expected box never came]";
    shown_ = nullptr;
    replies_.clear();
    return shown;
  }

  QStringList stray;  // boxes that came while no action was being answered

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == answered_ || !modal->isVisible()) return;
    answered_ = modal;
    auto* box = qobject_cast<QMessageBox*>(modal);
    auto* warning = qobject_cast<TConvertMessageForm*>(modal);
    QString text = box ? box->text() : warning ? warning->Question->text() : modal->metaObject()->className();
    if (modal->windowTitle() != (warning ? "Convert" : "Tessary")) text += " [caption " + modal->windowTitle() + "]";
    auto* owner = qobject_cast<TMainForm*>(modal->parentWidget());
    if (!owner)
      text += " [not owned by the main window]";
    else if (!owner->document().MessageShowing())
      text += " [MessageShowing not set]";
    QAbstractButton* button = nullptr;
    if (shown_ && !replies_.isEmpty()) {
      const Reply reply = replies_.takeFirst();
      if (box) button = box->button(reply.button);
      if (warning) {
        if (reply.disableFurther) warning->cbDisable->click();
        button = reply.button == QMessageBox::Ok ? warning->btnOK : warning->btnCancel;
      }
      if (!button) text += " [no such button]";
    } else {
      text += " [unexpected]";
    }
    (shown_ ? *shown_ : stray) << text;
    if (button)
      button->click();
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  }

  QTimer poll_;
  QList<Reply> replies_;
  QStringList* shown_ = nullptr;
  QPointer<QWidget> answered_;
};

// A shown main window whose file choosers answer from dialogs.names.
class WindowDriver {
 public:
  WindowDriver() : window(std::make_unique<TMainForm>(&dialogs)) {
    QApplication::setQuitOnLastWindowClosed(false);
    window->show();
  }

  QString Path(const QString& name) const { return folder.filePath(name); }
  QString Write(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return Path(name);
  }
  QByteArray Read(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  QStringList Click(QAbstractButton* button, const QList<Reply>& replies = {}) {
    return boxes.Answering(replies, [button] { button->click(); });
  }
  // Writes the file and chooses it with the Open command.
  QStringList Open(const QString& name, const QByteArray& bytes, const QList<Reply>& replies = {}) {
    dialogs.names.push_back(Write(name, bytes).toStdString());
    return Click(window->sbLoadFile, replies);
  }

  // Types `text` over the `replaced` characters at 1-based line and column of the editing
  // area; an empty text deletes them with Backspace.
  void TypeAt(int line, int column, const QString& text, int replaced = 0) {
    TMyRichEdit* edit = window->reManualEditZone;
    QTextCursor cursor(edit->document()->findBlockByNumber(line - 1));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column - 1);
    cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, replaced);
    edit->setTextCursor(cursor);
    if (text.isEmpty())
      QTest::keyClick(edit, Qt::Key_Backspace);
    else
      QTest::keyClicks(edit, text);
  }
  QString Shown() const { return window->reManualEditZone->toPlainText(); }

  ScriptedFileDialogs dialogs;
  QTemporaryDir folder;
  BoxAnswerer boxes;
  std::unique_ptr<TMainForm> window;
};

// A test class each of whose tests (and each row of a table, by Restart) starts with a fresh
// shown window and ends with no box left unanswered.
class WindowTest : public QObject {
  Q_OBJECT

 protected:
  std::unique_ptr<WindowDriver> d_;
  TMainForm& w() { return *d_->window; }
  void Restart() {
    if (d_) QCOMPARE(d_->boxes.stray, QStringList());
    d_ = std::make_unique<WindowDriver>();
    QVERIFY(QTest::qWaitForWindowActive(d_->window.get()));
  }

 private slots:
  void init() { Restart(); }
  void cleanup() {
    QCOMPARE(d_->boxes.stray, QStringList());
    d_.reset();
  }
};

}  // namespace tessary::testing
