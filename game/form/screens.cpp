#include "game/form/screens.h"

#include <array>
#include <stdexcept>

#include "game/form/form.h"

namespace form {
namespace {

// Shown and parked places of every screen panel, as the window was designed.
constexpr std::array<ScreenPlace, 11> kScreens{{
    {Screen::location, "Location", 192, -1, 1920},
    {Screen::viewer, "PShow", 186, 273, 1890},
    {Screen::death, "death", 192, -1, 1920},
    {Screen::fight, "fight", 192, -1, 1920},
    {Screen::trader, "Trader", 186, -1, 2250},
    {Screen::trading, "Trading", 186, -1, 2250},
    {Screen::levelup, "levelup", 280, -1, 1920},
    {Screen::talk, "tlkpic", 200, -1, 2000},
    {Screen::menu, "menu", 0, -1, 2000},
    {Screen::intro, "intro", 0, -1, 2000},
    {Screen::outro, "outro", 0, -1, 2000},
}};

}  // namespace

const ScreenPlace& place_of(Screen s) {
  for (const ScreenPlace& p : kScreens)
    if (p.screen == s) return p;
  throw std::logic_error("screen without a place");
}

void show(Form& f, Screen s) {
  const ScreenPlace& p = place_of(s);
  Control& panel = f[p.panel];
  if (p.shown_top >= 0) panel.top = p.shown_top;
  panel.left = p.shown_left;
}

void park(Form& f, Screen s) {
  const ScreenPlace& p = place_of(s);
  f[p.panel].left = p.parked_left;
}

bool is_shown(const Form& f, Screen s) {
  const ScreenPlace& p = place_of(s);
  const Control* panel = f.find(p.panel);
  return panel != nullptr && panel->left == p.shown_left;
}

}  // namespace form
