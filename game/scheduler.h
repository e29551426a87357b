#pragma once
// Runs the form's timers in time order, at the periods they are given, in
// every host. A timer counts its interval from the moment it was last started
// (or its interval changed); after firing it is due again one interval after
// the moment it fired, so a timer that fell due during a blocking wait fires
// once after it, not once per missed interval. A host that merely comes late
// (the window's thread was busy) fires every tick it owes, each at its own
// due time.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/form/form.h"
#include "game/runtime.h"

class Scheduler {
 public:
  using Fire = std::function<void(const std::string&)>;

  explicit Scheduler(form::Form& form);
  ~Scheduler();
  Scheduler(const Scheduler&) = delete;
  Scheduler& operator=(const Scheduler&) = delete;

  // From now on every blocking wait of rt first picks up the timers started
  // before it, so they count from their start in every host.
  void follow_waits(Runtime& rt);

  // Picks up timers started, stopped or changed since the last call.
  void sync(int64_t now);
  // The earliest due time of a running timer.
  std::optional<int64_t> next_due() const;
  // The timer due at or before now that is due first (ties in creation
  // order), marked as fired at now; empty when none is due.
  std::string take_due(int64_t now);

  // Moves the engine's clock `now` on to `end`, firing every timer that
  // falls due on the way in time order, each at its due time (or at `now`
  // when a handler's blocking wait has carried the clock past it). A
  // handler's blocking waits move `now` too, so it may end past `end`; the
  // next run then goes on from there. `stop` ends the run early (the program
  // ended).
  void run_until(int64_t& now, int64_t end, const Fire& fire,
                 const std::function<bool()>& stop = {});

  // Virtual time as a host lets it pass: rt.passed moves on by ms and the
  // engine's clock follows it. Time a handler's blocking waits spent beyond
  // rt.passed counts against it, so the game after a sequence of events
  // depends only on the events and the times at which they happen, never on
  // how the time between them was cut.
  void pass(VirtualRuntime& rt, int64_t ms, const Fire& fire);

 private:
  struct Entry {
    form::Control* timer;
    bool running = false;
    int interval = 0;
    uint64_t generation = 0;
    int64_t due = 0;
  };
  form::Form& form_;
  Runtime* followed_ = nullptr;
  std::vector<Entry> entries_;
};
