#pragma once
// The scripted runner: plays the engine headless in virtual time, one command
// a line.
#include <iosfwd>
#include <string>

#include "core/paths.h"
#include "game/headless_host.h"

class ScriptRunner {
 public:
  ScriptRunner(const core::DataRoot& root, std::ostream& out);
  // Runs one command line; false once the program has ended.
  bool run(const std::string& line);
  // Lets virtual time pass; timers fire in time order.
  void wait(int64_t ms);

  Game& game() { return host_.game; }

 private:
  void refused(const std::string& what);

  std::ostream& out_;
  HeadlessHost host_;
};

extern const char* const kRunnerHelp;
