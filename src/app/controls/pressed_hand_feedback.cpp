#include "controls/pressed_hand_feedback.h"

#include <QApplication>
#include <QMouseEvent>

namespace tessary {

void PressedHandFeedback::Attach(QWidget* control, PointerCrossing* crossing) {
  control->setCursor(Qt::PointingHandCursor);
  control->setProperty("tessaryCrossing", QVariant::fromValue(static_cast<QObject*>(crossing)));
  control->installEventFilter(this);
}

bool PressedHandFeedback::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    auto* crossing = qobject_cast<PointerCrossing*>(watched->property("tessaryCrossing").value<QObject*>());
    if (crossing) Press(crossing);
  } else if ((event->type() == QEvent::MouseButtonRelease &&
              static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) ||
             event->type() == QEvent::Hide) {
    Release();
  }
  return false;
}

void PressedHandFeedback::Press(PointerCrossing* crossing) {
  Release();
  pressed_ = true;
  QApplication::setOverrideCursor(Qt::ClosedHandCursor);
  in_ = connect(crossing, &PointerCrossing::mouseIn, this,
                [] { QApplication::changeOverrideCursor(Qt::ClosedHandCursor); });
  out_ =
      connect(crossing, &PointerCrossing::mouseOut, this, [] { QApplication::changeOverrideCursor(Qt::ArrowCursor); });
}

void PressedHandFeedback::Release() {
  if (!pressed_) return;
  pressed_ = false;
  disconnect(in_);
  disconnect(out_);
  QApplication::restoreOverrideCursor();
}

}  // namespace tessary
