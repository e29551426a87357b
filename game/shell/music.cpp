// The one music track playing at a time.
#include "game/game.h"

void Game::start_track(const std::string& file, bool loop) {
  auto path = root.find(file);
  musicstream = music.create_stream(path ? path->string() : std::string());
  music.play(musicstream, loop);
  musicfile = file;
}

void Game::stop_music() {
  music.stop(musicstream);
  musicfile.clear();
}
