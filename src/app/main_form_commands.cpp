// What the main window's commands do: each forwards to the document and shows the result.
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QShortcut>

#include "main_form.h"

namespace tessary {

void TMainForm::ConnectCommands() {
  auto both = [this](QAbstractButton* button, QAction* item, void (TMainForm::*handler)()) {
    if (button) connect(button, &QAbstractButton::clicked, this, handler);
    if (item) connect(item, &QAction::triggered, this, handler);
  };
  both(sbLoadFile, OpenFileMenu, &TMainForm::sbLoadFileClick);
  both(sbSave, SaveFileMenu, &TMainForm::sbSaveClick);
  both(sbSaveAs, SaveFileAsMenu, &TMainForm::sbSaveAsClick);
  both(sbReload, ReloadFileMenu, &TMainForm::sbReloadClick);
  both(sbCloseFile, CloseFileMenu, &TMainForm::sbCloseFileClick);
  connect(ExitProgramMenu, &QAction::triggered, this, &QWidget::close);
  both(btnVerifyWritings, nullptr, &TMainForm::btnVerifyWritingsClick);
  auto verifyIfEnabled = [this] {
    if (CommandUsable(*doc_, CommandId::VerifyWritings)) btnVerifyWritingsClick();
  };
  connect(reManualEditZone, &TMyRichEdit::verifyRequested, this, verifyIfEnabled);
  auto* verifyKey = new QShortcut(QKeySequence("Ctrl+Q"), btnVerifyWritings, nullptr, nullptr, Qt::WidgetShortcut);
  connect(verifyKey, &QShortcut::activated, this, verifyIfEnabled);

  connect(rbMicroDVD, &QAbstractButton::clicked, this, [this] { TypeButtonClick(SubtitleType::MicroDVD); });
  connect(rbSubRip, &QAbstractButton::clicked, this, [this] { TypeButtonClick(SubtitleType::SubRip); });
  both(rbFrames, nullptr, &TMainForm::rbFramesClick);
  both(rbTime, nullptr, &TMainForm::rbTimeClick);
  connect(cbChooseFrameRate, &QComboBox::editTextChanged, this, &TMainForm::cbChooseFrameRateChange);
  connect(view_.get(), &QtEditorView::userTextChanged, this, &TMainForm::reManualEditZoneChange);
  // Told once the keystroke is done, not in the middle of the control's change.
  connect(
      view_.get(), &QtEditorView::encodingSwitched, this, [this] { Run([&] { doc_->NoticeEncodingSwitch(); }); },
      Qt::QueuedConnection);

  both(btnMultiply, nullptr, &TMainForm::btnMultiplyClick);
  both(btnIncrease, nullptr, &TMainForm::btnIncreaseClick);
  both(btnDecrease, nullptr, &TMainForm::btnDecreaseClick);
  both(btnChangeFrameRate, nullptr, &TMainForm::btnChangeFrameRateClick);
  both(btnTransform, nullptr, &TMainForm::btnTransformClick);
  ConnectTimingFields();
  for (TMyBitBtn* b : {btnLoadFromVideoFile, btnDisplayTime, btnSplitSubtitle, btnSmartWrap, btnRemoveComments})
    both(b, nullptr, &TMainForm::SubtitleCommandClick);
  both(sbSearch, SearchMenu, &TMainForm::SubtitleCommandClick);
  both(sbGoToFrame, GoToFrameMenu, &TMainForm::SubtitleCommandClick);
  both(sbGoToTime, GoToTimeMenu, &TMainForm::SubtitleCommandClick);
  both(sbGoToLine, GoToLineMenu, &TMainForm::SubtitleCommandClick);
  both(sbDialogRemover, DialogRemoverMenu, &TMainForm::SubtitleCommandClick);
  both(nullptr, SearchAgainMenu, &TMainForm::SubtitleCommandClick);
  both(nullptr, AppendMenu, &TMainForm::SubtitleCommandClick);
  both(nullptr, LoadSaveTextMenu, &TMainForm::SubtitleCommandClick);
  both(sbVideoPreview, VideoPreviewMenu, &TMainForm::sbVideoPreviewClick);
  both(sbAbout, AboutMenu, &TMainForm::sbAboutClick);
  for (int k = 1; k <= LanguageItems; ++k)
    connect(LanguageMenus[k - 1], &QAction::triggered, this, [this, k] { LanguageItemClick(k); });

  // A scroll area reports the place of a right click in its viewport.
  connect(reManualEditZone, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupShowing(reManualEditZone->viewport()->mapToGlobal(at)); });
  connect(reManualEditZone, &TMyRichEdit::contextMenuAtCaretRequested, this,
          [this] { PopupShowing(reManualEditZone->mapToGlobal(reManualEditZone->CaretPopupPosition())); });
  connect(CutPopup, &QAction::triggered, reManualEditZone, &QPlainTextEdit::cut);
  connect(CopyPopup, &QAction::triggered, reManualEditZone, &QPlainTextEdit::copy);
  connect(PastePopup, &QAction::triggered, reManualEditZone, &QPlainTextEdit::paste);
  connect(DeletePopup, &QAction::triggered, this, [this] { reManualEditZone->textCursor().removeSelectedText(); });
  connect(SelectAllPopup, &QAction::triggered, reManualEditZone, &QPlainTextEdit::selectAll);
  connect(MarkFirstPopup, &QAction::triggered, this, [this] { MarkLineNumber(1); });
  connect(MarkSecondPopup, &QAction::triggered, this, [this] { MarkLineNumber(2); });
  connect(reManualEditZone, &TMyRichEdit::markLineRequested, this, &TMainForm::MarkLineNumber);
}

void TMainForm::sbLoadFileClick() {
  Run([&] { doc_->OpenCommand(); });
}
void TMainForm::sbSaveClick() {
  Run([&] { doc_->Save(); });
}
void TMainForm::sbSaveAsClick() {
  Run([&] { doc_->SaveAs(); });
}
void TMainForm::sbReloadClick() {
  Run([&] { doc_->Reload(); });
}
void TMainForm::sbCloseFileClick() {
  Run([&] { doc_->CloseFile(); });
}
void TMainForm::btnVerifyWritingsClick() {
  Run([&] { doc_->TextInLines(); });
}
void TMainForm::TypeButtonClick(SubtitleType type) {
  Run([&] { doc_->TypeButtonChecked(type); });
}
void TMainForm::rbFramesClick() {
  Run([&] { doc_->SelectFramesUnit(); });
}
void TMainForm::rbTimeClick() {
  Run([&] { doc_->SelectTimeUnit(); });
}
void TMainForm::cbChooseFrameRateChange(const QString& text) {
  Run([&] { doc_->FrameRateTextChanged(text.toStdString()); });
}
void TMainForm::cbChooseFrameRateCommit() {
  Run([&] {
    doc_->FrameRateTextChanged(cbChooseFrameRate->currentText().toStdString());
    doc_->FrameRateCommit();
  });
}
void TMainForm::cbChooseFrameRateCancel() {
  Run([&] { doc_->FrameRateCancel(); });
}
void TMainForm::reManualEditZoneChange() {
  Run([&] { doc_->EditorTextChanged(); });
}

void TMainForm::SubtitleCommandClick() {
  Run([&] {
    if (!doc_->store().SubtitleLoaded) doc_->NoSubtitleNotice();
  });
}

void TMainForm::sbVideoPreviewClick() {
  sbVideoPreview->setChecked(false);
  SubtitleCommandClick();
}

void TMainForm::sbAboutClick() {
  QMessageBox::about(this, DisplayText(messages_[Msg::Title]),
                     QString("Tessary %1\n\nA subtitle editor and converter for MicroDVD and SubRip files.")
                         .arg(QApplication::applicationVersion()));
}

void TMainForm::PopupShowing(const QPoint& at) {
  const bool loaded = doc_->store().SubtitleLoaded;
  const bool selection = reManualEditZone->textCursor().hasSelection();
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const bool clipboardText = clipboard && !clipboard->text().isEmpty();
  CutPopup->setEnabled(loaded && selection && !reManualEditZone->isReadOnly());
  CopyPopup->setEnabled(loaded && selection);
  PastePopup->setEnabled(loaded && clipboardText && !reManualEditZone->isReadOnly());
  DeletePopup->setEnabled(loaded && selection && !reManualEditZone->isReadOnly());
  SelectAllPopup->setEnabled(loaded);
  PopupSeparator->setVisible(loaded);
  MarkLinePopup->menuAction()->setVisible(loaded);
  EditPopup->popup(at);
}

}  // namespace tessary
