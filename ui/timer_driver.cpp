#include "ui/timer_driver.h"

#include <algorithm>

#include "ui/qt_runtime.h"

TimerDriver::TimerDriver(form::Form& form, QtRuntime& runtime,
                         std::function<void(const std::string&)> tick,
                         std::function<void()> after_ticks)
    : scheduler_(form),
      runtime_(runtime),
      tick_(std::move(tick)),
      after_ticks_(std::move(after_ticks)) {
  scheduler_.follow_waits(runtime_);
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
}

bool TimerDriver::halted() const {
  return stopped_ || suspended_ > 0 || runtime_.quitting();
}

void TimerDriver::start() {
  started_ = true;
  runtime_.now = std::max(runtime_.now, runtime_.real());
  reschedule();
}

void TimerDriver::catch_up() {
  if (!started_ || firing_ || halted()) {
    runtime_.now = std::max(runtime_.now, runtime_.real());
    return;
  }
  run();
}

void TimerDriver::reschedule() {
  scheduler_.sync(runtime_.now);
  if (!firing_) arm();
}

void TimerDriver::suspend() {
  ++suspended_;
  timer_.stop();
}

void TimerDriver::resume() {
  if (suspended_ > 0) --suspended_;
  runtime_.now = std::max(runtime_.now, runtime_.real());
  if (!firing_) arm();
}

void TimerDriver::stop() {
  stopped_ = true;
  timer_.stop();
}

void TimerDriver::arm() {
  if (!started_ || halted()) {
    timer_.stop();
    return;
  }
  std::optional<int64_t> due = scheduler_.next_due();
  if (!due) {
    timer_.stop();
    return;
  }
  int64_t delay = std::max<int64_t>(0, *due - runtime_.real());
  timer_.start(static_cast<int>(std::min<int64_t>(delay, 24 * 3600 * 1000)));
}

void TimerDriver::run() {
  // Every tick due until this moment, in time order; the moment stays fixed
  // for the run, so a handler slower than its own period cannot keep the
  // run going for ever.
  firing_ = true;
  scheduler_.run_until(runtime_.now, runtime_.real(), tick_, [this] { return halted(); });
  firing_ = false;
}

void TimerDriver::fire() {
  if (halted()) return;
  run();
  if (stopped_ || runtime_.quitting()) return;
  after_ticks_();
  arm();
}
