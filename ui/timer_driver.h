#pragma once
// Runs the form's timers on real time, at the periods the game gives them
// (1 ms included): one precise single-shot Qt timer armed for the earliest
// due game timer. The engine's clock (Runtime::now) follows the real clock as
// the scripted runner's follows its waits: when the thread comes late, every
// tick owed fires, each at its own due time; after a blocking wait a timer
// that fell due meanwhile fires once.
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "game/scheduler.h"

class QtRuntime;

class TimerDriver : public QObject {
 public:
  // tick runs one game timer's handler; after_ticks brings the window up to
  // date after a run of ticks.
  TimerDriver(form::Form& form, QtRuntime& runtime, std::function<void(const std::string&)> tick,
              std::function<void()> after_ticks);

  // Starts running the timers: the time the program took to start counts
  // as a blocking wait.
  void start();
  // Before a player's event: the ticks due until this moment fire first, and
  // the event happens at the real time.
  void catch_up();
  // Picks up timers the game started, stopped or changed, and arms the Qt
  // timer for the next one due.
  void reschedule();
  // While suspended (a message box is open) no game timer fires; the time
  // the box was open counts as a blocking wait.
  void suspend();
  void resume();
  // For good: the program is ending.
  void stop();

 private:
  bool halted() const;
  void run();
  void fire();
  void arm();

  Scheduler scheduler_;
  QtRuntime& runtime_;
  std::function<void(const std::string&)> tick_;
  std::function<void()> after_ticks_;
  QTimer timer_;
  int suspended_ = 0;
  bool firing_ = false;
  bool started_ = false;
  bool stopped_ = false;
};
