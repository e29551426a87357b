#pragma once
// Runs the form's timers on real time: one precise single-shot Qt timer armed
// for the earliest due game timer. Timers shorter than 16 ms tick every 16 ms.
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

  // Picks up timers the game started, stopped or changed, and arms the Qt
  // timer for the next one due.
  void reschedule();
  // Picks up timer changes only (before a blocking wait: a timer started
  // just before it counts from its start).
  void note_changes();
  // While suspended (a message box is open) no game timer fires.
  void suspend();
  void resume();
  // For good: the program is ending.
  void stop();

 private:
  void fire();
  void arm();

  Scheduler scheduler_;
  QtRuntime& runtime_;
  std::function<void(const std::string&)> tick_;
  std::function<void()> after_ticks_;
  QTimer timer_;
  int suspended_ = 0;
  bool firing_ = false;
  bool stopped_ = false;
};
