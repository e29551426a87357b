#include "ui/state_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "game/game.h"
#include "game/json_view.h"
#include "game/services/music_state.h"

namespace ui {

StateFile::StateFile() {
  if (const char* path = std::getenv("VETROVAY_STATE_FILE"); path && *path) path_ = path;
}

void StateFile::update(const Game& game) {
  if (path_.empty()) return;
  std::string text = state_json(game) + "\n";
  text += std::string("{\"closed\":") + (game.form.closed ? "true" : "false") +
          ",\"muted\":" + (game.soundtrack.muted ? "true" : "false") + "}\n";
  // Each control as the runner shows it, with its place in the window first.
  for (const form::Control& c : game.form.controls()) {
    text += "{\"x\":" + std::to_string(game.form.abs_left(c)) +
            ",\"y\":" + std::to_string(game.form.abs_top(c)) + "," +
            control_json(game.form, c).substr(1) + "\n";
  }
  if (text == written_) return;
  const std::string temporary = path_ + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) return;
  }
  if (std::rename(temporary.c_str(), path_.c_str()) == 0) written_ = std::move(text);
}

}  // namespace ui
