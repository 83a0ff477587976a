// The timing panels: multiply, increase, decrease, the frame-rate change and the two-point
// transform, with the rules of their typed fields.
#include <QKeyEvent>

#include "main_form.h"

namespace tessary {

void TMainForm::ConnectTimingFields() {
  timingFields_ = {{eMultiplyValue, TimingField::MultiplyValue},
                   {eIncreaseDecreaseValue, TimingField::IncreaseDecreaseValue},
                   {eFirstLine, TimingField::FirstLine},
                   {eFirstPoint, TimingField::FirstPoint},
                   {eSecondLine, TimingField::SecondLine},
                   {eSecondPoint, TimingField::SecondPoint},
                   {cbChangeFrameRate->lineEdit(), TimingField::ChangeFrameRate}};
  for (const auto& [edit, field] : timingFields_) {
    // The box hands keys and focus to its text field itself: its own events tell.
    (field == TimingField::ChangeFrameRate ? static_cast<QWidget*>(cbChangeFrameRate) : edit)->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, field = field](const QString& text) {
      Run([&] { doc_->FieldChanged(field, text.toStdString()); });
    });
  }
  connect(cbChangeFrameRate, &QComboBox::textActivated, this, [this](const QString& text) {
    Run([&] { doc_->FieldChanged(TimingField::ChangeFrameRate, text.toStdString()); });
  });
  connect(cbEntire, &QCheckBox::stateChanged, this, [this](int state) {
    doc_->EntireMode = state == Qt::Checked     ? TransformMode::Whole
                       : state == Qt::Unchecked ? TransformMode::Between
                                                : TransformMode::PinnedEnds;
  });
  cbEntire->setTristate(true);
}

bool TMainForm::TimingFieldEvent(TimingField field, QLineEdit* edit, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (LeavesControl(static_cast<QFocusEvent*>(event))) Run([&] { doc_->FieldExit(field); });
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Run([&] { doc_->FieldExit(field); });
      // Enter in the target box carries the change out at once.
      if (field == TimingField::ChangeFrameRate) btnChangeFrameRateClick();
      return true;
    case Qt::Key_Escape:
      Run([&] { doc_->FieldEscape(field); });
      return true;
    default:
      break;
  }
  const QString typed = key->text();
  if (typed.size() != 1 || !typed[0].isPrint()) return false;
  const char c = typed[0].unicode() < 0x80 ? static_cast<char>(typed[0].unicode()) : '\x7f';
  return !doc_->FieldAcceptsKey(field, c, edit->hasSelectedText());
}

void TMainForm::btnMultiplyClick() {
  Run([&] { doc_->Run(MultiplyParams{doc_->MultiplyValue}); });
}
void TMainForm::btnIncreaseClick() {
  Run([&] { doc_->Run(ShiftParams{doc_->ShiftValue}); });
}
void TMainForm::btnDecreaseClick() {
  Run([&] { doc_->Run(ShiftParams{-std::int64_t{doc_->ShiftValue}}); });
}
void TMainForm::btnChangeFrameRateClick() {
  Run([&] { doc_->Run(FrameRateChangeParams{doc_->TargetFrameRate}); });
}
void TMainForm::btnTransformClick() {
  const Document& d = *doc_;
  Run([&] {
    doc_->Run(
        TransformParams{d.FirstPointLine, d.FirstPointValue, d.SecondPointLine, d.SecondPointValue, d.EntireMode});
  });
}
void TMainForm::MarkLineNumber(int point) {
  if (!doc_->store.SubtitleLoaded) return;
  // The document reads the caret from the editing area.
  view_->Flush();
  Run([&] { doc_->MarkLineNumber(point); });
}

}  // namespace tessary
