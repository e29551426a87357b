#include "ui/keyboard.h"

namespace ui {

std::optional<Key> game_key(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::enter;
    case Qt::Key_Space:
      return Key::space;
    case Qt::Key_Escape:
      return Key::escape;
    case Qt::Key_Up:
      return Key::up;
    case Qt::Key_Down:
      return Key::down;
    case Qt::Key_Left:
      return Key::left;
    case Qt::Key_Right:
      return Key::right;
    case Qt::Key_M:
      if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return std::nullopt;
      return Key::mute;
    default:
      return std::nullopt;
  }
}

bool typing_key(Key key) {
  return key != Key::enter && key != Key::escape;
}

}  // namespace ui
