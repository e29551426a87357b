// Death: the lethal-location countdown, the death screen and the way back to
// the main menu.
#include <QImage>
#include <filesystem>

#include "core/random.h"
#include "game/progression/calendar.h"
#include "game/services/music_state.h"
#include "game/services/rmkin.h"
#include "game/world/location.h"
#include "support/game_fixture.h"

namespace colors = form::colors;
namespace fs = std::filesystem;

namespace {

class ProgressionDeath : public GameTest {
 protected:
  ProgressionDeath() {
    game->calendar.year = 2015;
    game->calendar.month = 9;
    game->calendar.week = 1;
    game->calendar.day = 1;
    game->calendar.daytick = 100;
    game->calendar.daytime = "Утро";
    game->hero.health = game->hero.maxhealth = 100;
    ctl("Timer5").stop();  // the menu's opening animation is long over
    write_death_pictures();
  }

  void write_death_pictures() {
    fs::create_directories(dir / "Data" / "Death");
    for (const char* name : {"death1.bmp", "death2.bmp"}) {
      QImage picture(350, 217, QImage::Format_RGB32);
      picture.fill(Qt::darkRed);
      picture.save(QString::fromStdString((dir / "Data" / "Death" / name).string()), "BMP");
    }
  }

  // The play screen as the end of the intro leaves it, with the clock running.
  void play() {
    game->park(form::Screen::menu);
    ctl("Timer2").start();
    scheduler->sync(rt.now);
  }

  // A lethal location entered now.
  void enter_lethal_location(int deadtime) {
    game->deadcount = deadtime;
    ctl("Timer4").start();
    scheduler->sync(rt.now);
  }

  // A need overflowing on the next tick with one health point left.
  void about_to_starve() {
    game->loc.hungrate = 1;
    game->hero.hunger = 100;
    game->hero.health = 1;
  }

  bool dead_screen() const { return game->form["death"].left == 192; }

  // The first draw after seeding with seed, as the death picture choice sees it.
  static int first_draw(uint32_t seed) {
    core::RandomSource r(seed);
    return r.Random(100);
  }
};

TEST_F(ProgressionDeath, DeathScreenShowsAndStopsTheGame) {
  play();
  ctl("Timer1").start();  // a fight was running
  ctl("Label5").caption.clear();
  const int64_t before = rt.now;
  game->handle([this] { game->stdeath(); });
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(rt.now - before, 300);  // the red flash blocks for 300 ms
  EXPECT_EQ(game->form.background, colors::maroon);
  // Every screen but the death screen is parked; the place picture stays.
  for (const form::ScreenPlace& p : form::screens())
    EXPECT_EQ(game->shown(p.screen), p.screen == form::Screen::death) << p.panel;
  EXPECT_TRUE(game->form.onscreen(ctl("Image1")));
  EXPECT_EQ(ctl("death").left, 192);
  EXPECT_TRUE(game->form.onscreen(ctl("Label25")));
  for (const char* stopped : {"Timer1", "Timer2", "Timer3", "Timer4"})
    EXPECT_FALSE(ctl(stopped).enabled) << stopped;
  EXPECT_FALSE(ctl("PInventory").enabled);
  EXPECT_FALSE(ctl("PItems").enabled);
  EXPECT_TRUE(ctl("Timer7").enabled);
  EXPECT_EQ(ctl("Timer7").interval, 10000);
  EXPECT_FALSE(ctl("Image4").picture.isNull());
}

TEST_F(ProgressionDeath, DeathPictureChoice) {
  // Find a seed for each picture rather than trust one fixed draw.
  uint32_t high = 0, low = 0;
  for (uint32_t s = 1; s < 1000 && (!high || !low); ++s) {
    if (first_draw(s) > 50 && !high) high = s;
    if (first_draw(s) <= 50 && !low) low = s;
  }
  ASSERT_TRUE(high && low);

  rt.seed = high;
  game->handle([this] { game->stdeath(); });
  EXPECT_EQ(ctl("Image4").left, 15);
  EXPECT_EQ(ctl("Image4").picture_file, "Data\\Death\\death1.bmp");

  rt.seed = low;
  game->handle([this] { game->stdeath(); });
  EXPECT_EQ(ctl("Image4").left, 63);
  EXPECT_EQ(ctl("Image4").picture_file, "Data\\Death\\death2.bmp");
  EXPECT_EQ(ctl("Image4").picture.width(), 350);

  // The generator is re-seeded at death: the draws after it follow the seed.
  EXPECT_EQ(game->rng.Random(1000), [&] {
    core::RandomSource r(low);
    r.Random(100);
    return r.Random(1000);
  }());
  EXPECT_TRUE(errors.empty());
}

TEST_F(ProgressionDeath, ReturnToTheMenuAfterTenSeconds) {
  play();
  game->start_track("Data\\Music\\place.mp3", true);
  const uint32_t place_music = game->soundtrack.musicstream;
  about_to_starve();
  advance(1000);
  ASSERT_TRUE(dead_screen());
  const int64_t died = rt.now;

  advance(9999);
  EXPECT_TRUE(dead_screen());
  EXPECT_EQ(ctl("menu").left, 2000);
  advance(died + 10000 - rt.now);
  EXPECT_FALSE(dead_screen());
  EXPECT_EQ(ctl("menu").left, 0);
  EXPECT_EQ(game->form.background, colors::black);
  for (form::Screen s : {form::Screen::status, form::Screen::date, form::Screen::area})
    EXPECT_TRUE(game->shown(s));
  EXPECT_EQ(ctl("Location").left, 192);
  EXPECT_EQ(ctl("fight").left, 1920);
  EXPECT_EQ(ctl("death").left, 1920);
  EXPECT_TRUE(ctl("PInventory").enabled);
  EXPECT_TRUE(ctl("PItems").enabled);
  EXPECT_FALSE(ctl("Timer7").enabled);

  // The place music is stopped and the menu music started once.
  EXPECT_FALSE(music.stream(place_music)->playing);
  EXPECT_EQ(game->soundtrack.musicfile, "Data\\Music\\menu.mp3");
  ASSERT_NE(game->soundtrack.musicstream, place_music);
  EXPECT_FALSE(music.stream(game->soundtrack.musicstream)->loop);
  EXPECT_EQ(music.log.back(), "play " + std::to_string(game->soundtrack.musicstream) + " once");

  // Nothing more happens on the menu.
  advance(30000);
  EXPECT_EQ(ctl("menu").left, 0);
  EXPECT_FALSE(dead_screen());
  EXPECT_EQ(game->hero.health, 0);
}

TEST_F(ProgressionDeath, LethalLocationKillsAfterItsSeconds) {
  play();
  enter_lethal_location(3);
  advance(2000);
  EXPECT_EQ(game->deadcount, 1);
  EXPECT_FALSE(dead_screen());
  advance(1000);
  EXPECT_EQ(game->deadcount, 0);
  EXPECT_TRUE(dead_screen());
  EXPECT_FALSE(ctl("Timer4").enabled);
  EXPECT_FALSE(ctl("Timer2").enabled);
  // Health is left as it was: the location kills, not the needs.
  EXPECT_EQ(game->hero.health, 100);
}

TEST_F(ProgressionDeath, LethalLocationWithNoTimeKillsAtTheFirstTick) {
  for (int deadtime : {0, -5}) {
    SCOPED_TRACE(deadtime);
    game->park(form::Screen::death);
    play();
    enter_lethal_location(deadtime);
    advance(999);
    EXPECT_FALSE(dead_screen());
    advance(1);
    EXPECT_TRUE(dead_screen());
    EXPECT_EQ(game->deadcount, deadtime - 1);
    EXPECT_FALSE(ctl("Timer4").enabled);
  }
}

TEST_F(ProgressionDeath, DyingInALethalLocationDiesOnlyOnce) {
  // By the needs: the location's countdown must not kill a second time.
  play();
  enter_lethal_location(15);
  about_to_starve();
  advance(1000);
  ASSERT_TRUE(dead_screen());
  EXPECT_FALSE(ctl("Timer4").enabled);
  const int deadcount = game->deadcount;
  advance(10000);  // back on the menu
  ASSERT_EQ(ctl("menu").left, 0);
  advance(20000);
  EXPECT_EQ(game->deadcount, deadcount);
  EXPECT_EQ(ctl("menu").left, 0);
  EXPECT_FALSE(dead_screen());
  EXPECT_EQ(game->form.background, colors::black);
  EXPECT_TRUE(game->shown(form::Screen::status));

  // In a fight (an enemy hit calls the death directly).
  game->park(form::Screen::death);
  play();
  enter_lethal_location(5);
  ctl("Timer1").start();
  game->hero.health = 0;
  game->handle([this] { game->stdeath(); });
  EXPECT_FALSE(ctl("Timer4").enabled);
  EXPECT_FALSE(ctl("Timer1").enabled);
  const int64_t died = rt.now;
  advance(6000);
  EXPECT_EQ(game->deadcount, 5);
  advance(died + 10000 - rt.now);
  EXPECT_EQ(ctl("menu").left, 0);
  EXPECT_FALSE(ctl("Timer7").enabled);
}

TEST_F(ProgressionDeath, MissingDeathPictureIsReportedAndDeathCompletes) {
  fs::remove_all(dir / "Data" / "Death");
  // The fight loop runs until the death; its sprites are there.
  for (int i = 1; i <= 8; ++i)
    write_picture("data\\sprites\\fight\\roamkin\\" + std::to_string(i) + ".bmp", 8, 8);
  play();
  enter_lethal_location(30);
  ctl("Timer1").start();
  about_to_starve();
  advance(1000);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("death"), std::string::npos) << errors[0];
  EXPECT_EQ(game->hero.health, 0);
  EXPECT_EQ(ctl("Label3").caption, "Здоровье:  0/100");
  EXPECT_TRUE(dead_screen());
  for (const char* stopped : {"Timer1", "Timer2", "Timer4"})
    EXPECT_FALSE(ctl(stopped).enabled) << stopped;
  EXPECT_FALSE(ctl("PInventory").enabled);
  EXPECT_FALSE(ctl("PItems").enabled);
  EXPECT_TRUE(ctl("Timer7").enabled);
  EXPECT_TRUE(ctl("Image4").picture.isNull());

  advance(10000);
  EXPECT_EQ(ctl("menu").left, 0);
  EXPECT_EQ(game->soundtrack.musicfile, "Data\\Music\\menu.mp3");
  EXPECT_EQ(errors.size(), 1u);
}

TEST_F(ProgressionDeath, FailedPictureDoesNotShowAnEarlierDeathsPicture) {
  game->handle([this] { game->stdeath(); });
  ASSERT_FALSE(ctl("Image4").picture.isNull());
  advance(10000);
  fs::remove_all(dir / "Data" / "Death");
  game->handle([this] { game->stdeath(); });
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_TRUE(ctl("Image4").picture.isNull());
  EXPECT_TRUE(ctl("Image4").picture_file.empty());
}

TEST_F(ProgressionDeath, NewGameAfterDeath) {
  fs::remove_all(dir / "Data");
  use_demo_data();
  game->handle([this] { game->FormCreate(); });
  ctl("Timer5").start();
  scheduler->sync(rt.now);
  advance(5000);  // the menu's opening animation
  game->type("Edit2", "Игрок");
  click("BitBtn1");
  click("BitBtn5");  // skip the intro
  ASSERT_TRUE(ctl("Timer2").enabled);
  ASSERT_TRUE(errors.empty()) << errors[0];
  about_to_starve();
  advance(1000);
  ASSERT_TRUE(dead_screen());
  advance(10000);
  ASSERT_EQ(ctl("menu").left, 0);
  ASSERT_TRUE(game->form.onscreen(ctl("BitBtn1")));

  click("BitBtn1");
  EXPECT_EQ(ctl("intro").left, 0);
  EXPECT_TRUE(ctl("Timer6").enabled);
  EXPECT_EQ(game->hero.health, game->hero.maxhealth);
  click("BitBtn5");
  EXPECT_TRUE(ctl("Timer2").enabled);
  EXPECT_EQ(game->calendar.daytick, 1);
  game->loc.hungrate = 0;
  advance(3000);
  EXPECT_EQ(game->calendar.daytick, 4);
  EXPECT_FALSE(dead_screen());
  EXPECT_TRUE(game->form.onscreen(ctl("PInventory")));
  EXPECT_TRUE(errors.empty());
}

}  // namespace
