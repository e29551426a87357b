#pragma once
// The screens of the window: each is a panel that is shown by moving it to
// its place in the client area and hidden ("parked") by moving its left edge
// far outside. This table is the one place that knows those coordinates and
// the one way a panel is hidden; rules say "show the fight screen", "park the
// location", "is the fight on screen". Death and a new game go through the
// whole table, so a screen added to it cannot be forgotten by either.
#include <span>
#include <string_view>

namespace form {

class Form;

enum class Screen {
  status,      // Panel1: character, inventory, message line
  date,        // Panel2: date and time of day
  location,    // Location: description, arrows, quest and fight buttons
  area,        // Panel5: area picture, ground items, conversation partners
  viewer,      // PShow: the item viewer
  trade_view,  // PShow at its second place: the trade's detail view, over the trade panels
  death,       // death picture and caption
  fight,       // the combat screen
  trader,      // Trader: portrait and stock
  trading,     // Trading: buy and sell controls
  levelup,     // the level-up screen
  talk,        // tlkpic: the conversation partner's picture
  menu,        // the main menu (whole window)
  intro,       // intro slides (whole window)
  outro,       // closing picture and text (whole window)
};

struct ScreenPlace {
  Screen screen;
  std::string_view panel;
  int shown_left;
  int shown_top;  // -1: the top is not moved when shown
  int parked_left;
  std::string_view timer;  // the timer that runs the screen ("": none)
};

// Every screen, in the window's stacking order.
std::span<const ScreenPlace> screens();
// The place of a screen in the table.
const ScreenPlace& place_of(Screen s);

// Brings the screen's panel to its place in the client area.
void show(Form& f, Screen s);
// Moves the screen's panel out of the client area.
void park(Form& f, Screen s);
// Whether the screen's panel stands at its shown place (the viewer and the
// trade's detail view share one panel: either is shown when it is).
bool is_shown(const Form& f, Screen s);
// Parks every screen but `keep`.
void park_all_but(Form& f, Screen keep);
// Puts every control back as `start` has it (a started window), except the
// screen `keep`: its panel, everything on it and its timer. A timer put back
// restarts its countdown when it is started again.
void restore_all_but(Form& f, const Form& start, Screen keep);

}  // namespace form
