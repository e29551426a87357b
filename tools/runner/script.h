#pragma once
// The scripted runner: plays the engine headless in virtual time, one command
// a line.
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "core/files.h"
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

  // The program's --help: its use and every command of the table.
  static std::string help();

 private:
  // One command line: the whole line (comment dropped) and its words after
  // the command's name.
  struct Call {
    const std::string& line;
    const std::vector<std::string>& args;
    const char* usage;
  };
  // The commands in one table: name, usage (also the text of a malformed
  // command's error), help text, handler.
  struct Command {
    const char* name;
    const char* usage;
    const char* help;
    void (*run)(ScriptRunner&, const Call&);
  };
  static const std::vector<Command>& commands();

  void refused(const std::string& what);
  void malformed(const std::string& usage);
  // Prints the parts a list of paths names of a JSON view (all of it
  // without paths); `first` is printed ahead of them when given. A path that
  // names nothing prints "unknown: " + prefix + path.
  void print_parts(const std::string& view, const std::vector<std::string>& paths,
                   const std::string& first = {}, const std::string& prefix = {});

  std::ostream& out_;
  HeadlessHost host_;
  // The failures that `fault N` lays over the data folder, once it is used.
  std::shared_ptr<core::FaultyFiles> faults_;
};
