#pragma once
// The screens of the window: each is a panel that is shown by moving it to
// its place in the client area and hidden ("parked") by moving its left edge
// far outside. This table is the one place that knows those coordinates;
// rules say "show the fight screen", "park the location", "is the fight on
// screen".
#include <string_view>

namespace form {

class Form;

enum class Screen {
  location,  // Location: description, arrows, quest and fight buttons
  viewer,    // PShow: the item viewer
  death,     // death picture and caption
  fight,     // the combat screen
  trader,    // Trader: portrait and stock
  trading,   // Trading: buy and sell controls
  levelup,   // the level-up screen
  talk,      // tlkpic: the conversation partner's picture
  menu,      // the main menu (whole window)
  intro,     // intro slides (whole window)
  outro,     // closing picture and text (whole window)
};

struct ScreenPlace {
  Screen screen;
  std::string_view panel;
  int shown_left;
  int shown_top;  // -1: the top is not moved when shown
  int parked_left;
};

// The place of a screen in the table.
const ScreenPlace& place_of(Screen s);

// Brings the screen's panel to its place in the client area.
void show(Form& f, Screen s);
// Moves the screen's panel out of the client area.
void park(Form& f, Screen s);
// Whether the screen's panel stands at its shown place.
bool is_shown(const Form& f, Screen s);

}  // namespace form
