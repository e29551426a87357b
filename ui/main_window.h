#pragma once
// The game's one window: a real widget for every control of the form model,
// kept in step with it, forwarding clicks and typing to the engine and
// running its timers.
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "game/input.h"
#include "ui/full_screen.h"
#include "ui/state_file.h"
#include "ui/widget_sync.h"

class Game;
class QKeyEvent;
class QtRuntime;
class TimerDriver;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow(Game& game, QtRuntime& runtime);
  ~MainWindow() override;

  // Brings every widget, the caption, the place and the keyboard focus in
  // step with the model. Cheap when little changed.
  void sync();
  // Syncs and paints the whole window at once, without handling any event
  // (before a blocking wait).
  void show_now();
  // Starts running the game's timers (once the window is up).
  void start_timers();
  // The program is ending: no more timers or events reach the game.
  void shut_down();

  // Runs once, just after the window's first paint: what the program can
  // leave until the player sees the window (opening the sound device).
  std::function<void()> after_first_paint;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void create_widgets();
  // Makes the widgets of every screen on screen that has none yet, so the
  // screens parked or covered at the start cost nothing until first shown.
  void create_shown_widgets();
  void connect_input(size_t index);
  // Runs one event of the player's in the game, then brings the window and
  // the timers up to date.
  void dispatch(const std::function<void()>& event);
  void after_event();
  bool key_event(QKeyEvent* event, bool press);
  void toggle_full_screen();
  bool list_mouse(size_t index, QEvent* event);
  void tick(const std::string& timer);
  void show_error(const std::string& message);
  void sync_window();
  void sync_focus();

  Game& game_;
  QtRuntime& runtime_;
  std::vector<ui::BoundControl> bound_;  // in the form's creation order
  std::unordered_map<std::string, size_t> by_name_;
  std::unordered_map<QObject*, size_t> mouse_targets_;
  QObject* pressed_ = nullptr;  // image or label under a pressed mouse button
  Press pressed_how_ = Press::single;
  Press press_ = Press::single;  // the kind of the last mouse press
  ui::StateFile state_file_;
  std::unique_ptr<TimerDriver> timers_;
  std::unique_ptr<ui::FullScreenView> full_screen_;  // while F11 full screen is on

  std::string caption_shown_;
  int left_shown_ = 0, top_shown_ = 0;
  form::Color background_shown_;
  bool window_synced_ = false;
  std::string focus_shown_;
  bool closing_ = false;
  size_t pending_ = 0;  // controls still without a widget
  bool widgets_made_ = false;
};
