// While a button is held down the pointer is a closed hand; leaving the button shows the
// normal pointer and coming back the closed hand again, until the button is released.
#pragma once

#include <QObject>
#include <QWidget>

#include "controls/pointer_crossing.h"

namespace tessary {

class PressedHandFeedback : public QObject {
  Q_OBJECT
 public:
  explicit PressedHandFeedback(QObject* parent = nullptr) : QObject(parent) {}
  // Gives `control` the feedback; `crossing` reports the pointer crossing its border.
  void Attach(QWidget* control, PointerCrossing* crossing);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Press(PointerCrossing* crossing);
  void Release();

  QMetaObject::Connection in_, out_;
  bool pressed_ = false;
};

}  // namespace tessary
