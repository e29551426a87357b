// The SDL music channel, heard through SDL's disk driver: it writes the mixed
// output as raw samples to a file at the pace of a real device, so what the
// channel plays at a moment can be read back from the end of the file.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "audio/music.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the life of the object.
class EnvSetting {
 public:
  EnvSetting(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~EnvSetting() {
    if (old_)
      setenv(name_.c_str(), old_->c_str(), 1);
    else
      unsetenv(name_.c_str());
  }
  EnvSetting(const EnvSetting&) = delete;
  EnvSetting& operator=(const EnvSetting&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

void sleep_ms(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

struct Sound {
  size_t frames = 0;
  int peak = 0;
  double rms = 0;
  double frequency = 0;  // of the left channel, from its zero crossings
};

Sound analyse(const std::vector<int16_t>& stereo) {
  Sound s;
  s.frames = stereo.size() / 2;
  double sum = 0;
  int crossings = 0;
  for (size_t i = 0; i < stereo.size(); ++i) {
    s.peak = std::max(s.peak, std::abs(int{stereo[i]}));
    sum += static_cast<double>(stereo[i]) * stereo[i];
    if (i >= 2 && i % 2 == 0 && (stereo[i - 2] < 0) != (stereo[i] < 0)) ++crossings;
  }
  if (!stereo.empty()) s.rms = std::sqrt(sum / stereo.size());
  if (s.frames > 0) s.frequency = crossings / 2.0 / (s.frames / 44100.0);
  return s;
}

// The disk driver's output file, and the channel playing into it.
class DiskOutput {
 public:
  explicit DiskOutput(const fs::path& file)
      : file_(file),
        driver_("SDL_AUDIODRIVER", "disk"),
        target_("SDL_DISKAUDIOFILE", file.c_str()),
        // Left alone, the driver waits one buffer's time between writes, the
        // pace of a real device that the measurements below rely on.
        delay_("SDL_DISKAUDIODELAY", nullptr) {
    fs::remove(file_);
  }
  ~DiskOutput() {
    std::error_code ignored;
    fs::remove(file_, ignored);
  }

  size_t size() const {
    std::error_code ec;
    const auto n = fs::file_size(file_, ec);
    return ec ? 0 : static_cast<size_t>(n) / 4 * 4;
  }

  // What the channel plays during `ms` milliseconds of output from byte
  // `from` of the file on; waits until the driver has written that far.
  // Timing by the file rather than the wall clock keeps a busy machine from
  // shifting the moments heard.
  Sound sound(size_t from, int ms) const {
    const size_t to = from + bytes(ms);
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (size() < to && std::chrono::steady_clock::now() < give_up) sleep_ms(10);
    std::vector<int16_t> samples((std::min(size(), to) - std::min(from, to)) / 2);
    std::ifstream in(file_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    in.read(reinterpret_cast<char*>(samples.data()),
            static_cast<std::streamsize>(samples.size() * 2));
    return analyse(samples);
  }
  // What the channel plays from now on, leaving out the first `skip` bytes
  // (sound mixed before now and still on its way to the file).
  Sound listen(int ms, size_t skip = 0) const { return sound(size() + skip, ms); }

  static constexpr size_t bytes(int ms) { return static_cast<size_t>(ms) * 44100 / 1000 * 4; }

 private:
  fs::path file_;
  EnvSetting driver_, target_, delay_;
};

// Mixer buffers and the file's own buffering put up to this much already
// mixed sound behind the end of the file at any moment.
constexpr size_t kInFlight = 32 * 1024;
constexpr int kLoud = 3000;  // rms of a tone at half scale is about 11500
constexpr int kQuiet = 8;    // silence is written as zeros

class SdlMusicTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = fs::path(VETROVAY_TEST_TMP) / ("audio-" + std::to_string(getpid()));
    fs::create_directories(dir_);
    if (std::system("command -v sox >/dev/null 2>&1 && command -v lame >/dev/null 2>&1") != 0)
      return;
    tools_ = make_tone("a440", 440) && make_tone("a880", 880);
  }
  static void TearDownTestSuite() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  // A one-second stereo sine at half scale, as MP3.
  static bool make_tone(const std::string& name, int hz) {
    const fs::path wav = dir_ / (name + ".wav");
    const std::string command = "sox -n -r 44100 -c 2 '" + wav.string() + "' synth 1.0 sine " +
                                std::to_string(hz) + " vol 0.5 && lame --quiet '" + wav.string() +
                                "' '" + tone(name) + "'";
    return std::system(command.c_str()) == 0 && fs::file_size(tone(name)) > 0;
  }
  static std::string tone(const std::string& name) { return (dir_ / (name + ".mp3")).string(); }

  void SetUp() override {
    if (!tools_) GTEST_SKIP() << "sox and lame are needed to make the test tracks";
  }

  static std::unique_ptr<audio::Music> open_channel(int volume) {
    auto music = audio::make_sdl_music();
    music->init();
    music->set_volume(volume);
    music->start();
    return music;
  }

  static void expect_disk_format() {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    ASSERT_STREQ(SDL_GetCurrentAudioDriver(), "disk");
    ASSERT_EQ(frequency, 44100);
    ASSERT_EQ(format, AUDIO_S16SYS);
    ASSERT_EQ(channels, 2);
  }

  static inline fs::path dir_;
  static inline bool tools_ = false;
};

TEST_F(SdlMusicTest, LoopedTrackPlaysOnUntilStopped) {
  DiskOutput out(dir_ / "loop.raw");
  auto music = open_channel(100);
  ASSERT_NO_FATAL_FAILURE(expect_disk_format());
  const uint32_t h = music->create_stream(tone("a440"));
  EXPECT_NE(h, 0u);
  const size_t start = out.size();
  music->play(h, true);

  const Sound first = out.sound(start + kInFlight, 300);
  EXPECT_GT(first.rms, kLoud);
  EXPECT_NEAR(first.frequency, 440, 30);

  // The track is one second long: past 1.5 s only the loop keeps it going.
  const Sound again = out.sound(start + DiskOutput::bytes(1500), 300);
  EXPECT_GT(again.rms, kLoud);
  EXPECT_NEAR(again.frequency, 440, 30);

  music->stop(h);
  const Sound after = out.listen(400, kInFlight);
  EXPECT_GT(after.frames, 4000u);
  EXPECT_LE(after.peak, kQuiet);
}

TEST_F(SdlMusicTest, TrackPlayedOnceFallsSilentAtItsEnd) {
  DiskOutput out(dir_ / "once.raw");
  auto music = open_channel(100);
  ASSERT_NO_FATAL_FAILURE(expect_disk_format());
  const uint32_t h = music->create_stream(tone("a440"));
  const size_t start = out.size();
  music->play(h, false);

  EXPECT_GT(out.sound(start + kInFlight, 300).rms, kLoud);
  const Sound after = out.sound(start + DiskOutput::bytes(1500), 300);
  EXPECT_GT(after.frames, 4000u);
  EXPECT_LE(after.peak, kQuiet);
  music->stop(h);  // a finished stream can still be stopped
}

TEST_F(SdlMusicTest, StoppingAnOlderStreamLeavesTheNewerPlaying) {
  DiskOutput out(dir_ / "two.raw");
  auto music = open_channel(100);
  ASSERT_NO_FATAL_FAILURE(expect_disk_format());
  const uint32_t older = music->create_stream(tone("a440"));
  music->play(older, true);
  sleep_ms(150);
  const uint32_t newer = music->create_stream(tone("a880"));
  EXPECT_NE(newer, older);
  music->play(newer, true);
  music->stop(older);
  music->stop(0);
  music->stop(12345);

  const Sound now = out.listen(300, kInFlight);
  EXPECT_GT(now.rms, kLoud);
  EXPECT_NEAR(now.frequency, 880, 40);

  // The older stream was replaced and released: it cannot come back.
  music->play(older, true);
  music->stop(newer);
  const Sound after = out.listen(400, kInFlight);
  EXPECT_GT(after.frames, 4000u);
  EXPECT_LE(after.peak, kQuiet);
}

TEST_F(SdlMusicTest, VolumeScalesTheOutput) {
  DiskOutput out(dir_ / "volume.raw");
  auto music = open_channel(100);
  ASSERT_NO_FATAL_FAILURE(expect_disk_format());
  const size_t start = out.size();
  music->play(music->create_stream(tone("a440")), true);
  const Sound full = out.sound(start + kInFlight, 250);
  ASSERT_GT(full.rms, kLoud);

  music->set_volume(30);  // the game's level
  const Sound low = out.listen(250, kInFlight);
  EXPECT_NEAR(low.rms / full.rms, 38.0 / 128, 0.04);

  music->set_volume(0);
  const Sound mute = out.listen(250, kInFlight);
  EXPECT_GT(mute.frames, 2000u);
  EXPECT_LE(mute.peak, kQuiet);

  music->set_volume(250);  // beyond the scale: full volume
  EXPECT_NEAR(out.listen(250, kInFlight).rms / full.rms, 1.0, 0.04);
}

TEST_F(SdlMusicTest, MissingOrBrokenFilesGiveDeadStreams) {
  EnvSetting driver("SDL_AUDIODRIVER", "dummy");
  const fs::path text = dir_ / "not-music.mp3";
  std::ofstream(text) << "just some text, no frames at all\n";

  auto music = open_channel(30);
  const uint32_t empty = music->create_stream("");
  const uint32_t missing = music->create_stream((dir_ / "nowhere.mp3").string());
  const uint32_t broken = music->create_stream(text.string());
  const uint32_t good = music->create_stream(tone("a440"));
  EXPECT_EQ(empty, 1u);
  EXPECT_EQ(missing, 2u);
  EXPECT_EQ(broken, 3u);
  EXPECT_EQ(good, 4u);

  music->play(missing, true);
  EXPECT_EQ(Mix_PlayingMusic(), 0);
  music->play(good, true);
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  // Dead streams neither start nor stop anything.
  music->play(empty, false);
  music->play(broken, true);
  music->stop(missing);
  music->stop(broken);
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  music->stop(good);
  EXPECT_EQ(Mix_PlayingMusic(), 0);
  EXPECT_EQ(music->create_stream(""), 5u);
}

TEST_F(SdlMusicTest, UnknownDriverFallsBackToSilence) {
  {
    EnvSetting driver("SDL_AUDIODRIVER", "no-such-driver");
    auto music = open_channel(30);
    EXPECT_STREQ(SDL_GetCurrentAudioDriver(), "dummy");
    const uint32_t h = music->create_stream(tone("a440"));
    EXPECT_EQ(h, 1u);
    music->play(h, true);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    music->stop(h);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
  }
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);

  // The fallback is not sticky: the next channel follows the environment.
  DiskOutput out(dir_ / "after-fallback.raw");
  auto music = open_channel(30);
  EXPECT_STREQ(SDL_GetCurrentAudioDriver(), "disk");
}

TEST_F(SdlMusicTest, WithoutADeviceEveryCallIsHarmless) {
  auto music = audio::make_sdl_music();  // never initialised
  music->set_volume(30);
  music->start();
  EXPECT_EQ(music->create_stream(tone("a440")), 1u);
  EXPECT_EQ(music->create_stream(""), 2u);
  music->play(1, true);
  music->stop(1);
  music->stop(2);
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

}  // namespace

TEST(SdlMusicSpecialFiles, AFifoOrAFolderGivesADeadStreamWithoutBlocking) {
  EnvSetting driver("SDL_AUDIODRIVER", "dummy");
  const fs::path dir = fs::path(VETROVAY_TEST_TMP) / ("audio-fifo-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path fifo = dir / "menu.mp3";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  auto music = audio::make_sdl_music();
  music->init();
  music->start();
  // Nobody writes to the FIFO: an open that waited for a writer would never end.
  for (const fs::path& p : {fifo, dir}) {
    const uint32_t stream = music->create_stream(p.string());
    music->play(stream, true);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << p;
  }
  fs::remove_all(dir);
}
