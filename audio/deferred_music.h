#pragma once
// A music channel that opens its device later than the game asks: init only
// notes the wish, and the channel really opens when the host calls open() (the
// window does after its first paint) or when the first stream is created,
// whichever comes first. The volume and start asked for meanwhile are applied
// in order when it opens, so the game hears no difference.
#include <memory>

#include "audio/music.h"

namespace audio {

class DeferredMusic : public Music {
 public:
  explicit DeferredMusic(std::unique_ptr<Music> inner) : inner_(std::move(inner)) {}
  void init() override { wanted_ = true; }
  void set_volume(int volume) override;
  void start() override;
  uint32_t create_stream(const std::string& file) override;
  void play(uint32_t handle, bool loop) override { inner_->play(handle, loop); }
  void stop(uint32_t handle) override { inner_->stop(handle); }

  // Opens the channel now if the game has asked for it and it is not open.
  void open();

 private:
  std::unique_ptr<Music> inner_;
  bool wanted_ = false;  // init was called
  bool open_ = false;    // the inner channel's init was called
  bool volume_set_ = false;
  int volume_ = 0;
  bool started_ = false;
};

}  // namespace audio
