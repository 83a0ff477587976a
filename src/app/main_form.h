// The main window: the editing area, the file commands, the panels of the timing and text
// operations, the frame-rate box and the type and unit buttons. Every rule lives in the
// document; the window forwards what the user does and shows the document's state.
#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>

#include "commands/command_table.h"
#include "controls/my_buttons.h"
#include "controls/my_rich_edit.h"
#include "controls/pressed_hand_feedback.h"
#include "document/document.h"
#include "editor/qt_editor_view.h"
#include "ports/system_clock.h"
#include "qt_file_dialogs.h"
#include "qt_prompter.h"
#include "qt_translations.h"
#include "settings/configuration.h"
#include "settings/language_list.h"

namespace tessary {

// True when the focus moves to another control of the window: not to a popup list, nor away
// with the whole window (another window, or a message box, becoming active).
inline bool LeavesControl(const QFocusEvent* event) {
  return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  // `dialogs` replaces the file choosers (tests); null uses the Qt ones.
  explicit TMainForm(FileDialogs* dialogs = nullptr);
  ~TMainForm() override;

  Document& document() { return *doc_; }
  QtEditorView& editorView() { return *view_; }
  // Opens the file named on the command line once the window is shown.
  void OpenArgumentFileWhenShown(const QString& argument);
  // Shows the document's state in the controls.
  void Refresh();

  // --- settings and languages (main_form_settings.cpp) ---
  // Gives the window and the document the settings read at start-up.
  void ApplyConfiguration(const Configuration& config);
  // The settings as they stand now, to be written.
  Configuration CurrentConfiguration() const;
  // The configuration file written when the window closes (none by default).
  void SetConfigFile(const std::string& path) { configFile_ = path; }
  // Where the first show looks for language files.
  void SetLanguageFolders(std::vector<std::string> folders) { languageFolders_ = std::move(folders); }
  // Loads a language and captions every control from it again.
  void ChangeLanguage(const std::string& name);
  const LanguageList& languages() const { return languages_; }

  // --- file tool bar and small tool bars ---
  QFrame* tpCommonOperationsRect;
  TMySpeedButton *sbLoadFile, *sbSave, *sbSaveAs, *sbReload, *sbCloseFile;
  QLabel* EncodingLabel;  // the open document's encoding
  QFrame* tpOptionsAndAboutRect;
  TMySpeedButton *sbSearch, *sbGoToFrame, *sbGoToTime, *sbGoToLine, *sbDialogRemover, *sbVideoPreview, *sbOptions,
      *sbAbout;

  TMyRichEdit* reManualEditZone;

  // --- manual modifications ---
  QGroupBox* tpManualModifications;
  QLabel* ManualModificationsLabel;
  QLineEdit *eMultiplyValue, *eIncreaseDecreaseValue;
  TMyBitBtn *btnMultiply, *btnIncrease, *btnDecrease;

  // --- automatic modifications ---
  QGroupBox* tpAutomaticModifications;
  QLabel *AutomaticModificationsLabel, *ChangeFrameRateLabel, *FrameRateUnitsLabel;
  QComboBox* cbChangeFrameRate;
  TMyBitBtn* btnChangeFrameRate;
  QLabel *Text1Label, *Text2Label, *Text3Label, *Text4Label, *Units1Label, *Units2Label;
  QLineEdit *eFirstLine, *eFirstPoint, *eSecondLine, *eSecondPoint;
  TMyBitBtn* btnTransform;
  TMyCheckBox* cbEntire;

  // --- display unit, type, frame rate, other commands ---
  QFrame* tpChooseDisplay;
  QRadioButton *rbFrames, *rbTime;
  QFrame* tpSaveAsType;
  QLabel* SaveAsTypeLabel;
  QRadioButton *rbMicroDVD, *rbSubRip;
  QGroupBox* tpFrameRate;
  QLabel* FrameRateLabel;
  QComboBox* cbChooseFrameRate;
  TMyBitBtn* btnLoadFromVideoFile;
  QFrame* tpAdditionalCommands;
  TMyBitBtn *btnDisplayTime, *btnSplitSubtitle, *btnSmartWrap, *btnRemoveComments;
  TMyBitBtn* btnVerifyWritings;

  // --- menus ---
  QMenu *FileMenu, *EditMenu, *LanguageMenu, *HelpMenu;
  QAction *OpenFileMenu, *SaveFileMenu, *SaveFileAsMenu, *AppendMenu, *ReloadFileMenu, *CloseFileMenu, *ExitProgramMenu;
  QAction *LoadSaveTextMenu, *SearchMenu, *SearchAgainMenu, *GoToLineMenu, *GoToTimeMenu, *GoToFrameMenu,
      *DialogRemoverMenu, *VideoPreviewMenu, *OptionsMenu;
  QAction* LanguageMenus[10];
  QAction* AboutMenu;

  // --- popup of the editing area ---
  QMenu* EditPopup;
  QAction *CutPopup, *CopyPopup, *PastePopup, *DeletePopup, *SelectAllPopup, *PopupSeparator;
  QMenu* MarkLinePopup;
  QAction *MarkFirstPopup, *MarkSecondPopup;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building (main_form_layout.cpp).
  void CreateControls();
  void CreateMenus();
  void CreatePopup();
  void LayOut();
  void ApplyCaptions();
  void ConnectCommands();

  // Settings and languages (main_form_settings.cpp).
  void FillLanguageMenu();
  void LanguageItemClick(int item);
  void UncheckAll();
  void SaveConfiguration();
  // The 20 ms timer: the command-line file on the first tick, then the automatic save.
  void MainTimerTick();

  // Commands (main_form_commands.cpp).
  void sbLoadFileClick();
  void sbSaveClick();
  void sbSaveAsClick();
  void sbReloadClick();
  void sbCloseFileClick();
  void btnVerifyWritingsClick();
  void TypeButtonClick(SubtitleType type);
  void rbFramesClick();
  void rbTimeClick();
  void cbChooseFrameRateChange(const QString& text);
  void cbChooseFrameRateCommit();
  void cbChooseFrameRateCancel();
  void reManualEditZoneChange();
  // Timing operations (main_form_timing.cpp).
  void ConnectTimingFields();
  void btnMultiplyClick();
  void btnIncreaseClick();
  void btnDecreaseClick();
  void btnChangeFrameRateClick();
  void btnTransformClick();
  void MarkLineNumber(int point);
  // The key, focus and text events of a timing field; true when the event is taken.
  bool TimingFieldEvent(TypedField& field, QLineEdit* edit, QEvent* event);
  // Leaves a timing field: commits it and shows what it refused; false when it refused.
  bool TimingFieldExit(TypedField& field);
  bool CommitTimingFields(std::initializer_list<TypedField*> fields);
  // A subtitle command that a later version carries out: with no subtitle it tells the
  // user to load one.
  void SubtitleCommandClick();
  void sbVideoPreviewClick();
  void sbAboutClick();
  // Opens the popup of the editing area at `at` (screen coordinates).
  void PopupShowing(const QPoint& at);

  // A control or menu item and the command it gives: Refresh enables it while the command is usable.
  struct CommandBinding {
    CommandBinding(QWidget* control, CommandId command) : widget(control), id(command) {}
    CommandBinding(QAction* item, CommandId command) : action(item), id(command) {}
    QWidget* widget = nullptr;
    QAction* action = nullptr;
    CommandId id;
  };
  std::vector<CommandBinding> CommandBindings() const {
    using enum CommandId;
    return {
        {sbLoadFile, Open},
        {OpenFileMenu, Open},
        {sbSave, Save},
        {SaveFileMenu, Save},
        {sbSaveAs, SaveAs},
        {SaveFileAsMenu, SaveAs},
        {sbReload, Reload},
        {ReloadFileMenu, Reload},
        {sbCloseFile, CloseFile},
        {CloseFileMenu, CloseFile},
        {AppendMenu, Append},
        {ExitProgramMenu, Exit},
        {btnVerifyWritings, VerifyWritings},
        {SaveAsTypeLabel, SaveAsType},
        {rbMicroDVD, SaveAsType},
        {rbSubRip, SaveAsType},
        {rbFrames, DisplayUnit},
        {rbTime, DisplayUnit},
        {FrameRateLabel, ChooseFrameRate},
        {cbChooseFrameRate, ChooseFrameRate},
        {btnLoadFromVideoFile, LoadFromVideoFile},
        {ManualModificationsLabel, Multiply},
        {eMultiplyValue, Multiply},
        {btnMultiply, Multiply},
        {eIncreaseDecreaseValue, Increase},
        {btnIncrease, Increase},
        {btnDecrease, Decrease},
        {ChangeFrameRateLabel, ChangeFrameRate},
        {cbChangeFrameRate, ChangeFrameRate},
        {FrameRateUnitsLabel, ChangeFrameRate},
        {btnChangeFrameRate, ChangeFrameRate},
        {AutomaticModificationsLabel, Transform},
        {Text1Label, Transform},
        {Text2Label, Transform},
        {Text3Label, Transform},
        {Text4Label, Transform},
        {Units1Label, Transform},
        {Units2Label, Transform},
        {eFirstPoint, Transform},
        {eSecondPoint, Transform},
        {cbEntire, Transform},
        {btnTransform, Transform},
        {btnDisplayTime, DisplayTime},
        {btnSplitSubtitle, SplitSubtitle},
        {btnSmartWrap, SmartWrap},
        {btnRemoveComments, RemoveComments},
        {LoadSaveTextMenu, LoadSaveText},
        {sbSearch, Search},
        {SearchMenu, Search},
        {SearchAgainMenu, SearchAgain},
        {sbGoToLine, GoToLine},
        {GoToLineMenu, GoToLine},
        {sbGoToTime, GoToTime},
        {GoToTimeMenu, GoToTime},
        {sbGoToFrame, GoToFrame},
        {GoToFrameMenu, GoToFrame},
        {sbDialogRemover, DialogRemover},
        {DialogRemoverMenu, DialogRemover},
        {sbVideoPreview, VideoPreview},
        {VideoPreviewMenu, VideoPreview},
        {sbOptions, Options},
        {OptionsMenu, Options},
        {sbAbout, About},
        {AboutMenu, About},
    };
  }

  // Runs a document action and shows the state it left.
  template <class Action>
  void Run(Action&& action) {
    action();
    Refresh();
  }

  std::unique_ptr<QtFileDialogs> qtDialogs_;
  FileDialogs* dialogs_;
  std::unique_ptr<QtPrompter> prompter_;
  SystemClock clock_;
  MessageTable messages_;
  std::unique_ptr<QtEditorView> view_;
  std::unique_ptr<Document> doc_;
  PressedHandFeedback feedback_;
  QString argumentFile_;
  bool argumentPending_ = false;
  bool shownBefore_ = false;
  QTimer mainTimer_;
  Configuration config_;
  std::string configFile_;
  LanguageList languages_;
  QtTranslations qtTranslations_;
  std::vector<std::string> languageFolders_;
  std::vector<std::pair<QLineEdit*, TypedField*>> timingFields_;
};

}  // namespace tessary
