#pragma once
// The music channel: one track at a time, as the game asks for it. Six calls,
// none of whose results the game examines: a missing file is silence.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace audio {

class Music {
 public:
  virtual ~Music() = default;
  // Opens the output device (falls back to a silent driver when there is none).
  virtual void init() = 0;
  // Master volume on a 0..100 scale.
  virtual void set_volume(int volume) = 0;
  virtual void start() = 0;
  // A new stream of the file (a real file-system path; empty or missing gives
  // a dead stream). Every call returns a new handle, never 0.
  virtual uint32_t create_stream(const std::string& file) = 0;
  // Plays the stream once, or looped.
  virtual void play(uint32_t handle, bool loop) = 0;
  // Stops the stream; other streams go on. Unknown handles are ignored.
  virtual void stop(uint32_t handle) = 0;
};

// SDL2_mixer, streaming the MP3 from disk.
std::unique_ptr<Music> make_sdl_music();

// A stand-in that plays nothing and records every call, for tests and the
// scripted runner.
class RecordingMusic : public Music {
 public:
  struct Stream {
    uint32_t handle;
    std::string file;
    bool playing = false;
    bool loop = false;
  };
  void init() override { log.push_back("init"); }
  void set_volume(int volume) override;
  void start() override { log.push_back("start"); }
  uint32_t create_stream(const std::string& file) override;
  void play(uint32_t handle, bool loop) override;
  void stop(uint32_t handle) override;

  // The file of the most recently started stream still playing, or "".
  std::string playing() const;
  const Stream* stream(uint32_t handle) const;

  std::vector<std::string> log;
  std::vector<Stream> streams;
  int volume = -1;
};

}  // namespace audio
