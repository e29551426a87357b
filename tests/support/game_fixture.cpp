#include "support/game_fixture.h"

#include <QImage>
#include <fstream>
#include <sstream>

#include "core/cp1251.h"
#include "game/world/location.h"
#include "support/data_writers.h"

#ifndef VETROVAY_TEST_TMP
#define VETROVAY_TEST_TMP "/tmp/vetrovay-tests"
#endif
#ifndef VETROVAY_DEMO_DATA
#define VETROVAY_DEMO_DATA "demo"
#endif

namespace fs = std::filesystem;

namespace {

fs::path scratch_folder() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  fs::path p = fs::path(VETROVAY_TEST_TMP) / "game" /
               (std::string(info->test_suite_name()) + "." + info->name());
  fs::remove_all(p);
  fs::create_directories(p);
  return p;
}

fs::path real_path(const fs::path& dir, const std::string& game_path) {
  fs::path p = dir;
  std::string part;
  for (char ch : game_path) {
    if (ch == '\\' || ch == '/') {
      p /= part;
      part.clear();
    } else {
      part += ch;
    }
  }
  return p / part;
}

}  // namespace

GameTest::GameTest()
    : dir(scratch_folder()),
      root(dir),
      host(std::make_unique<HeadlessHost>(root,
                                          [this](const std::string& message) {
                                            // A programming error fails the test
                                            // that meets it, whatever it checks.
                                            if (message.rfind(Game::kInternalError, 0) == 0)
                                              ADD_FAILURE() << message;
                                            errors.push_back(message);
                                          })),
      rt(host->rt),
      music(host->music),
      game(&host->game),
      scheduler(&host->scheduler) {
  rt.seed = 12345;
}

GameTest::~GameTest() = default;

void GameTest::write_file(const std::string& game_path, const std::vector<std::string>& lines,
                          bool final_newline) {
  // Tests name existing folders in any letter case; reuse them.
  fs::path p = root.find(game_path).value_or(real_path(dir, game_path));
  fs::create_directories(p.parent_path());
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  for (size_t i = 0; i < lines.size(); ++i) {
    out << core::utf8_to_cp1251(lines[i]);
    if (i + 1 < lines.size() || final_newline) out << "\r\n";
  }
}

std::string GameTest::read_bytes(const std::string& game_path) const {
  auto p = root.find(game_path);
  if (!p) return {};
  std::ifstream in(*p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> GameTest::read_lines(const std::string& game_path) const {
  std::vector<std::string> lines;
  std::istringstream in(read_bytes(game_path));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(core::cp1251_to_utf8(line));
  }
  return lines;
}

bool GameTest::exists(const std::string& game_path) const {
  return root.find(game_path).has_value();
}

void GameTest::use_demo_data() {
  fs::copy(fs::path(VETROVAY_DEMO_DATA) / "Data", dir / "Data",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void GameTest::write_start_file(int maxhealth, int strength, double hunger, double thirst,
                                double fatigue, double radiation, int money) {
  auto num = [](double v) {
    std::ostringstream s;
    s << v;
    return s.str();
  };
  write_file("Data\\Config\\roamkin.cfg", {"Стартовые параметры",
                                           "Здоровье",
                                           "",
                                           std::to_string(maxhealth),
                                           "Сила",
                                           std::to_string(strength),
                                           "Ловкость",
                                           "10",
                                           "Интеллект",
                                           "10",
                                           "Опыт",
                                           "0",
                                           "Следующий уровень",
                                           "100",
                                           "Уровень",
                                           "1",
                                           "Деньги",
                                           std::to_string(money),
                                           "Голод",
                                           num(hunger),
                                           "Жажда",
                                           num(thirst),
                                           "Усталость",
                                           num(fatigue),
                                           "Облучение",
                                           num(radiation)});
}

void GameTest::advance(int64_t ms) {
  scheduler->run_until(rt.now, rt.now + ms, [this](const std::string& t) { game->tick(t); });
}

void GameTest::write_picture(const std::string& game_path, int width, int height) {
  fs::path p = real_path(dir, game_path);
  fs::create_directories(p.parent_path());
  QImage img(width, height, QImage::Format_RGB32);
  img.fill(qRgb(40, 80, 120));
  img.save(QString::fromStdString(p.string()), "BMP");
}

void GameTest::write_minimal_game() {
  write_start_file();
  write_file(catalogue::kItems,
             items_dat({{"Руки", "Data\\Pictures\\hands.bmp", 1, 0, "gun", 1, 0, "Голые руки"},
                        {"Рубашка и джинсы", "Data\\Pictures\\shirt.bmp", 1, 0, "armor", 1, 0,
                         "Обычная одежда"}}));
  write_file(catalogue::kGuns, gun_lines(guns{.id = 1,
                                              .mindmg = 1,
                                              .maxdmg = 3,
                                              .ammo = "нет",
                                              .state = 100,
                                              .text1 = "a",
                                              .text2 = "b",
                                              .text3 = "c",
                                              .text4 = "d"}));
  write_file(catalogue::kArmor, armor_lines(armors{1, 0, 0, 100, 0, 0, "одежда"}));
  write_file("Data\\Config\\inventory.cfg", {}, false);
  for (int i = 1; i <= 5; ++i)
    write_file("Data\\Intro\\" + std::to_string(i) + ".txt", {"Слайд " + std::to_string(i)});
  LocFile loc;
  loc.locname = "Пустошь";
  loc.locpic = "Data\\Pictures\\area.bmp";
  loc.place = "Перекресток";
  loc.placepic = "Data\\Pictures\\place.bmp";
  loc.music = "Data\\Music\\none.mp3";
  loc.hungrate = loc.thirstrate = loc.tiredrate = "0";
  loc.desc = {"Пустой перекресток."};
  write_picture(loc.locpic, 100, 100);
  write_picture(loc.placepic, 137, 137);
  write_file("data\\levels\\locations\\1.loc", loc.lines());
}
