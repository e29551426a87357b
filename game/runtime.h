#pragma once
// What the engine asks of the world outside it: blocking waits, a clock for
// seeding, and ending the program. The window supplies real time; tests and
// the scripted runner supply virtual time.
#include <cstdint>

class Runtime {
 public:
  virtual ~Runtime() = default;
  // Blocks for ms milliseconds. The window is drawn from the model first; no
  // timer fires and no click is handled meanwhile (clicks made during the
  // wait are handled after it; a timer that fell due fires once after it).
  virtual void wait(int ms) = 0;
  // A seed "from the clock".
  virtual uint32_t clock_seed() = 0;
  // Ends the program at once.
  virtual void quit() = 0;
};

// Virtual time: waits only move the clock on.
class VirtualRuntime : public Runtime {
 public:
  void wait(int ms) override { now += ms; }
  uint32_t clock_seed() override { return seed_override ? seed : static_cast<uint32_t>(now); }
  void quit() override { quit_requested = true; }

  int64_t now = 0;
  bool seed_override = true;
  uint32_t seed = 1;
  bool quit_requested = false;
};
