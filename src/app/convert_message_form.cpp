#include "convert_message_form.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "qt_prompter.h"

namespace tessary {

TConvertMessageForm::TConvertMessageForm(QWidget* owner, const MessageTable& messages)
    : QDialog(owner, Qt::Tool),
      Question(new QLabel(this)),
      cbDisable(new TMyCheckBox(this)),
      btnOK(new TMyBitBtn(this)),
      btnCancel(new TMyBitBtn(this)) {
  setObjectName("TConvertMessageForm");
  setWindowTitle("Convert");
  setModal(true);
  cbDisable->setObjectName("cbDisable");
  btnOK->setObjectName("btnOK");
  btnCancel->setObjectName("btnCancel");
  Question->setWordWrap(true);
  Question->setText(DisplayText(messages[Msg::ConvertQuestion]));
  cbDisable->setText(DisplayText(messages[Msg::DisableThisMessage]));
  btnOK->setText(DisplayText(messages[Msg::Ok]));
  btnCancel->setText(DisplayText(messages[Msg::Cancel]));
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cbDisable);
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Question);
  layout->addLayout(buttons);
  // The question wraps at 420 pixels, or wider when the row of buttons needs more room.
  const QMargins margins = layout->contentsMargins();
  setFixedWidth(std::max(420, buttons->sizeHint().width() + margins.left() + margins.right()));
  if (owner) {
    adjustSize();
    move(owner->geometry().center() - rect().center());
  }
}

}  // namespace tessary
