// The main window's life: creation, first show, the state shown, dragging and closing.
#include "main_form.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLayout>
#include <QTimer>
#include <QWindow>

#include "config_location.h"

namespace tessary {

TMainForm::TMainForm(FileDialogs* dialogs) {
  setObjectName("TMainForm");
  CreateControls();
  CreateMenus();
  CreatePopup();
  LayOut();
  if (!dialogs) {
    qtDialogs_ = std::make_unique<QtFileDialogs>(this);
    dialogs = qtDialogs_.get();
  }
  dialogs_ = dialogs;
  prompter_ = std::make_unique<QtPrompter>(this, messages_);
  view_ = std::make_unique<QtEditorView>(reManualEditZone);
  doc_ = std::make_unique<Document>(*prompter_, *view_, clock_, messages_, *dialogs_);
  view_->SetEncoding(&doc_->EncodingForEditor());
  // A message box shows over the state it is about.
  prompter_->SetBeforeShowing([this] { Refresh(); });
  ApplyCaptions();
  ConnectCommands();
  // The box has the focus and hands keys to its text field directly: its own events tell.
  cbChooseFrameRate->installEventFilter(this);
  config_.EditorFont.name = reManualEditZone->font().family().toStdString();
  config_.EditorFont.size = reManualEditZone->font().pointSize();
  config_.PlayerFont = config_.EditorFont;
  languageFolders_ = LanguageFolders();
  Refresh();
}

// The window is hidden while the document lives: the control that has the focus reports leaving
// it, and a box even carries its text out, both of which reach the document.
TMainForm::~TMainForm() { hide(); }

void TMainForm::OpenArgumentFileWhenShown(const QString& argument) {
  argumentFile_ = argument;
  argumentPending_ = !argument.isEmpty();
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownBefore_) return;
  shownBefore_ = true;
  EnterLastAccessedFolder(config_.LastAccessedFolder);
  FillLanguageMenu();
  connect(&mainTimer_, &QTimer::timeout, this, &TMainForm::MainTimerTick);
  mainTimer_.start(20);
}

void TMainForm::MainTimerTick() {
  if (argumentPending_) {
    argumentPending_ = false;
    QTimer::singleShot(
        50, this, [this] { Run([&] { doc_->OpenArgumentFile(QFile::encodeName(argumentFile_).toStdString()); }); });
  }
  // A save in the middle of a command that waits for an answer would save half its work.
  if (!doc_->MessageShowing() && doc_->AutoSaveDue()) Run([&] { doc_->AutoSave(); });
}

bool TMainForm::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  // The layout settles after captions change; longer captions of another language widen the
  // smallest window rather than being cut.
  if (event->type() == QEvent::LayoutRequest) setMinimumSize(QSize(715, 520).expandedTo(layout()->totalMinimumSize()));
  return handled;
}

void TMainForm::closeEvent(QCloseEvent* event) {
  bool mayClose = doc_->QueryClose();
  Refresh();
  if (!mayClose) {
    event->ignore();
    return;
  }
  SaveConfiguration();
  mainTimer_.stop();
  event->accept();
}

void TMainForm::mousePressEvent(QMouseEvent* event) {
  // Only presses that no control took reach the window: its background, panels and labels.
  if (event->button() == Qt::LeftButton && !isMaximized() && windowHandle()) windowHandle()->startSystemMove();
  QMainWindow::mousePressEvent(event);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  reManualEditZone->viewport()->update();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  for (const auto& [edit, field] : timingFields_) {
    const bool box = edit == cbChangeFrameRate->lineEdit() && watched == cbChangeFrameRate;
    if ((watched == edit || box) && TimingFieldEvent(*field, edit, event)) return true;
  }
  if (watched != cbChooseFrameRate) return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        cbChooseFrameRateCommit();
        return true;
      }
      if (key->key() == Qt::Key_Escape) {
        cbChooseFrameRateCancel();
        return true;
      }
    }
  } else if (event->type() == QEvent::FocusOut && LeavesControl(static_cast<QFocusEvent*>(event))) {
    cbChooseFrameRateCommit();
  }
  return QMainWindow::eventFilter(watched, event);
}

namespace {

// Shows a field's text; the caret stays where it was, as far as the text reaches.
void SetFieldText(QLineEdit* field, const std::string& text) {
  QString shown = QString::fromStdString(text);
  if (field->text() == shown) return;
  const int caret = field->cursorPosition();
  field->setText(shown);
  field->setCursorPosition(std::min(caret, static_cast<int>(shown.size())));
}

}  // namespace

void TMainForm::Refresh() {
  for (const CommandBinding& b : CommandBindings()) {
    const bool usable = CommandUsable(*doc_, b.id);
    if (b.widget)
      b.widget->setEnabled(usable);
    else
      b.action->setEnabled(usable);
  }
  const FieldTexts& f = doc_->fields();

  // The limit first: a field cuts a text longer than the limit it has when the text is set.
  eFirstLine->setMaxLength(doc_->timing().firstLine.MaxLength());
  eSecondLine->setMaxLength(doc_->timing().secondLine.MaxLength());
  for (const auto& [edit, field] : timingFields_)
    if (edit != cbChangeFrameRate->lineEdit()) SetFieldText(edit, field->Text());
  Units1Label->setText(DisplayText(f.UnitsLabel));
  Units2Label->setText(DisplayText(f.UnitsLabel));

  {
    QSignalBlocker block(cbChooseFrameRate);
    QString rate = QString::fromStdString(f.FrameRateText);
    if (cbChooseFrameRate->currentText() != rate) {
      cbChooseFrameRate->setEditText(rate);
      cbChooseFrameRate->lineEdit()->setCursorPosition(static_cast<int>(rate.size()));
    }
    // Refresh runs on every keystroke: the palette is set only when its colour changes.
    const QColor colour = f.FrameRateRed ? QColor(255, 0, 0) : this->palette().color(QPalette::Text);
    QPalette palette = cbChooseFrameRate->lineEdit()->palette();
    if (palette.color(QPalette::Text) != colour) {
      palette.setColor(QPalette::Text, colour);
      cbChooseFrameRate->lineEdit()->setPalette(palette);
    }
  }
  {
    QSignalBlocker block(cbChangeFrameRate);
    const QString target = QString::fromStdString(doc_->timing().targetRate.Text());
    if (cbChangeFrameRate->currentText() != target) cbChangeFrameRate->setEditText(target);
    QSignalBlocker blockEntire(cbEntire);
    cbEntire->setCheckState(doc_->EntireMode() == TransformMode::Whole     ? Qt::Checked
                            : doc_->EntireMode() == TransformMode::Between ? Qt::Unchecked
                                                                           : Qt::PartiallyChecked);
  }
  (doc_->CheckedType() == SubtitleType::SubRip ? rbSubRip : rbMicroDVD)->setChecked(true);
  (doc_->Unit() == DisplayUnit::Time ? rbTime : rbFrames)->setChecked(true);
  setWindowTitle(DisplayText(doc_->Caption()));
  EncodingLabel->setText(doc_->store().SubtitleLoaded ? QString::fromStdString(EncodingName(doc_->encoding()))
                                                      : QString());
  view_->Flush();
}

}  // namespace tessary
