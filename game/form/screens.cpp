#include "game/form/screens.h"

#include <array>
#include <stdexcept>

#include "game/form/form.h"

namespace form {
namespace {

// Shown and parked places of every screen panel, as the window was designed.
constexpr std::array<ScreenPlace, 15> kScreens{{
    {Screen::status, "Panel1", 0, -1, 1860, ""},
    {Screen::date, "Panel2", 224, -1, 1860, ""},
    {Screen::location, "Location", 192, -1, 1920, ""},
    {Screen::area, "Panel5", 576, -1, 2800, ""},
    {Screen::viewer, "PShow", 186, 273, 1890, ""},
    {Screen::trade_view, "PShow", 186, 57, 1890, ""},
    {Screen::death, "death", 192, -1, 1920, "Timer7"},
    {Screen::fight, "fight", 192, -1, 1920, "Timer1"},
    {Screen::trader, "Trader", 186, -1, 2250, ""},
    {Screen::trading, "Trading", 186, -1, 2250, ""},
    {Screen::levelup, "levelup", 280, -1, 1920, ""},
    {Screen::talk, "tlkpic", 200, -1, 2000, ""},
    {Screen::menu, "menu", 0, -1, 2000, "Timer5"},
    {Screen::intro, "intro", 0, -1, 2000, "Timer6"},
    {Screen::outro, "outro", 0, -1, 2000, "Timer8"},
}};

// Whether the control is the panel or lies on it (at any depth).
bool on_panel(const Form& f, const Control& c, std::string_view panel) {
  for (const Control* p = &c; p != nullptr; p = p->parent.empty() ? nullptr : f.find(p->parent))
    if (p->name == panel) return true;
  return false;
}

}  // namespace

std::span<const ScreenPlace> screens() {
  return kScreens;
}

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

void park_all_but(Form& f, Screen keep) {
  const std::string_view kept = place_of(keep).panel;
  for (const ScreenPlace& p : kScreens)
    if (p.panel != kept) park(f, p.screen);
}

void restore_all_but(Form& f, const Form& start, Screen keep) {
  const ScreenPlace& kept = place_of(keep);
  for (Control& c : f.controls()) {
    if (c.name == kept.timer || on_panel(f, c, kept.panel)) continue;
    const Control* was = start.find(c.name);
    if (was == nullptr) continue;
    const uint64_t generation = c.generation;
    c = *was;
    c.generation = generation + 1;
  }
}

}  // namespace form
