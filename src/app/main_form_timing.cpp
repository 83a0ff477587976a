// The timing panels: multiply, increase, decrease, the frame-rate change and the two-point
// transform, with the rules of their typed fields.
#include <QKeyEvent>

#include "main_form.h"

namespace tessary {

void TMainForm::ConnectTimingFields() {
  TimingFields& t = doc_->timing();
  timingFields_ = {{eMultiplyValue, &t.factor},
                   {eIncreaseDecreaseValue, &t.shift},
                   {eFirstLine, &t.firstLine},
                   {eFirstPoint, &t.firstPoint},
                   {eSecondLine, &t.secondLine},
                   {eSecondPoint, &t.secondPoint},
                   {cbChangeFrameRate->lineEdit(), &t.targetRate}};
  for (const auto& [edit, field] : timingFields_) {
    // The box hands keys and focus to its text field itself: its own events tell.
    (edit == cbChangeFrameRate->lineEdit() ? static_cast<QWidget*>(cbChangeFrameRate) : edit)->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, field = field](const QString& text) {
      Run([&] { field->Changed(text.toStdString(), doc_->TimingContext()); });
    });
  }
  connect(cbChangeFrameRate, &QComboBox::textActivated, this, [this](const QString& text) {
    Run([&] { doc_->timing().targetRate.Changed(text.toStdString(), doc_->TimingContext()); });
  });
  connect(cbEntire, &QCheckBox::stateChanged, this, [this](int state) {
    doc_->SetEntireMode(state == Qt::Checked     ? TransformMode::Whole
                        : state == Qt::Unchecked ? TransformMode::Between
                                                 : TransformMode::PinnedEnds);
  });
  cbEntire->setTristate(true);
}

bool TMainForm::TimingFieldExit(TypedField& field) {
  const auto refusal = field.Exit(doc_->TimingContext());
  if (refusal) doc_->Show(Icon::Error, refusal->Text(doc_->messages()));
  return !refusal;
}

bool TMainForm::CommitTimingFields(std::initializer_list<TypedField*> fields) {
  // A button reached without leaving its field (an access key) commits the text first, as leaving does.
  for (TypedField* field : fields)
    if (!TimingFieldExit(*field)) return false;
  return true;
}

bool TMainForm::TimingFieldEvent(TypedField& field, QLineEdit* edit, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (LeavesControl(static_cast<QFocusEvent*>(event))) Run([&] { TimingFieldExit(field); });
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Run([&] { TimingFieldExit(field); });
      // Enter in the target box carries the change out at once.
      if (&field == &doc_->timing().targetRate) btnChangeFrameRateClick();
      return true;
    case Qt::Key_Escape:
      Run([&] { field.Escape(doc_->TimingContext()); });
      return true;
    default:
      break;
  }
  const QString typed = key->text();
  if (typed.size() != 1 || !typed[0].isPrint()) return false;
  const char c = typed[0].unicode() < 0x80 ? static_cast<char>(typed[0].unicode()) : '\x7f';
  return !field.AcceptsKey(c, edit->hasSelectedText(), doc_->TimingContext());
}

void TMainForm::btnMultiplyClick() {
  TimingFields& t = doc_->timing();
  Run([&] {
    if (CommitTimingFields({&t.factor})) doc_->Run(MultiplyParams{t.factor.Value()});
  });
}
void TMainForm::btnIncreaseClick() {
  TimingFields& t = doc_->timing();
  Run([&] {
    if (CommitTimingFields({&t.shift})) doc_->Run(ShiftParams{t.shift.Value()});
  });
}
void TMainForm::btnDecreaseClick() {
  TimingFields& t = doc_->timing();
  Run([&] {
    if (CommitTimingFields({&t.shift})) doc_->Run(ShiftParams{-std::int64_t{t.shift.Value()}});
  });
}
void TMainForm::btnChangeFrameRateClick() {
  TimingFields& t = doc_->timing();
  Run([&] {
    if (CommitTimingFields({&t.targetRate})) doc_->Run(FrameRateChangeParams{t.targetRate.Target()});
  });
}
void TMainForm::btnTransformClick() {
  TimingFields& t = doc_->timing();
  Run([&] {
    if (CommitTimingFields({&t.firstLine, &t.firstPoint, &t.secondLine, &t.secondPoint}))
      doc_->Run(TransformParams{t.firstLine.Value(), t.firstPoint.Value(), t.secondLine.Value(), t.secondPoint.Value(),
                                doc_->EntireMode()});
  });
}
void TMainForm::MarkLineNumber(int point) {
  if (!doc_->store().SubtitleLoaded) return;
  // The document reads the caret from the editing area.
  view_->Flush();
  Run([&] { doc_->MarkLineNumber(point); });
}

}  // namespace tessary
