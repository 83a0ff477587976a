// The window's buttons and check boxes: standard controls that also report the pointer
// entering and leaving them (`crossing`), for the pressed-hand feedback.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>

#include "controls/pointer_crossing.h"

namespace tessary {

// A push button with a glyph.
class TMyBitBtn : public QPushButton {
  Q_OBJECT
 public:
  explicit TMyBitBtn(QWidget* parent = nullptr) : QPushButton(parent), crossing(new PointerCrossing(this)) {}
  PointerCrossing* const crossing;
};

// A flat tool button.
class TMySpeedButton : public QToolButton {
  Q_OBJECT
 public:
  explicit TMySpeedButton(QWidget* parent = nullptr) : QToolButton(parent), crossing(new PointerCrossing(this)) {
    setAutoRaise(true);
  }
  PointerCrossing* const crossing;
};

class TMyCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit TMyCheckBox(QWidget* parent = nullptr) : QCheckBox(parent), crossing(new PointerCrossing(this)) {}
  PointerCrossing* const crossing;
};

}  // namespace tessary
