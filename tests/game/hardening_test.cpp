// Rules that hold whatever the content: a new game starts clean, no sum
// overflows, nothing blocks or takes minutes. (Damaged files, one by one, are
// in bad_input_test.cpp.)
#include <sys/stat.h>

#include <chrono>
#include <limits>

#include "game/items/inventory_state.h"
#include "game/services/rmkin.h"
#include "hostile_world.h"

namespace {

using hostile::HostileWorld;
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

double seconds_of(const std::function<void()>& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class Hardening : public HostileWorld {
 protected:
  void SetUp() override { build(); }

  void new_game() {
    ctl("Edit2").caption = "Тест";
    run([&] { game->BitBtn1Click(); });
  }
  std::string joined_errors() const {
    std::string all;
    for (const std::string& e : errors) all += e + "\n";
    return all;
  }
};

TEST_F(Hardening, ANewGameAlwaysStartsInTheDefaultsWhateverWasWorn) {
  struct Case {
    const char* gun;
    const char* armor;
    int strength;
  };
  // Heavy old gear over the capacity, and light old gear with no capacity left.
  for (const Case& c : {Case{"Винтовка", "Бронежилет", 5}, Case{"Нож", "Бронежилет", 0}}) {
    write_start_file(100, c.strength);
    game->hero.gunname = c.gun;
    game->hero.gunstate = 40;
    game->hero.armname = c.armor;
    game->hero.armstate = 30;
    new_game();
    EXPECT_TRUE(errors.empty()) << joined_errors();
    EXPECT_EQ(game->hero.gunname, "Руки");
    EXPECT_EQ(game->hero.gunstate, 100);
    EXPECT_EQ(game->hero.armname, "Рубашка и джинсы");
    EXPECT_EQ(game->hero.armstate, 100);
    EXPECT_EQ(game->inventory.invnext, 1) << c.gun;  // the start file lists nothing
    EXPECT_NE(ctl("Label5").caption, "Перегружен !");
  }
}

TEST_F(Hardening, SumsOfContentNumbersStopAtTheirLimits) {
  // A start file bad on its last line changes nothing of the character.
  write_start_file(70, 9);
  auto start = read_lines("Data\\Config\\roamkin.cfg");
  start[25] = "много";
  write_file("Data\\Config\\roamkin.cfg", start);
  run([&] { game->loadhero(); });
  EXPECT_EQ(game->hero.maxhealth, 100);
  EXPECT_EQ(game->hero.strength, 5);

  // A strength at the limit: the capacity stops there and the start
  // inventory fits.
  write_start_file(kMin, kMax);
  write_file("Data\\Config\\inventory.cfg", {"Кристалл", "Винтовка"});
  run([&] {
    game->loadhero();
    game->setinv();
  });
  EXPECT_EQ(game->hero.capacity, kMax);
  EXPECT_EQ(game->inventory.invnext, 3);

  // The countdown of a deadly location at the lower limit ends in death.
  LocFile deadly = loc_one();
  deadly.deadly = "yes";
  deadly.deadtime = std::to_string(kMin);
  write_loc("1", deadly);
  enter("1");
  run([&] { game->Timer4Timer(); });
  EXPECT_TRUE(ctl("Timer7").enabled);
  ctl("Timer7").stop();

  // A health at the lower limit losing a point is a death, not a wrap to the
  // top; a need falling by -1e308 a second stays finite and shows as a number.
  LocFile pit = loc_one();
  pit.hungrate = "-1e308";
  pit.thirstrate = "1e308";
  write_loc("1", pit);
  enter("1");
  game->hero.thirst = 100;
  run([&] { game->Timer2Timer(); });
  EXPECT_EQ(game->hero.health, 0);
  EXPECT_TRUE(ctl("Timer7").enabled);
  EXPECT_EQ(game->hero.hunger, kMin);
  EXPECT_EQ(ctl("Label15").caption, "Голод:  -2147483648 %");

  // Ammunition joining a slot near the limit.
  auto catalogue = read_lines("Data\\Objects\\items.dat");
  catalogue[4 * 16 + 5] = std::to_string(kMax);
  write_file("Data\\Objects\\items.dat", catalogue);
  run([&] {
    game->addtoinv("Патроны", 100);
    game->addtoinv("Патроны", 100);
  });
  EXPECT_EQ(game->inventory.invslots[3].count, kMax);
}

TEST_F(Hardening, LargeWorldsFinishInSecondsAndNothingBlocks) {
  // 2,000 pickup files reset by a new game: the folder is listed a few
  // times, not once per file (the time is a guard against a hang only: the
  // disk of a busy machine decides it).
  for (int i = 0; i < 2000; ++i)
    write_raw(kPickup + ("p" + std::to_string(i)) + ".pkp",
              "always\r\nA\r\nunaviable\r\nonce\r\nB\r\naviable\r\n");
  const int listings = root.listings_made();
  const double reset = seconds_of([&] { run([&] { game->newgame(); }); });
  EXPECT_LT(root.listings_made() - listings, 20);
  EXPECT_TRUE(errors.empty()) << joined_errors();
  EXPECT_EQ(pickup_lines("p1999"), (std::vector<std::string>{"always", "A", "aviable"}));
  EXPECT_LT(reset, 60.0);
  RecordProperty("reset_ms", static_cast<int>(reset * 1000));

  // A start inventory of 100,000 lines.
  std::vector<std::string> names(100000, "Кристалл");
  write_file("Data\\Config\\inventory.cfg", names);
  const double fill = seconds_of([&] { run([&] { game->setinv(); }); });
  EXPECT_EQ(game->inventory.invnext, 101);
  EXPECT_LT(fill, 20.0);
  RecordProperty("fill_ms", static_cast<int>(fill * 1000));

  // A FIFO as the menu music, a location's music and a pickup file.
  const std::filesystem::path music = dir / "Data" / "Music";
  std::filesystem::create_directories(music);
  ASSERT_EQ(::mkfifo((music / "menu.mp3").c_str(), 0644), 0);
  ASSERT_EQ(::mkfifo((music / "wind.mp3").c_str(), 0644), 0);
  run([&] { game->start_track("Data\\Music\\menu.mp3", false); });
  EXPECT_EQ(this->music.playing(), "");
  std::filesystem::remove(*root.find("data\\levels\\Pickup\\2.pkp"));
  ASSERT_EQ(::mkfifo((pickup_folder() / "2.pkp").c_str(), 0644), 0);
  enter("2");
  EXPECT_EQ(errors.back(), "File not found (data\\levels\\Pickup\\2.pkp)");
}

}  // namespace
