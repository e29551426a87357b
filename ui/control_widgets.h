#pragma once
// The real widget for one control of the form model, created with the look
// that never changes (frames, alignment, focus behaviour). What the game can
// change is set by sync_widget() (widget_sync.h).
#include <QWidget>

#include "game/form/control.h"

namespace ui {

// nullptr for controls without a widget (timers).
QWidget* create_widget(const form::Control& control, QWidget* parent);

}  // namespace ui
