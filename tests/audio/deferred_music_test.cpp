// The deferred channel: the game's calls reach the real channel in their
// order, only later.
#include "audio/deferred_music.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

struct Channel {
  audio::DeferredMusic music;
  audio::RecordingMusic* inner;
  Channel() : Channel(new audio::RecordingMusic) {}

 private:
  explicit Channel(audio::RecordingMusic* r) : music(std::unique_ptr<audio::Music>(r)), inner(r) {}
};

TEST(DeferredMusic, OpensOnTheHostsWordOrTheFirstStreamWithWhatWasAskedMeanwhile) {
  {  // the host opens it: what the game asked so far follows in order
    Channel s;
    s.music.init();
    s.music.set_volume(30);
    s.music.start();
    s.music.set_volume(0);
    EXPECT_EQ(s.inner->log, Log{});
    s.music.open();
    s.music.open();  // once
    EXPECT_EQ(s.inner->log, (Log{"init", "volume 0", "start"}));
    s.music.set_volume(30);
    EXPECT_EQ(s.inner->volume, 30);
  }
  {  // a stream before the host's word opens it first
    Channel s;
    s.music.init();
    s.music.set_volume(30);
    const uint32_t h = s.music.create_stream("menu.mp3");
    s.music.play(h, true);
    EXPECT_EQ(s.inner->log.front(), "init");
    EXPECT_EQ(s.inner->volume, 30);
    EXPECT_EQ(s.inner->playing(), "menu.mp3");
  }
  {  // never asked for: the host's word opens nothing
    Channel s;
    s.music.open();
    EXPECT_EQ(s.inner->log, Log{});
  }
}

}  // namespace
