#pragma once
// A testing aid: when VETROVAY_STATE_FILE names a file, the window writes the
// engine's records (the runner's `state`) and every control (the runner's
// `dump`) there whenever they change, so a test driving the real window can
// compare it with the runner.
#include <string>

class Game;

namespace ui {

class StateFile {
 public:
  StateFile();
  // Writes the file when the state differs from what it holds (by a
  // temporary file and a rename, so a reader never sees half of it).
  void update(const Game& game);

 private:
  std::string path_;
  std::string written_;
};

}  // namespace ui
