#pragma once
// Runs the form's timers in time order. A timer counts its interval from the
// moment it was last started (or its interval changed); after firing it is due
// again one interval after the moment it fired, so a timer that fell due
// during a blocking wait fires once after it, not once per missed interval.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/form/form.h"

class Scheduler {
 public:
  // min_interval: the shortest period a timer really ticks at (1 in virtual
  // time, 16 in the window).
  explicit Scheduler(form::Form& form, int min_interval = 1);

  // Picks up timers started, stopped or changed since the last call.
  void sync(int64_t now);
  // The earliest due time of a running timer.
  std::optional<int64_t> next_due() const;
  // The timer due at or before now that is due first (ties in creation
  // order), marked as fired at now; empty when none is due.
  std::string take_due(int64_t now);

  // Virtual time: moves `now` on to `end`, firing every timer that falls due
  // on the way, in time order. A handler's blocking waits move `now` too, so
  // it may end past `end`. `stop` ends the run early (the program ended).
  void run_until(int64_t& now, int64_t end, const std::function<void(const std::string&)>& fire,
                 const std::function<bool()>& stop = {});

 private:
  struct Entry {
    form::Control* timer;
    bool running = false;
    int interval = 0;
    uint64_t generation = 0;
    int64_t due = 0;
  };
  int period(const Entry& e) const;
  form::Form& form_;
  int min_interval_;
  std::vector<Entry> entries_;
};
