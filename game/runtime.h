#pragma once
// What the engine asks of the world outside it: its clock, blocking waits, a
// clock for seeding, and ending the program. The window supplies real time;
// tests and the scripted runner supply virtual time. Both keep the engine's
// clock the same way, so the same events at the same times give the same game.
#include <cstdint>
#include <functional>

class Runtime {
 public:
  virtual ~Runtime() = default;
  // Blocks for ms milliseconds. The window is drawn from the model first; no
  // timer fires and no click is handled meanwhile (clicks made during the
  // wait are handled after it; a timer that fell due fires once after it).
  // Moves `now` on by ms.
  virtual void wait(int ms) = 0;
  // A seed "from the clock".
  virtual uint32_t clock_seed() = 0;
  // Ends the program at once.
  virtual void quit() = 0;

  // The engine's clock in milliseconds: the moment of the event or timer
  // tick being handled. A handler's blocking waits move it on; between
  // events the host's scheduler moves it to each timer's due time and to the
  // host's own time (Scheduler::run_until).
  int64_t now = 0;
  // Run at the start of every blocking wait, so the host's scheduler counts a
  // timer started just before the wait from its start (Scheduler::sync).
  std::function<void()> before_wait;
};

// Virtual time: waits only move the clock on.
class VirtualRuntime : public Runtime {
 public:
  void wait(int ms) override {
    if (before_wait) before_wait();
    now += ms;
  }
  uint32_t clock_seed() override { return seed_override ? seed : static_cast<uint32_t>(now); }
  void quit() override { quit_requested = true; }

  // The host's time: the sum of all the time let pass (Scheduler::pass). It
  // is behind `now` while a handler's blocking waits have spent more than it.
  int64_t passed = 0;
  bool seed_override = true;
  uint32_t seed = 1;
  bool quit_requested = false;
};
