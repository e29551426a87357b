#include "game/form/form.h"

#include <algorithm>
#include <stdexcept>

namespace form {

void Control::set_row_count(int n) {
  rows.resize(static_cast<size_t>(std::max(1, n)));
  if (row >= static_cast<int>(rows.size())) row = static_cast<int>(rows.size()) - 1;
}

Form::Form() = default;

Control& Form::add(Control c) {
  index_[c.name] = controls_.size();
  controls_.push_back(std::move(c));
  return controls_.back();
}

Control* Form::find(std::string_view name) {
  auto it = index_.find(std::string(name));
  return it == index_.end() ? nullptr : &controls_[it->second];
}

const Control* Form::find(std::string_view name) const {
  auto it = index_.find(std::string(name));
  return it == index_.end() ? nullptr : &controls_[it->second];
}

Control& Form::operator[](std::string_view name) {
  Control* c = find(name);
  if (!c) throw std::logic_error("no control named " + std::string(name));
  return *c;
}

const Control& Form::operator[](std::string_view name) const {
  const Control* c = find(name);
  if (!c) throw std::logic_error("no control named " + std::string(name));
  return *c;
}

int Form::abs_left(const Control& c) const {
  int x = c.left;
  for (const Control* p = find(c.parent); p; p = find(p->parent)) x += p->left;
  return x;
}

int Form::abs_top(const Control& c) const {
  int y = c.top;
  for (const Control* p = find(c.parent); p; p = find(p->parent)) y += p->top;
  return y;
}

namespace {

struct Rect {
  int l, t, r, b;  // right and bottom exclusive
  bool empty() const { return r <= l || b <= t; }
};

Rect intersect(Rect a, Rect b) {
  return {std::max(a.l, b.l), std::max(a.t, b.t), std::min(a.r, b.r), std::min(a.b, b.b)};
}

bool contains(Rect outer, Rect inner) {
  return inner.l >= outer.l && inner.t >= outer.t && inner.r <= outer.r && inner.b <= outer.b;
}

}  // namespace

bool Form::onscreen(const Control& c) const {
  if (c.kind == Kind::Timer) return false;
  // A control without a size (an autosized label) counts by one pixel at its corner.
  auto rect_of = [this](const Control& x) {
    int l = abs_left(x), t = abs_top(x);
    return Rect{l, t, l + std::max(1, x.width), t + std::max(1, x.height)};
  };
  Rect visible_area{0, 0, kClientWidth, kClientHeight};
  const Control* top_panel = &c;
  for (const Control* p = &c; p; p = find(p->parent)) {
    if (!p->visible || !p->enabled) return false;
    visible_area = intersect(visible_area, rect_of(*p));
    if (visible_area.empty()) return false;
    top_panel = p;
  }
  // Covered by a window-level panel that lies above the control's own panel?
  bool above = false;
  for (const Control& other : controls_) {
    if (&other == top_panel) {
      above = true;
      continue;
    }
    if (!above || !other.parent.empty() || other.kind != Kind::Panel || !other.visible) continue;
    if (contains(rect_of(other), visible_area)) return false;
  }
  return true;
}

const Control* Form::control_at(int x, int y) const {
  // Later controls lie above earlier ones (children after their panel), so
  // the first hit from the end is the one on top.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    const Control& c = *it;
    if (c.kind == Kind::Timer) continue;
    int l = abs_left(c), t = abs_top(c);
    if (x < l || y < t || x >= l + std::max(1, c.width) || y >= t + std::max(1, c.height)) continue;
    if (onscreen(c)) return &c;
  }
  return nullptr;
}

int Form::row_at(const Control& list, int y) const {
  constexpr int kListFrame = 2;  // the list's sunken border
  const int inside = y - abs_top(list) - kListFrame;
  const int last = static_cast<int>(list.rows.size()) - 1;
  return std::clamp(inside / std::max(1, list.row_height), 0, std::max(last, 0));
}

void Form::check(Control& radio) {
  for (Control& c : controls_)
    if (c.kind == Kind::Radio && c.group == radio.group) c.checked = false;
  radio.checked = true;
}

}  // namespace form
