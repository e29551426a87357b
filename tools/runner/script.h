#pragma once
// The scripted runner: plays the engine headless in virtual time, one command
// a line.
#include <iosfwd>
#include <string>

#include "audio/music.h"
#include "core/paths.h"
#include "game/game.h"
#include "game/runtime.h"
#include "game/scheduler.h"

class ScriptRunner {
 public:
  ScriptRunner(const core::DataRoot& root, std::ostream& out);
  // Runs one command line; false once the program has ended.
  bool run(const std::string& line);
  // Lets virtual time pass; timers fire in time order.
  void wait(int64_t ms);

  Game& game() { return game_; }

 private:
  void after_event();
  void refused(const std::string& what);

  std::ostream& out_;
  VirtualRuntime rt_;
  audio::RecordingMusic music_;
  Game game_;
  Scheduler scheduler_;
};

extern const char* const kRunnerHelp;
