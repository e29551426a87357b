#include <gtest/gtest.h>

#include "audio/music.h"

namespace {

using audio::RecordingMusic;

TEST(RecordingMusic, LogsEveryCallInOrder) {
  RecordingMusic m;
  m.init();
  m.set_volume(30);
  m.start();
  m.stop(0);  // the game stops its handle before any track ever started
  const uint32_t h = m.create_stream("Data/Music/menu.mp3");
  m.play(h, false);
  m.stop(h);
  const uint32_t g = m.create_stream("Data/Music/fight.mp3");
  m.play(g, true);

  EXPECT_EQ(h, 1u);
  EXPECT_EQ(g, 2u);
  EXPECT_EQ(m.volume, 30);
  const std::vector<std::string> expected = {"init",
                                             "volume 30",
                                             "start",
                                             "stop 0",
                                             "create 1 Data/Music/menu.mp3",
                                             "play 1 once",
                                             "stop 1",
                                             "create 2 Data/Music/fight.mp3",
                                             "play 2 loop"};
  EXPECT_EQ(m.log, expected);
  ASSERT_NE(m.stream(2), nullptr);
  EXPECT_TRUE(m.stream(2)->loop);
  EXPECT_FALSE(m.stream(1)->playing);
  EXPECT_EQ(m.stream(0), nullptr);
  EXPECT_EQ(m.stream(3), nullptr);
}

TEST(RecordingMusic, PlayingIsTheLatestStartedStreamStillOn) {
  RecordingMusic m;
  EXPECT_EQ(m.playing(), "");
  const uint32_t a = m.create_stream("a.mp3");
  const uint32_t b = m.create_stream("b.mp3");
  m.play(b, true);
  m.play(a, true);  // started after b, though created before it
  EXPECT_EQ(m.playing(), "a.mp3");
  m.stop(a);
  EXPECT_EQ(m.playing(), "b.mp3");
  m.stop(b);
  EXPECT_EQ(m.playing(), "");
  // A stopped stream stays stopped; unknown handles change nothing.
  m.play(42, true);
  m.stop(42);
  EXPECT_EQ(m.playing(), "");
  EXPECT_EQ(m.log.back(), "stop 42");
}

}  // namespace
