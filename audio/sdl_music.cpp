// The music channel on SDL2_mixer. SDL_mixer plays one music at a time, which
// is all the game ever asks for: starting a stream replaces the one playing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "audio/music.h"
#include "audio/sdl_library.h"

namespace audio {
namespace {

constexpr int kFrequency = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSamples = 2048;

class SdlMusic : public Music {
 public:
  ~SdlMusic() override;
  void init() override;
  void set_volume(int volume) override;
  void start() override;
  uint32_t create_stream(const std::string& file) override;
  void play(uint32_t handle, bool loop) override;
  void stop(uint32_t handle) override;

 private:
  bool open_device(const char* forced_driver);
  void apply_volume();
  void release_current();

  const SdlLibrary* sdl_ = nullptr;  // loaded by init; none: every call is silent
  bool subsystem_ = false;           // the SDL audio subsystem is ours to quit
  bool mixer_ = false;               // Mix_Init was called
  bool open_ = false;                // Mix_OpenAudio succeeded
  int volume_ = 100;
  uint32_t next_handle_ = 1;
  // Streams created and not yet played.
  std::map<uint32_t, Mix_Music*> waiting_;
  // The stream last played; it may have run to its end meanwhile.
  uint32_t current_handle_ = 0;
  Mix_Music* current_ = nullptr;
};

SdlMusic::~SdlMusic() {
  if (open_) {
    sdl_->HaltMusic();
    release_current();
    for (auto& [handle, music] : waiting_) sdl_->FreeMusic(music);
    waiting_.clear();
    sdl_->CloseAudio();
  }
  if (mixer_) sdl_->Quit();
  if (subsystem_) sdl_->QuitSubSystem(SDL_INIT_AUDIO);
}

// Brings up the audio subsystem (with the named driver, or the one SDL picks)
// and opens the mixer on it. Leaves nothing behind on failure.
bool SdlMusic::open_device(const char* forced_driver) {
  if (forced_driver)
    sdl_->SetHintWithPriority(SDL_HINT_AUDIODRIVER, forced_driver, SDL_HINT_OVERRIDE);
  const bool up = sdl_->InitSubSystem(SDL_INIT_AUDIO) == 0;
  // The override only matters while the driver is chosen; a later channel
  // should again follow the environment.
  if (forced_driver) sdl_->ResetHint(SDL_HINT_AUDIODRIVER);
  if (!up) return false;
  if (sdl_->OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kChannels, kChunkSamples) != 0) {
    sdl_->QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  subsystem_ = true;
  open_ = true;
  return true;
}

void SdlMusic::init() {
  if (subsystem_ || mixer_) return;  // initialised once
  sdl_ = sdl_library();
  if (!sdl_) return;  // no mixer on this machine: the game plays on in silence
  // Signals belong to the window toolkit.
  sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // MP3 support may be built in; whether a decoder library was loaded or not,
  // Mix_LoadMUS tells the truth later.
  sdl_->Init(MIX_INIT_MP3);
  mixer_ = true;
  // No usable device: play into SDL's silent driver so the game goes on.
  if (!open_device(nullptr)) open_device("dummy");
  if (open_) apply_volume();
}

void SdlMusic::apply_volume() {
  const int mixer_volume = volume_ * MIX_MAX_VOLUME / 100;
  sdl_->VolumeMusic(mixer_volume);
  sdl_->Volume(-1, mixer_volume);
}

void SdlMusic::set_volume(int volume) {
  volume_ = std::clamp(volume, 0, 100);
  if (open_) apply_volume();
}

void SdlMusic::start() {
  // The device runs from the moment it is opened; this only lifts any pause.
  if (!open_) return;
  sdl_->ResumeMusic();
  sdl_->Resume(-1);
}

uint32_t SdlMusic::create_stream(const std::string& file) {
  const uint32_t handle = next_handle_++;
  if (next_handle_ == 0) next_handle_ = 1;
  if (!open_ || file.empty()) return handle;  // a dead stream
  // Opened without blocking and checked on the open file: a FIFO or a
  // device never blocks the window. The stream decodes as it plays, reading
  // the file from disk.
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return handle;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return handle;
  }
  FILE* fp = ::fdopen(fd, "rb");
  if (!fp) {
    ::close(fd);
    return handle;
  }
  SDL_RWops* rw = sdl_->RWFromFP(fp, SDL_TRUE);
  if (!rw) {
    std::fclose(fp);
    return handle;
  }
  if (Mix_Music* music = sdl_->LoadMUS_RW(rw, 1)) waiting_[handle] = music;
  return handle;
}

void SdlMusic::release_current() {
  if (current_) sdl_->FreeMusic(current_);
  current_ = nullptr;
  current_handle_ = 0;
}

void SdlMusic::play(uint32_t handle, bool loop) {
  if (!open_ || handle == 0) return;
  const int loops = loop ? -1 : 1;
  if (handle == current_handle_) {
    sdl_->PlayMusic(current_, loops);  // from the start again
    return;
  }
  const auto it = waiting_.find(handle);
  if (it == waiting_.end()) return;  // dead, unknown, or already stopped
  Mix_Music* music = it->second;
  waiting_.erase(it);
  // Playing the new music halts the old one, which is then released.
  sdl_->PlayMusic(music, loops);
  release_current();
  current_handle_ = handle;
  current_ = music;
}

void SdlMusic::stop(uint32_t handle) {
  if (!open_ || handle == 0) return;
  if (handle == current_handle_) {
    sdl_->HaltMusic();
    release_current();
    return;
  }
  // A stream created and never played: nothing sounds, just let it go.
  const auto it = waiting_.find(handle);
  if (it == waiting_.end()) return;
  sdl_->FreeMusic(it->second);
  waiting_.erase(it);
}

}  // namespace

std::unique_ptr<Music> make_sdl_music() {
  return std::make_unique<SdlMusic>();
}

}  // namespace audio
