#pragma once
// The keys of the keyboard that the game answers (see game/input.h).
#include <QKeyEvent>
#include <optional>

#include "game/input.h"

namespace ui {

std::optional<Key> game_key(const QKeyEvent& event);

// Keys that an edit box with the focus types or edits with.
bool typing_key(Key key);

}  // namespace ui
