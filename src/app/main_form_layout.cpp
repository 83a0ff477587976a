// Building the main window: controls, menus, popup, layout and captions.
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "main_form.h"

namespace tessary {

namespace {

template <class Control>
Control* Make(QWidget* parent, const char* name) {
  auto* control = new Control(parent);
  control->setObjectName(name);
  return control;
}

TMySpeedButton* MakeToolButton(QWidget* parent, const char* name, QStyle::StandardPixmap glyph) {
  auto* button = Make<TMySpeedButton>(parent, name);
  button->setIcon(parent->style()->standardIcon(glyph));
  button->setIconSize(QSize(20, 20));
  return button;
}

TMySpeedButton* MakeToolButton(QWidget* parent, const char* name, const char* glyph) {
  auto* button = Make<TMySpeedButton>(parent, name);
  button->setText(glyph);
  button->setMinimumSize(28, 28);
  return button;
}

QFrame* MakePanel(QWidget* parent, const char* name) {
  auto* panel = Make<QFrame>(parent, name);
  panel->setFrameShape(QFrame::StyledPanel);
  return panel;
}

QAction* MakeAction(QMenu* menu, const char* name, const QKeySequence& shortcut = {}) {
  auto* action = menu->addAction(QString());
  action->setObjectName(name);
  action->setShortcut(shortcut);
  return action;
}

}  // namespace

void TMainForm::CreateControls() {
  auto* central = new QWidget(this);
  central->setObjectName("MainPanel");
  setCentralWidget(central);

  tpCommonOperationsRect = MakePanel(central, "tpCommonOperationsRect");
  sbLoadFile = MakeToolButton(tpCommonOperationsRect, "sbLoadFile", QStyle::SP_DialogOpenButton);
  sbSave = MakeToolButton(tpCommonOperationsRect, "sbSave", QStyle::SP_DialogSaveButton);
  sbSaveAs = MakeToolButton(tpCommonOperationsRect, "sbSaveAs", QStyle::SP_DriveFDIcon);
  sbReload = MakeToolButton(tpCommonOperationsRect, "sbReload", QStyle::SP_BrowserReload);
  sbCloseFile = MakeToolButton(tpCommonOperationsRect, "sbCloseFile", QStyle::SP_DialogCloseButton);
  EncodingLabel = Make<QLabel>(central, "EncodingLabel");

  tpOptionsAndAboutRect = MakePanel(central, "tpOptionsAndAboutRect");
  sbSearch = MakeToolButton(tpOptionsAndAboutRect, "sbSearch", QStyle::SP_FileDialogContentsView);
  sbGoToFrame = MakeToolButton(tpOptionsAndAboutRect, "sbGoToFrame", "F#");
  sbGoToTime = MakeToolButton(tpOptionsAndAboutRect, "sbGoToTime", "T#");
  sbGoToLine = MakeToolButton(tpOptionsAndAboutRect, "sbGoToLine", "L#");
  sbDialogRemover = MakeToolButton(tpOptionsAndAboutRect, "sbDialogRemover", "- ");
  sbVideoPreview = MakeToolButton(tpOptionsAndAboutRect, "sbVideoPreview", QStyle::SP_MediaPlay);
  sbVideoPreview->setCheckable(true);
  sbOptions = MakeToolButton(tpOptionsAndAboutRect, "sbOptions", QStyle::SP_FileDialogDetailedView);
  sbAbout = MakeToolButton(tpOptionsAndAboutRect, "sbAbout", QStyle::SP_MessageBoxInformation);

  reManualEditZone = Make<TMyRichEdit>(central, "reManualEditZone");
  reManualEditZone->setReadOnly(true);
  reManualEditZone->setContextMenuPolicy(Qt::CustomContextMenu);
  reManualEditZone->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  tpManualModifications = Make<QGroupBox>(central, "tpManualModifications");
  ManualModificationsLabel = Make<QLabel>(tpManualModifications, "ManualModificationsLabel");
  eMultiplyValue = Make<QLineEdit>(tpManualModifications, "eMultiplyValue");
  eIncreaseDecreaseValue = Make<QLineEdit>(tpManualModifications, "eIncreaseDecreaseValue");
  btnMultiply = Make<TMyBitBtn>(tpManualModifications, "btnMultiply");
  btnIncrease = Make<TMyBitBtn>(tpManualModifications, "btnIncrease");
  btnDecrease = Make<TMyBitBtn>(tpManualModifications, "btnDecrease");

  tpAutomaticModifications = Make<QGroupBox>(central, "tpAutomaticModifications");
  AutomaticModificationsLabel = Make<QLabel>(tpAutomaticModifications, "AutomaticModificationsLabel");
  ChangeFrameRateLabel = Make<QLabel>(tpAutomaticModifications, "ChangeFrameRateLabel");
  cbChangeFrameRate = Make<QComboBox>(tpAutomaticModifications, "cbChangeFrameRate");
  FrameRateUnitsLabel = Make<QLabel>(tpAutomaticModifications, "FrameRateUnitsLabel");
  btnChangeFrameRate = Make<TMyBitBtn>(tpAutomaticModifications, "btnChangeFrameRate");
  Text1Label = Make<QLabel>(tpAutomaticModifications, "Text1Label");
  Text2Label = Make<QLabel>(tpAutomaticModifications, "Text2Label");
  Text3Label = Make<QLabel>(tpAutomaticModifications, "Text3Label");
  Text4Label = Make<QLabel>(tpAutomaticModifications, "Text4Label");
  Units1Label = Make<QLabel>(tpAutomaticModifications, "Units1Label");
  Units2Label = Make<QLabel>(tpAutomaticModifications, "Units2Label");
  eFirstLine = Make<QLineEdit>(tpAutomaticModifications, "eFirstLine");
  eFirstPoint = Make<QLineEdit>(tpAutomaticModifications, "eFirstPoint");
  eSecondLine = Make<QLineEdit>(tpAutomaticModifications, "eSecondLine");
  eSecondPoint = Make<QLineEdit>(tpAutomaticModifications, "eSecondPoint");
  btnTransform = Make<TMyBitBtn>(tpAutomaticModifications, "btnTransform");
  cbEntire = Make<TMyCheckBox>(tpAutomaticModifications, "cbEntire");

  tpChooseDisplay = MakePanel(central, "tpChooseDisplay");
  rbFrames = Make<QRadioButton>(tpChooseDisplay, "rbFrames");
  rbTime = Make<QRadioButton>(tpChooseDisplay, "rbTime");
  rbFrames->setChecked(true);
  tpSaveAsType = MakePanel(central, "tpSaveAsType");
  SaveAsTypeLabel = Make<QLabel>(tpSaveAsType, "SaveAsTypeLabel");
  rbMicroDVD = Make<QRadioButton>(tpSaveAsType, "rbMicroDVD");
  rbSubRip = Make<QRadioButton>(tpSaveAsType, "rbSubRip");
  rbMicroDVD->setChecked(true);

  tpFrameRate = Make<QGroupBox>(central, "tpFrameRate");
  FrameRateLabel = Make<QLabel>(tpFrameRate, "FrameRateLabel");
  cbChooseFrameRate = Make<QComboBox>(tpFrameRate, "cbChooseFrameRate");
  cbChooseFrameRate->setEditable(true);
  cbChooseFrameRate->setInsertPolicy(QComboBox::NoInsert);
  cbChooseFrameRate->addItems({"15", "20", "23.976", "23.978", "24", "25", "29.97", "30"});
  cbChooseFrameRate->setEditText("25");
  // The box reads what is typed as it stands; completing it to a list item would change it.
  cbChooseFrameRate->setCompleter(nullptr);
  cbChangeFrameRate->setEditable(true);
  cbChangeFrameRate->setCompleter(nullptr);
  cbChangeFrameRate->setInsertPolicy(QComboBox::NoInsert);
  cbChangeFrameRate->addItems({"15", "20", "23.976", "23.978", "24", "25", "29.97", "30"});
  cbChangeFrameRate->setEditText("25");
  btnLoadFromVideoFile = Make<TMyBitBtn>(tpFrameRate, "btnLoadFromVideoFile");

  tpAdditionalCommands = MakePanel(central, "tpAdditionalCommands");
  btnDisplayTime = Make<TMyBitBtn>(tpAdditionalCommands, "btnDisplayTime");
  btnSplitSubtitle = Make<TMyBitBtn>(tpAdditionalCommands, "btnSplitSubtitle");
  btnSmartWrap = Make<TMyBitBtn>(tpAdditionalCommands, "btnSmartWrap");
  btnRemoveComments = Make<TMyBitBtn>(tpAdditionalCommands, "btnRemoveComments");
  btnVerifyWritings = Make<TMyBitBtn>(central, "btnVerifyWritings");
  btnVerifyWritings->setMinimumHeight(48);

  for (TMySpeedButton* b : {sbLoadFile, sbSave, sbSaveAs, sbReload, sbCloseFile, sbSearch, sbGoToFrame, sbGoToTime,
                            sbGoToLine, sbDialogRemover, sbVideoPreview, sbOptions, sbAbout})
    feedback_.Attach(b, b->crossing);
  for (TMyBitBtn* b : {btnMultiply, btnIncrease, btnDecrease, btnChangeFrameRate, btnTransform, btnLoadFromVideoFile,
                       btnDisplayTime, btnSplitSubtitle, btnSmartWrap, btnRemoveComments, btnVerifyWritings})
    feedback_.Attach(b, b->crossing);
  feedback_.Attach(cbEntire, cbEntire->crossing);
}

void TMainForm::CreateMenus() {
  FileMenu = menuBar()->addMenu(QString());
  OpenFileMenu = MakeAction(FileMenu, "OpenFileMenu", QKeySequence("Ctrl+O"));
  SaveFileMenu = MakeAction(FileMenu, "SaveFileMenu", QKeySequence("Ctrl+S"));
  SaveFileAsMenu = MakeAction(FileMenu, "SaveFileAsMenu", QKeySequence("Ctrl+Shift+S"));
  FileMenu->addSeparator();
  AppendMenu = MakeAction(FileMenu, "AppendMenu", QKeySequence("Alt+P"));
  FileMenu->addSeparator();
  ReloadFileMenu = MakeAction(FileMenu, "ReloadFileMenu", QKeySequence("Ctrl+R"));
  CloseFileMenu = MakeAction(FileMenu, "CloseFileMenu", QKeySequence("Ctrl+I"));
  FileMenu->addSeparator();
  ExitProgramMenu = MakeAction(FileMenu, "ExitProgramMenu", QKeySequence("Alt+X"));

  EditMenu = menuBar()->addMenu(QString());
  LoadSaveTextMenu = MakeAction(EditMenu, "LoadSaveTextMenu", QKeySequence("Ctrl+U"));
  SearchMenu = MakeAction(EditMenu, "SearchMenu", QKeySequence("Ctrl+F"));
  SearchAgainMenu = MakeAction(EditMenu, "SearchAgainMenu", QKeySequence("F3"));
  GoToLineMenu = MakeAction(EditMenu, "GoToLineMenu", QKeySequence("Ctrl+L"));
  GoToTimeMenu = MakeAction(EditMenu, "GoToTimeMenu", QKeySequence("Ctrl+T"));
  GoToFrameMenu = MakeAction(EditMenu, "GoToFrameMenu", QKeySequence("Ctrl+M"));
  DialogRemoverMenu = MakeAction(EditMenu, "DialogRemoverMenu", QKeySequence("Ctrl+D"));
  VideoPreviewMenu = MakeAction(EditMenu, "VideoPreviewMenu", QKeySequence("Ctrl+P"));
  OptionsMenu = MakeAction(EditMenu, "OptionsMenu", QKeySequence("Alt+S"));

  LanguageMenu = menuBar()->addMenu(QString());
  for (int i = 0; i < 10; ++i) {
    QAction* item = MakeAction(LanguageMenu, qPrintable(QString("Language%1Menu").arg(i + 1)),
                               QKeySequence(QString("Ctrl+Alt+%1").arg((i + 1) % 10)));
    item->setCheckable(true);
    item->setVisible(i == 0);
    LanguageMenus[i] = item;
  }
  LanguageMenus[0]->setText("English");

  HelpMenu = menuBar()->addMenu(QString());
  AboutMenu = MakeAction(HelpMenu, "AboutMenu", QKeySequence("Ctrl+F1"));
}

void TMainForm::CreatePopup() {
  EditPopup = new QMenu(this);
  EditPopup->setObjectName("EditPopup");
  CutPopup = MakeAction(EditPopup, "CutPopup");
  CopyPopup = MakeAction(EditPopup, "CopyPopup");
  PastePopup = MakeAction(EditPopup, "PastePopup");
  DeletePopup = MakeAction(EditPopup, "DeletePopup");
  SelectAllPopup = MakeAction(EditPopup, "SelectAllPopup");
  PopupSeparator = EditPopup->addSeparator();
  MarkLinePopup = EditPopup->addMenu(QString());
  MarkLinePopup->setObjectName("MarkLinePopup");
  MarkFirstPopup = MakeAction(MarkLinePopup, "MarkFirstPopup");
  MarkSecondPopup = MakeAction(MarkLinePopup, "MarkSecondPopup");
}

void TMainForm::LayOut() {
  auto* files = new QHBoxLayout(tpCommonOperationsRect);
  files->setContentsMargins(2, 2, 2, 2);
  for (QWidget* w : {sbLoadFile, sbSave, sbSaveAs, sbReload, sbCloseFile}) files->addWidget(w);
  auto* small = new QHBoxLayout(tpOptionsAndAboutRect);
  small->setContentsMargins(2, 2, 2, 2);
  for (QWidget* w :
       {sbSearch, sbGoToFrame, sbGoToTime, sbGoToLine, sbDialogRemover, sbVideoPreview, sbOptions, sbAbout})
    small->addWidget(w);
  auto* top = new QHBoxLayout;
  top->addWidget(tpCommonOperationsRect);
  top->addSpacing(8);
  top->addWidget(EncodingLabel);
  top->addStretch();
  top->addWidget(tpOptionsAndAboutRect);

  auto* manual = new QGridLayout(tpManualModifications);
  manual->addWidget(eMultiplyValue, 0, 0);
  manual->addWidget(btnMultiply, 0, 1);
  manual->addWidget(eIncreaseDecreaseValue, 1, 0);
  manual->addWidget(btnDecrease, 1, 1);
  manual->addWidget(btnIncrease, 1, 2);
  for (QWidget* w : {btnMultiply, btnDecrease, btnIncrease}) w->setFixedWidth(30);
  eMultiplyValue->setFixedWidth(70);
  eIncreaseDecreaseValue->setFixedWidth(70);
  ManualModificationsLabel->hide();  // the panel's title shows the caption

  auto* rate = new QVBoxLayout(tpFrameRate);
  auto* rateRow = new QHBoxLayout;
  rateRow->addWidget(cbChooseFrameRate);
  rateRow->addWidget(btnLoadFromVideoFile);
  rate->addLayout(rateRow);
  FrameRateLabel->hide();
  cbChooseFrameRate->setFixedWidth(80);

  auto* automatic = new QGridLayout(tpAutomaticModifications);
  automatic->setHorizontalSpacing(6);
  auto* change = new QHBoxLayout;
  change->addWidget(ChangeFrameRateLabel);
  change->addWidget(cbChangeFrameRate);
  change->addWidget(FrameRateUnitsLabel);
  change->addWidget(btnChangeFrameRate);
  change->addStretch();
  automatic->addLayout(change, 0, 0, 1, 5);
  // "The moment in which the / first line should appear:" [line] [time or frame] unit
  auto sentence = [&](QLabel* upper, QLabel* lower, QLineEdit* line, QLineEdit* point, QLabel* unit, int row) {
    auto* words = new QVBoxLayout;
    words->setSpacing(0);
    words->addWidget(upper);
    words->addWidget(lower);
    automatic->addLayout(words, row, 0);
    automatic->addWidget(line, row, 1);
    automatic->addWidget(point, row, 2);
    automatic->addWidget(unit, row, 3);
  };
  sentence(Text1Label, Text2Label, eFirstLine, eFirstPoint, Units1Label, 1);
  sentence(Text3Label, Text4Label, eSecondLine, eSecondPoint, Units2Label, 2);
  automatic->setColumnStretch(4, 1);
  auto* transform = new QHBoxLayout;
  transform->addWidget(btnTransform);
  transform->addWidget(cbEntire);
  transform->addStretch();
  automatic->addLayout(transform, 3, 0, 1, 5);
  for (QLineEdit* e : {eFirstLine, eSecondLine}) e->setFixedWidth(56);
  for (QLineEdit* e : {eFirstPoint, eSecondPoint}) e->setFixedWidth(92);
  cbChangeFrameRate->setFixedWidth(80);
  AutomaticModificationsLabel->hide();

  auto* display = new QVBoxLayout(tpChooseDisplay);
  display->addWidget(rbFrames);
  display->addWidget(rbTime);
  auto* type = new QVBoxLayout(tpSaveAsType);
  type->addWidget(SaveAsTypeLabel);
  type->addWidget(rbMicroDVD);
  type->addWidget(rbSubRip);

  auto* more = new QGridLayout(tpAdditionalCommands);
  more->setVerticalSpacing(2);
  more->addWidget(btnDisplayTime, 0, 0);
  more->addWidget(btnSplitSubtitle, 1, 0);
  more->addWidget(btnSmartWrap, 2, 0);
  more->addWidget(btnRemoveComments, 3, 0);

  auto* left = new QVBoxLayout;
  left->addWidget(tpManualModifications);
  left->addWidget(tpFrameRate);
  auto* choices = new QVBoxLayout;
  choices->addWidget(tpChooseDisplay);
  choices->addWidget(tpSaveAsType);
  choices->addWidget(btnVerifyWritings);
  auto* commands = new QVBoxLayout;
  commands->addWidget(tpAdditionalCommands);

  auto* bottom = new QHBoxLayout;
  bottom->addLayout(left);
  bottom->addWidget(tpAutomaticModifications, 1);
  bottom->addLayout(choices);
  bottom->addLayout(commands);

  auto* whole = new QVBoxLayout(centralWidget());
  whole->setContentsMargins(6, 4, 6, 6);
  whole->addLayout(top);
  whole->addWidget(reManualEditZone, 1);
  whole->addLayout(bottom);

  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    setMaximumSize(screen->size() * 2);
    QRect free = screen->availableGeometry();
    resize(std::min(1000, free.width()), std::min(720, free.height()));
    move(free.center() - rect().center());
  }
}

void TMainForm::ApplyCaptions() {
  auto T = [this](Msg id) { return DisplayText(messages_[id]); };
  setWindowTitle(DisplayText(doc_->Caption()));

  btnVerifyWritings->setText(T(Msg::VerifyWritings));
  btnTransform->setText(T(Msg::Transform));
  btnChangeFrameRate->setText(T(Msg::DoIt));
  btnLoadFromVideoFile->setText(T(Msg::LoadFromVideoFile));
  btnDisplayTime->setText(T(Msg::DisplayTime));
  btnSplitSubtitle->setText(T(Msg::SplitSubtitle));
  btnSmartWrap->setText(T(Msg::SmartWrap));
  btnRemoveComments->setText(T(Msg::RemoveComments));
  btnMultiply->setText("*");
  btnIncrease->setText("+");
  btnDecrease->setText("-");

  tpManualModifications->setTitle(T(Msg::ManualModifications));
  ManualModificationsLabel->setText(T(Msg::ManualModifications));
  SaveAsTypeLabel->setText(T(Msg::SaveAsType));
  tpAutomaticModifications->setTitle(T(Msg::AutomaticModifications));
  AutomaticModificationsLabel->setText(T(Msg::AutomaticModifications));
  Text1Label->setText(T(Msg::MomentInWhichThe));
  Text3Label->setText(T(Msg::MomentInWhichThe));
  Text2Label->setText(T(Msg::FirstLineShouldAppear));
  Text4Label->setText(T(Msg::LastLineShouldAppear));
  ChangeFrameRateLabel->setText(T(Msg::ChangeFrameRateTo));
  FrameRateUnitsLabel->setText("fr/s");
  tpFrameRate->setTitle(T(Msg::FrameRate));
  FrameRateLabel->setText(T(Msg::FrameRate));
  rbFrames->setText(T(Msg::Frames));
  rbTime->setText(T(Msg::TimeMs));
  rbMicroDVD->setText("Micro DVD (sub)");
  rbSubRip->setText("SubRip (srt)");
  cbEntire->setText(T(Msg::ApplyToEntireSubtitle));

  FileMenu->setTitle(T(Msg::File));
  OpenFileMenu->setText(T(Msg::Open));
  SaveFileMenu->setText(T(Msg::Save));
  SaveFileAsMenu->setText(T(Msg::SaveAs));
  AppendMenu->setText(T(Msg::Append));
  ReloadFileMenu->setText(T(Msg::Reload));
  CloseFileMenu->setText(T(Msg::CloseFile));
  ExitProgramMenu->setText(T(Msg::Exit));
  EditMenu->setTitle(T(Msg::Edit));
  LoadSaveTextMenu->setText(T(Msg::LoadSaveText));
  SearchMenu->setText(T(Msg::Search));
  SearchAgainMenu->setText(T(Msg::SearchAgain));
  GoToLineMenu->setText(T(Msg::GoToLine));
  GoToTimeMenu->setText(T(Msg::GoToTime));
  GoToFrameMenu->setText(T(Msg::GoToFrame));
  DialogRemoverMenu->setText(T(Msg::SingleDialogRemover));
  VideoPreviewMenu->setText(T(Msg::VideoPreview));
  OptionsMenu->setText(T(Msg::Options));
  LanguageMenu->setTitle("Language");
  HelpMenu->setTitle(T(Msg::Help));
  AboutMenu->setText(T(Msg::About));

  sbLoadFile->setToolTip(T(Msg::OpenTip));
  sbSave->setToolTip(T(Msg::SaveTip));
  sbSaveAs->setToolTip(T(Msg::SaveAsTip));
  sbReload->setToolTip(T(Msg::ReloadTip));
  sbCloseFile->setToolTip(T(Msg::CloseFileTip));
  tpCommonOperationsRect->setToolTip(T(Msg::Speedbar));
  btnMultiply->setToolTip(T(Msg::MultiplyTip));
  eMultiplyValue->setToolTip(T(Msg::MultiplyTip));
  btnIncrease->setToolTip(T(Msg::IncreaseTip));
  btnDecrease->setToolTip(T(Msg::DecreaseTip));
  cbChooseFrameRate->setToolTip(T(Msg::MoviesFrameRateTip));
  btnVerifyWritings->setToolTip(T(Msg::VerifyTip) + " (Ctrl-Q)");
  btnLoadFromVideoFile->setToolTip(T(Msg::LoadFromVideoFileTip));
  btnDisplayTime->setToolTip(T(Msg::DisplayTimeTip));
  cbChangeFrameRate->setToolTip(T(Msg::ChangeFrameRateTip));
  btnChangeFrameRate->setToolTip(T(Msg::ChangeFrameRateTip));
  sbSearch->setToolTip(T(Msg::Search) + " (Ctrl-F)");
  sbGoToLine->setToolTip(T(Msg::GoToLine) + " (Ctrl-L)");
  sbGoToTime->setToolTip(T(Msg::GoToTime) + " (Ctrl-T)");
  sbGoToFrame->setToolTip(T(Msg::GoToFrame) + " (Ctrl-M)");
  sbOptions->setToolTip(T(Msg::Options) + " (Alt-S)");
  sbAbout->setToolTip(T(Msg::About) + " (Ctrl-F1)");
  sbDialogRemover->setToolTip(T(Msg::SingleDialogRemover) + " (Ctrl-D)");
  sbVideoPreview->setToolTip(T(Msg::VideoPreview) + " (Ctrl-P)");

  // A popup caption holds its shortcut after tabs; a menu shows it after one.
  auto popupText = [&](Msg id) {
    QStringList parts = T(id).split('\t', Qt::SkipEmptyParts);
    return parts.size() > 1 ? parts.first() + '\t' + parts.mid(1).join(' ') : parts.value(0);
  };
  CutPopup->setText(popupText(Msg::Cut));
  CopyPopup->setText(popupText(Msg::Copy));
  PastePopup->setText(popupText(Msg::Paste));
  DeletePopup->setText(popupText(Msg::Delete));
  SelectAllPopup->setText(popupText(Msg::SelectAll));
  MarkLinePopup->setTitle(popupText(Msg::MarkLineNumber));
  MarkFirstPopup->setText(popupText(Msg::ForTheFirstPoint));
  MarkSecondPopup->setText(popupText(Msg::ForTheSecondPoint));
}

}  // namespace tessary
