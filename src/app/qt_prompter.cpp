#include "qt_prompter.h"

#include <QMessageBox>

#include "convert_message_form.h"

namespace tessary {

QString DisplayText(std::string_view text) {
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return shown;
}

namespace {

QMessageBox::Icon BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::Error:
      return QMessageBox::Critical;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Information:
      break;
  }
  return QMessageBox::Information;
}

QMessageBox::StandardButton BoxButton(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return QMessageBox::Ok;
    case Answer::Cancel:
      return QMessageBox::Cancel;
    case Answer::Yes:
      return QMessageBox::Yes;
    case Answer::No:
      break;
  }
  return QMessageBox::No;
}

QMessageBox::StandardButtons BoxButtons(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      break;
  }
  return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
}

// The button that closing the box (Escape, the title bar) stands for.
Answer EscapeAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::YesNo:
      return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
      break;
  }
  return Answer::Cancel;
}

}  // namespace

void QtPrompter::Show(Icon icon, std::string_view text) { Ask(icon, text, Buttons::Ok, Answer::Ok); }

Answer QtPrompter::Ask(Icon icon, std::string_view text, Buttons buttons, Answer defaultAnswer) {
  if (beforeShowing_) beforeShowing_();
  QMessageBox box(BoxIcon(icon), DisplayText(messages_[Msg::Title]), DisplayText(text), BoxButtons(buttons), owner_);
  box.setDefaultButton(BoxButton(defaultAnswer));
  box.setEscapeButton(BoxButton(EscapeAnswer(buttons)));
  switch (box.exec()) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return EscapeAnswer(buttons);
  }
}

bool QtPrompter::ConfirmConversion(bool& disableFurther) {
  if (beforeShowing_) beforeShowing_();
  TConvertMessageForm form(owner_, messages_);
  QObject::connect(form.cbDisable, &QCheckBox::toggled, [&disableFurther](bool on) { disableFurther = on; });
  return form.exec() == QDialog::Accepted;
}

}  // namespace tessary
