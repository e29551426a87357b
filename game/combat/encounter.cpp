// Encounters: the fight map of one-time fights, the fight files, the enemy
// catalogue and enemy files, the fight decision of a location and the set-up
// of the fight screen.
#include <QImage>
#include <array>

#include "core/convert.h"
#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/picture.h"
#include "core/safe_rewrite.h"
#include "game/game.h"
#include "game/world/talk.h"

using core::str;

namespace {

constexpr const char* kFightMap = "data\\levels\\fights\\fight.map";
constexpr const char* kFightMapRead = "Data\\Levels\\Fights\\fight.map";
constexpr const char* kFightTemp = "data\\levels\\fights\\fight.tmp";
constexpr const char* kFights = "data\\levels\\Fights\\";
constexpr const char* kCatalogue = "Data\\Combat\\enemies.dat";
constexpr const char* kCombat = "Data\\Combat\\";

constexpr std::array<SlotControls, 3> kSlots{{
    {"Image9", "Image12", "Label30", "Label33"},
    {"Image11", "Image14", "Label32", "Label35"},
    {"Image10", "Image13", "Label31", "Label34"},
}};

// The three enemy keys of a fight file.
std::array<std::string, 3> read_fight_file(const core::DataRoot& root, const std::string& fgt) {
  core::DataReader in(root, kFights + fgt + ".fgt");
  std::array<std::string, 3> keys;
  for (std::string& key : keys) key = in.line();
  return keys;
}

}  // namespace

const SlotControls& slot_controls(int k) {
  return kSlots.at(static_cast<size_t>(k - 1));
}

bool Game::chkfgt(const std::string& place) {
  bool found = false;
  for (const std::string& line : core::read_all_lines(root, kFightMapRead))
    if (line == place) found = true;
  return found;
}

void Game::setfgt(const std::string& place) {
  std::vector<std::string> lines = core::read_all_lines(root, kFightMap);
  lines.push_back(place);
  core::safe_rewrite(root, kFightMap, kFightTemp, lines);
}

void Game::loadenemy(const std::string& file) {
  core::DataReader in(root, kCombat + file);
  enemy& e = combat.enemytemplate;
  auto text = [&in] {
    in.skip();
    return in.line();
  };
  auto number = [&in] {
    in.skip();
    return in.read_int();
  };
  e.name = text();
  e.extratext1 = text();
  e.health = number();
  e.maxhealth = e.health;
  e.mindamage = number();
  e.maxdamage = number();
  e.armor = number();
  e.exp = number();
  e.extraint1 = number();
  e.agility = number();
  e.accuracy = number();
  e.extratext2 = text();
  e.extraint2 = number();
  e.picture = text();
  e.hitpicture = text();
  e.deadpicture = text();
  e.extratext3 = text();
  e.extratext4 = text();
  e.extratext5 = text();
  e.minmoney = number();
  e.maxmoney = number();
  in.skip();  // line 41
  // Loot pairs to the end of the file; the lists hold ten, later pairs are
  // ignored. Entries past lootcount keep what an earlier load left.
  e.lootcount = 0;
  while (!in.eof()) {
    std::string item = in.line();
    std::string rule = in.line();
    if (e.lootcount >= kMaxLoot) continue;
    e.lootcount += 1;
    e.loot[static_cast<size_t>(e.lootcount)] = std::move(item);
    e.lootrule[static_cast<size_t>(e.lootcount)] = std::move(rule);
  }
  e.ready = 0;
}

enemy& Game::enemy_slot(int k) {
  return k == 1 ? combat.enemy1 : k == 2 ? combat.enemy2 : combat.enemy3;
}

void Game::startfight(const std::string& key1, const std::string& key2, const std::string& key3) {
  // Everything the fight needs is read first: an unknown key, a missing or
  // bad enemy file or picture is reported before anything of the fight is
  // set up, so no half-built fight and no enemy of an earlier fight remain.
  const std::array<std::string, 3> keys{key1, key2, key3};
  std::array<std::string, 3> files;
  std::array<bool, 3> found{false, key2 == "no", key3 == "no"};
  {
    core::DataReader in(root, kCatalogue);
    while (!(found[0] && found[1] && found[2]) && !in.eof()) {
      const std::string key = in.line();
      const std::string file = in.line();
      for (size_t j = 0; j < 3; ++j) {
        if (keys[j] == "no" || key != keys[j]) continue;
        files[j] = file;
        found[j] = true;
      }
    }
  }
  for (size_t j = 0; j < 3; ++j) {
    if (!found[j])
      throw core::DataError("Enemy '" + keys[j] + "' is not in the enemy catalogue", kCatalogue);
  }
  std::array<enemy, 3> loaded;
  std::array<QImage, 3> pictures;
  for (size_t j = 0; j < 3; ++j) {
    if (keys[j] == "no") continue;
    loadenemy(files[j]);
    loaded[j] = combat.enemytemplate;
    loaded[j].healthlabel = kSlots[j].health;
    pictures[j] = core::load_picture(root, loaded[j].picture);
  }
  // The inventory mode buttons of a fight: "use" pressed, the others normal.
  const std::string buttons = "Data\\Sprites\\Buttons\\";
  const std::array<std::pair<const char*, std::string>, 3> modes{{
      {"Image24", buttons + "view_n.bmp"},
      {"Image25", buttons + "use_p.bmp"},
      {"Image26", buttons + "throw_n.bmp"},
  }};
  std::array<QImage, 3> mode_pictures;
  for (size_t j = 0; j < 3; ++j) mode_pictures[j] = core::load_picture(root, modes[j].second);

  // 1-2. Music and log.
  stop_music();
  start_track("Data\\Music\\fight.mp3", true);
  form::Control& log = form["Memo2"];
  log.clear();
  log.add("Начался бой !");

  // 3-4. The slots.
  combat.enemy2.name = "no";
  combat.enemy3.name = "no";
  for (size_t j = 0; j < 3; ++j) {
    if (keys[j] == "no") continue;
    const int k = static_cast<int>(j) + 1;
    enemy_slot(k) = loaded[j];
    form::Control& picture = form[kSlots[j].picture];
    picture.picture = pictures[j];
    picture.picture_file = loaded[j].picture;
    form[kSlots[j].health].caption = str(loaded[j].health);
  }

  // 5-7. Columns: one enemy stands in the middle, two or three fill the
  // left, right and middle columns.
  const int count = 1 + (key2 != "no" ? 1 : 0) + (key3 != "no" ? 1 : 0);
  const bool glass = itmsrsh(quest::kGlass);
  const bool binoculars = itmsrsh(quest::kBinoculars);
  const int left1 = count == 1 ? 144 : 8;
  form["Image9"].left = left1;
  form["Image12"].left = left1;
  form["Label30"].left = left1 + 56;
  form["Label33"].left = left1 + 32;
  for (size_t j = 0; j < 3; ++j) {
    // A slot whose key is "no" is not in the fight (also a third enemy
    // without a second stands in its own column).
    const bool in_fight = keys[j] != "no";
    form[kSlots[j].picture].visible = in_fight;
    form[kSlots[j].bar].visible = in_fight && glass;
    form[kSlots[j].ready].visible = in_fight && glass;
    form[kSlots[j].health].visible = in_fight && binoculars;
  }

  // 8-9. The player's sprite and readiness.
  combat.fightframe = 1;
  combat.fightframestep = 1;
  hero.ready = 0;
  form::Control& bar = form["Image8"];
  bar.width = 0;
  form::Control& percent = form["Label23"];
  percent.caption = "0 %";
  percent.left = bar.left + bar.width + 5;

  // 10. Inventory clicks use items during the fight.
  for (size_t j = 0; j < 3; ++j) {
    form::Control& mode = form[modes[j].first];
    mode.visible = false;
    mode.picture = mode_pictures[j];
    mode.picture_file = modes[j].second;
  }
  inventory.invmode = "use";

  // 11. Fire mode.
  form.check(form["RadioButton1"]);
  form::Control& burst = form["RadioButton2"];
  burst.enabled = false;
  burst.visible = hero.gunburst != 0;

  // 12-15. The controls as an empty meter gives them (whatever the last
  // fight left: no run-away button, no fire mode, arrow cursors, lists
  // closed), the screens and the fight loop.
  empty_meter(form);
  show(form::Screen::fight);
  park(form::Screen::location);
  form["Timer1"].start();
}

void Game::encounter() {
  bool attack = true;
  bool fought = false;
  if (loc.fgtonce == "once") {
    fought = chkfgt(loc.place);
    if (fought) attack = false;
  }
  if (loc.fgtstart != "now" && !fought && talkstate.questst != "dead") {
    attack = false;
    form["Image21"].visible = true;
  }
  if (!attack) return;
  form::Control& memo = form["LocMemo"];
  memo.add("");
  memo.add("Я атакован !");
  const std::array<std::string, 3> keys = read_fight_file(root, loc.fgt);
  rt.wait(2000);
  startfight(keys[0], keys[1], keys[2]);
}

void Game::Image21Click() {
  press("Image21", "Data\\Sprites\\Buttons\\fight_p.bmp", "Data\\Sprites\\Buttons\\fight_n.bmp");
  form["LocMemo"].add("Я вступил в бой.");
  const std::array<std::string, 3> keys = read_fight_file(root, loc.fgt);
  rt.wait(2000);
  startfight(keys[0], keys[1], keys[2]);
  // The button goes before the map is written: a failed write is reported
  // but never offers the same fight a second time.
  form["Image21"].visible = false;
  if (loc.fgtonce == "once") setfgt(loc.place);
}
