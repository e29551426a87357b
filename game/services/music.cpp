// The one music track playing at a time.
#include "core/files.h"
#include "game/game.h"
#include "game/services/music_state.h"

namespace {

// The file to play for a data path, or "" (silence): music that cannot be
// played is silent, whether the file is missing, lies outside the data
// folder or is no regular file (a FIFO would block the open for good).
std::string playable(const core::DataRoot& root, const std::string& file) {
  const auto path = root.find_inside(file);
  if (!path || root.files().kind(*path) != core::Files::Kind::file) return {};
  return path->string();
}

}  // namespace

void Game::start_track(const std::string& file, bool loop) {
  soundtrack.musicstream = music.create_stream(playable(root, file));
  music.play(soundtrack.musicstream, loop);
  soundtrack.musicfile = file;
}

void Game::switch_track(const std::string& file) {
  if (soundtrack.curmusic == file) return;
  soundtrack.curmusic = file;
  stop_music();
  start_track(file, true);
}

void Game::forget_track() {
  soundtrack.curmusic.clear();
}

void Game::stop_music() {
  music.stop(soundtrack.musicstream);
  soundtrack.musicfile.clear();
}
