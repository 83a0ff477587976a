// The warning before a switch of subtitle type that may lose style marks.
#pragma once

#include <QDialog>
#include <QLabel>

#include "controls/my_buttons.h"
#include "settings/message_table.h"

namespace tessary {

class TConvertMessageForm : public QDialog {
  Q_OBJECT
 public:
  TConvertMessageForm(QWidget* owner, const MessageTable& messages);

  QLabel* const Question;
  TMyCheckBox* const cbDisable;
  TMyBitBtn* const btnOK;
  TMyBitBtn* const btnCancel;
};

}  // namespace tessary
