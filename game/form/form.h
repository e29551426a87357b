#pragma once
// The whole window as plain data: every control by name, in creation order,
// which is also the stacking order of the window's panels (later above
// earlier). Built once by build_form() from the window's design.
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/form/control.h"

namespace form {

inline constexpr int kClientWidth = 777;
inline constexpr int kClientHeight = 526;

class Form {
 public:
  Form();

  // The window itself.
  std::string caption = "Vetrovay Demo (Engine Build 0.8a)";
  int screen_left = 0, screen_top = 0;
  Color background = colors::black;
  std::string focus;  // name of the control with the keyboard focus
  bool closed = false;

  Control& add(Control c);
  Control& operator[](std::string_view name);
  const Control& operator[](std::string_view name) const;
  Control* find(std::string_view name);
  const Control* find(std::string_view name) const;

  // All controls in creation order (children after their panel).
  const std::deque<Control>& controls() const { return controls_; }
  std::deque<Control>& controls() { return controls_; }

  // Position of a control in window coordinates.
  int abs_left(const Control& c) const;
  int abs_top(const Control& c) const;
  // Whether a player could click it now: visible and enabled with all its
  // panels, inside the client area, and not hidden under a panel that lies
  // above it in the stacking order.
  bool onscreen(const Control& c) const;
  // The topmost control on screen at window point x, y (nullptr: none).
  const Control* control_at(int x, int y) const;
  // The row of a list at window height y, as the window's list shows its
  // rows unscrolled inside its frame; below the last row, the last one.
  int row_at(const Control& list, int y) const;
  // Checks a radio button and unchecks the others of its group.
  void check(Control& radio);

 private:
  std::deque<Control> controls_;
  std::unordered_map<std::string, size_t> index_;
};

// The window as designed: every panel and control with its place, size,
// look and starting state.
Form build_form();

}  // namespace form
