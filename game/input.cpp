// The one rule for every host: whether a player could click, pick, type into
// or press a control is decided here, for the window, the runner and the
// tests alike.
#include "game/input.h"

#include "game/game.h"
#include "game/services/music_state.h"

std::optional<Key> key_named(std::string_view name) {
  static constexpr std::pair<std::string_view, Key> kNames[] = {
      {"enter", Key::enter}, {"space", Key::space}, {"escape", Key::escape}, {"up", Key::up},
      {"down", Key::down},   {"left", Key::left},   {"right", Key::right},   {"mute", Key::mute},
  };
  for (const auto& [n, k] : kNames)
    if (n == name) return k;
  return std::nullopt;
}

bool Game::clickable(const std::string& control) const {
  const form::Control* c = form.find(control);
  return c && form.onscreen(*c);
}

bool Game::accept_click(const std::string& control, Press how) {
  if (!clickable(control)) return false;
  // A double click whose first click took its control away (the "OK" of the
  // about text lies over "Выход") must not land on what appeared under it.
  if (how == Press::second_of_double && control != last_click_) return false;
  last_click_ = control;
  form::Control& c = form[control];
  // A click gives the keyboard focus to a control that can hold it, as a
  // player's click does; the handler may then move it on.
  if (c.kind == form::Kind::Button || c.kind == form::Kind::Radio || c.kind == form::Kind::Edit)
    form.focus = control;
  return true;
}

bool Game::typing() const {
  const form::Control* c = form.find(form.focus);
  return c && c->kind == form::Kind::Edit && form.onscreen(*c);
}

bool Game::key(Key k) {
  auto press_if_shown = [this](const char* control) {
    return clickable(control) && click(control, Press::key);
  };
  switch (k) {
    case Key::enter:
    case Key::space: {
      // Only a control the player can see: a button clicked before its
      // panel was parked keeps the focus, but no key reaches it.
      const form::Control* c = form.find(form.focus);
      if (!c || !form.onscreen(*c)) return false;
      if (c->kind == form::Kind::Button || (k == Key::space && c->kind == form::Kind::Radio))
        return click(c->name, Press::key);
      return false;
    }
    case Key::escape:
      if (shown(form::Screen::outro)) return press_if_shown("outro");
      return shown(form::Screen::viewer) && press_if_shown("Image37");
    case Key::up:
      return press_if_shown("Image15");
    case Key::down:
      return press_if_shown("Image16");
    case Key::left:
      return press_if_shown("Image17");
    case Key::right:
      return press_if_shown("Image18");
    case Key::mute:
      soundtrack.muted = !soundtrack.muted;
      music.set_volume(soundtrack.muted ? 0 : kMusicVolume);
      return true;
  }
  return false;
}
