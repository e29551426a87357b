#include "audio/deferred_music.h"

namespace audio {

void DeferredMusic::open() {
  if (!wanted_ || open_) return;
  open_ = true;
  inner_->init();
  if (volume_set_) inner_->set_volume(volume_);
  if (started_) inner_->start();
}

void DeferredMusic::set_volume(int volume) {
  volume_set_ = true;
  volume_ = volume;
  if (open_) inner_->set_volume(volume);
}

void DeferredMusic::start() {
  started_ = true;
  if (open_) inner_->start();
}

uint32_t DeferredMusic::create_stream(const std::string& file) {
  open();
  return inner_->create_stream(file);
}

}  // namespace audio
