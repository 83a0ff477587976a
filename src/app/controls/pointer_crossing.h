// Reports the mouse pointer entering and leaving a control, also while one of its mouse
// buttons is held down (Qt keeps the pointer grabbed then and sends no enter or leave).
#pragma once

#include <QObject>
#include <QWidget>

namespace tessary {

class PointerCrossing : public QObject {
  Q_OBJECT
 public:
  explicit PointerCrossing(QWidget* control);

 signals:
  void mouseIn(QWidget* control);
  void mouseOut(QWidget* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Cross(bool inside);

  QWidget* control_;
  bool inside_ = false;
};

}  // namespace tessary
