#pragma once
// Real time for the engine: blocking waits that first draw the window, the
// system clock for seeding, and ending the program.
#include <QElapsedTimer>
#include <cstdint>

#include "game/runtime.h"

class MainWindow;

class QtRuntime : public Runtime {
 public:
  QtRuntime();

  // The window drawn before every wait (may be nullptr).
  void attach(MainWindow* window) { window_ = window; }

  // Real milliseconds since the program started (the engine's clock `now`
  // follows it, TimerDriver).
  int64_t real() const { return clock_.elapsed(); }

  // Draws the window from the model, then blocks the thread without
  // handling any event: clicks made meanwhile are handled afterwards, and no
  // timer fires. Moves `now` on by ms.
  void wait(int ms) override;
  // The system clock, unless VETROVAY_SEED holds a number.
  uint32_t clock_seed() override;
  // Closes the window and leaves the event loop once the running handler
  // returns; no event reaches the game after this.
  void quit() override;
  bool quitting() const { return quitting_; }

 private:
  QElapsedTimer clock_;
  MainWindow* window_ = nullptr;
  bool quitting_ = false;
};
