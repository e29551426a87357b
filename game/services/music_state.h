#pragma once
// The one music track: the location music playing, the channel's stream and
// the player's mute key.
#include <cstdint>
#include <string>

struct MusicState {
  std::string curmusic;      // the location music started last, "" to restart it
  uint32_t musicstream = 0;  // the channel's handle of the stream last created
  std::string musicfile;     // data path of the track last started, "" once stopped
  bool muted = false;        // the player's mute key
};

template <class F>
void fields(const MusicState& m, F&& f) {
  f("curmusic", m.curmusic);
  f("musicstream", m.musicstream);
  f("music", m.musicfile);
  f("muted", m.muted);
}
