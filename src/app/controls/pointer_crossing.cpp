#include "controls/pointer_crossing.h"

#include <QEvent>
#include <QMouseEvent>

namespace tessary {

PointerCrossing::PointerCrossing(QWidget* control) : QObject(control), control_(control) {
  control->installEventFilter(this);
}

bool PointerCrossing::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
      Cross(true);
      break;
    case QEvent::Leave:
      Cross(false);
      break;
    case QEvent::MouseMove: {
      auto* move = static_cast<QMouseEvent*>(event);
      if (move->buttons() != Qt::NoButton) Cross(control_->rect().contains(move->position().toPoint()));
      break;
    }
    default:
      break;
  }
  return false;
}

void PointerCrossing::Cross(bool inside) {
  if (inside == inside_) return;
  inside_ = inside;
  control_->update();
  if (inside)
    emit mouseIn(control_);
  else
    emit mouseOut(control_);
}

}  // namespace tessary
