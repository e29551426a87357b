#pragma once
// Keeps one widget in step with its control of the form model. The widget's
// last applied state is remembered, so a sync compares and sets only what the
// game changed since.
#include <QWidget>
#include <cstdint>

#include "game/form/control.h"

namespace ui {

struct BoundControl {
  form::Control* control = nullptr;
  QWidget* widget = nullptr;  // nullptr for timers
  // What the widget shows now; meaningful once synced is true. The picture
  // is tracked by its cache key instead of a copy.
  form::Control shown;
  qint64 picture_key = 0;
  bool synced = false;
};

void sync_widget(BoundControl& bound);

}  // namespace ui
