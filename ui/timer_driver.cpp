#include "ui/timer_driver.h"

#include <algorithm>

#include "ui/qt_runtime.h"

namespace {
// The window's timers cannot tick faster than the screen is redrawn.
constexpr int kShortestPeriod = 16;
}  // namespace

TimerDriver::TimerDriver(form::Form& form, QtRuntime& runtime,
                         std::function<void(const std::string&)> tick,
                         std::function<void()> after_ticks)
    : scheduler_(form, kShortestPeriod),
      runtime_(runtime),
      tick_(std::move(tick)),
      after_ticks_(std::move(after_ticks)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
}

void TimerDriver::note_changes() {
  scheduler_.sync(runtime_.now());
}

void TimerDriver::reschedule() {
  note_changes();
  if (!firing_) arm();
}

void TimerDriver::suspend() {
  ++suspended_;
  timer_.stop();
}

void TimerDriver::resume() {
  if (suspended_ > 0) --suspended_;
  if (!firing_) arm();
}

void TimerDriver::stop() {
  stopped_ = true;
  timer_.stop();
}

void TimerDriver::arm() {
  if (stopped_ || suspended_ > 0 || runtime_.quitting()) {
    timer_.stop();
    return;
  }
  std::optional<int64_t> due = scheduler_.next_due();
  if (!due) {
    timer_.stop();
    return;
  }
  int64_t delay = std::max<int64_t>(0, *due - runtime_.now());
  timer_.start(static_cast<int>(std::min<int64_t>(delay, 24 * 3600 * 1000)));
}

void TimerDriver::fire() {
  if (stopped_ || suspended_ > 0 || runtime_.quitting()) return;
  firing_ = true;
  // Every timer due at this moment ticks once, one handler at a time, in
  // order. The moment stays fixed for the whole run, so a handler that blocks
  // longer than its own period cannot keep the run going for ever.
  int64_t now = runtime_.now();
  scheduler_.sync(now);
  for (;;) {
    std::string name = scheduler_.take_due(now);
    if (name.empty()) break;
    tick_(name);
    if (stopped_ || runtime_.quitting()) break;
    // The handler may have started, stopped or changed timers.
    scheduler_.sync(runtime_.now());
  }
  firing_ = false;
  if (stopped_ || runtime_.quitting()) return;
  after_ticks_();
  arm();
}
