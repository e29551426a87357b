#pragma once
// The headless model of one control of the window. The engine reads and
// writes these plain objects; the Qt layer draws them. Only the properties
// that the game's rules touch are here.
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace form {

enum class Kind { Panel, Label, Image, Memo, List, Button, Radio, Edit, Timer };

// The mouse cursor over a control: the window's default, the pointing hand of
// picture buttons, the plain arrow and the aiming cross of the fight.
enum class Cursor { standard, hand, arrow, cross };

struct Color {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// The colours the game names.
namespace colors {
inline constexpr Color black{0, 0, 0};
inline constexpr Color white{255, 255, 255};
inline constexpr Color red{255, 0, 0};
inline constexpr Color maroon{128, 0, 0};
inline constexpr Color yellow{255, 255, 0};
inline constexpr Color lime{0, 255, 0};
inline constexpr Color aqua{0, 255, 255};
inline constexpr Color navy{0, 0, 128};
inline constexpr Color blue{0, 0, 255};
inline constexpr Color olive{128, 128, 0};
inline constexpr Color silver{192, 192, 192};
inline constexpr Color grey{128, 128, 128};
inline constexpr Color medium_grey{160, 160, 164};
}  // namespace colors

struct Font {
  std::string family = "MS Sans Serif";
  int px = 11;  // pixel height
  bool bold = false;
  bool italic = false;
  Color color = colors::black;
};

struct Control {
  std::string name;
  Kind kind = Kind::Label;
  std::string parent;  // owning panel; empty for children of the window

  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;

  // Label, Button and Radio caption; Edit text; Panel caption (unused).
  std::string caption;
  Font font;
  Color background = colors::black;
  bool transparent = true;  // labels draw on their panel's background
  Cursor cursor = Cursor::standard;

  // Image: the file name last loaded and the decoded picture.
  std::string picture_file;
  QImage picture;

  // List: rows and the current row (from 0). A list always has >= 1 row.
  std::vector<std::string> rows{""};
  int row = 0;
  int row_height = 24;

  // Memo: lines; look.
  std::vector<std::string> lines;
  bool scroll_vertical = false;
  bool scroll_horizontal = false;
  bool word_wrap = false;
  bool read_only = false;
  bool border = true;

  // Radio: checking one unchecks the others of its group (Form::check).
  bool checked = false;
  std::string group;
  // Edit
  int max_length = 0;

  // Timer: interval in ms; `enabled` says whether it runs. Every call of
  // start() (or a change of interval while running) restarts the countdown.
  int interval = 1000;
  uint64_t generation = 0;

  // --- helpers used by the rules ---
  void start() {
    enabled = true;
    ++generation;
  }
  void stop() { enabled = false; }
  void set_interval(int ms) {
    interval = ms;
    ++generation;
  }
  // Lists: set the number of rows (at least 1), keeping existing texts.
  void set_row_count(int n);
  // Memos: empty the memo / append one line.
  void clear() { lines.clear(); }
  void add(const std::string& line) { lines.push_back(line); }
};

}  // namespace form
