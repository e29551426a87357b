// The recording stand-in: remembers every call and which streams would sound.
#include <string>

#include "audio/music.h"

namespace audio {

void RecordingMusic::set_volume(int v) {
  volume = v;
  log.push_back("volume " + std::to_string(v));
}

uint32_t RecordingMusic::create_stream(const std::string& file) {
  const auto handle = static_cast<uint32_t>(streams.size() + 1);
  streams.push_back({handle, file});
  log.push_back("create " + std::to_string(handle) + " " + file);
  return handle;
}

void RecordingMusic::play(uint32_t handle, bool loop) {
  log.push_back("play " + std::to_string(handle) + (loop ? " loop" : " once"));
  if (handle == 0 || handle > streams.size()) return;
  Stream& s = streams[handle - 1];
  s.playing = true;
  s.loop = loop;
}

void RecordingMusic::stop(uint32_t handle) {
  log.push_back("stop " + std::to_string(handle));
  if (handle == 0 || handle > streams.size()) return;
  streams[handle - 1].playing = false;
}

std::string RecordingMusic::playing() const {
  // The log holds the order in which streams were started; walk it backwards.
  for (auto line = log.rbegin(); line != log.rend(); ++line) {
    if (line->rfind("play ", 0) != 0) continue;
    const auto handle = static_cast<uint32_t>(std::stoul(line->substr(5)));
    if (const Stream* s = stream(handle); s && s->playing) return s->file;
  }
  return "";
}

const RecordingMusic::Stream* RecordingMusic::stream(uint32_t handle) const {
  if (handle == 0 || handle > streams.size()) return nullptr;
  return &streams[handle - 1];
}

}  // namespace audio
