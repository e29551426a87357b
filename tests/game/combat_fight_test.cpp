// Fights on the demo data: the fight decision of a location, set-up, the
// fight loop, both sides' attacks, destroyed enemies, victory and escape.
#include <algorithm>
#include <filesystem>

#include "game/combat/enemy.h"
#include "game/items/inventory_state.h"
#include "game/services/music_state.h"
#include "game/services/rmkin.h"
#include "game/world/location.h"
#include "game/world/talk_state.h"
#include "support/write_fault.h"
#include "tests/game/combat_fixture.h"
#include "tests/game/world_fixture.h"

using combat_test::CombatTest;

namespace {

constexpr const char* kFightMap = "data\\levels\\fights\\fight.map";

class CombatFight : public CombatTest {
 protected:
  // A location "t" with the given fight fields and fight file "t.fgt".
  void enter(const std::string& once, const std::string& start, const std::string& place = "Двор") {
    LocFile f;
    f.locpic = "Data\\Pictures\\Locations\\ruins_area.bmp";
    f.placepic = "data\\pictures\\locations\\stop.bmp";
    f.music = "Data\\Music\\loc_ruins.mp3";
    f.place = place;
    f.pkp = "1";
    f.fgt = "t";
    f.fgtstart = start;
    f.fgtonce = once;
    write_file("Data\\levels\\locations\\t.loc", f.lines());
    game->handle([this] {
      game->loadloc("t");
      game->setloc();
    });
  }
  int count(const std::string& line) {
    return static_cast<int>(std::count(log().begin(), log().end(), line));
  }
  void SetUp() override {
    write_enemy("rat", EnemyFile{});
    write_file("Data\\levels\\fights\\t.fgt", {"rat", "no", "no"});
  }
};

}  // namespace

TEST_F(CombatFight, LocationStartsOffersOrSkipsItsFight) {
  struct Case {
    const char* once;
    bool in_map;
    const char* start;
    const char* questst;
    bool button, fight;
  } cases[] = {
      {"once", true, "now", "live", false, false}, {"once", false, "now", "live", false, true},
      {"once", false, "x", "live", true, false},   {"once", false, "x", "dead", false, true},
      {"again", true, "now", "live", false, true}, {"again", true, "x", "live", true, false},
      {"again", false, "x", "dead", false, true},
  };
  for (const Case& c : cases) {
    write_file(kFightMap, c.in_map ? std::vector<std::string>{"Сарай", "Двор"}
                                   : std::vector<std::string>{"Сарай"});
    game->talkstate.questst = c.questst;
    ctl("Timer1").stop();
    game->park(form::Screen::fight);
    enter(c.once, c.start);
    const std::string what = std::string(c.once) + "/" + c.start + "/" + c.questst;
    EXPECT_EQ(ctl("Image21").visible, c.button) << what;
    EXPECT_EQ(ctl("Timer1").enabled, c.fight) << what;
    EXPECT_EQ(game->shown(form::Screen::fight), c.fight) << what;
    if (c.fight) {
      EXPECT_EQ(ctl("LocMemo").lines.back(), "Я атакован !") << what;
    }
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(CombatFight, FightButtonWritesAOnceFightToTheMapAtOnce) {
  write_file(kFightMap, {});
  enter("once", "x");
  click("Image21");
  for (auto& e : errors) ADD_FAILURE() << e;
  EXPECT_TRUE(game->shown(form::Screen::fight));
  EXPECT_EQ(read_lines(kFightMap), std::vector<std::string>{"Двор"});
  EXPECT_FALSE(ctl("Image21").visible);
  EXPECT_EQ(game->soundtrack.musicfile, "Data\\Music\\fight.mp3");
  EXPECT_EQ(log(), std::vector<std::string>{"Начался бой !"});
}

TEST_F(CombatFight, UnknownEnemyIsADataErrorAndNothingIsSetUp) {
  fight("rat");
  game->combat.enemy1.health = 3;
  ctl("Timer1").stop();
  game->park(form::Screen::fight);
  game->show(form::Screen::location);
  const std::string music = game->soundtrack.musicfile;
  fight("rat", "wolf");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("'wolf'"), std::string::npos) << errors[0];
  EXPECT_NE(errors[0].find("Data\\Combat\\enemies.dat"), std::string::npos) << errors[0];
  EXPECT_FALSE(game->shown(form::Screen::fight));
  EXPECT_FALSE(ctl("Timer1").enabled);
  EXPECT_EQ(game->soundtrack.musicfile, music);
  EXPECT_EQ(game->combat.enemy1.health, 3);
}

TEST_F(CombatFight, ColumnsAndWhatTheGlassAndBinocularsShow) {
  struct Case {
    const char *k2, *k3;
    bool glass, binoculars;
    int left1;
    bool shown2, shown3;
  } cases[] = {{"no", "no", false, false, 144, false, false},
               {"rat", "no", true, false, 8, true, false},
               {"rat", "rat", false, true, 8, true, true},
               {"rat", "rat", true, true, 8, true, true}};
  for (const Case& c : cases) {
    game->inventory.invnext = 1;
    if (c.glass) game->addtoinv("Стеклышко света", 100);
    if (c.binoculars) game->addtoinv("Бинокль всезнания", 100);
    fight("rat", c.k2, c.k3);
    EXPECT_EQ(ctl("Image9").left, c.left1);
    EXPECT_EQ(ctl("Label30").left, c.left1 + 56);
    const bool shown[] = {true, c.shown2, c.shown3};
    for (int k = 1; k <= 3; ++k) {
      const SlotControls& s = slot_controls(k);
      EXPECT_EQ(ctl(s.picture).visible, shown[k - 1]) << k;
      EXPECT_EQ(ctl(s.bar).visible, shown[k - 1] && c.glass) << k;
      EXPECT_EQ(ctl(s.ready).visible, shown[k - 1] && c.glass) << k;
      EXPECT_EQ(ctl(s.health).visible, shown[k - 1] && c.binoculars) << k;
    }
    EXPECT_EQ(game->combat.enemy2.name, c.shown2 ? "Крыса" : "no");
    EXPECT_EQ(game->combat.enemy3.name, c.shown3 ? "Крыса" : "no");
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(CombatFight, EnemyFileKeepsTheFirstTenLootPairs) {
  EnemyFile e;
  for (int i = 1; i <= 12; ++i) e.loot.push_back({"Бинт" + std::to_string(i), "always"});
  write_enemy("many", e);
  fight("many");
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(game->combat.enemy1.lootcount, 10);
  EXPECT_EQ(game->combat.enemy1.loot[10], "Бинт10");
  EXPECT_EQ(game->combat.enemy1.healthlabel, "Label33");
}

TEST_F(CombatFight, WoundedEnemyStrikesEarlyForTwoThirds) {
  struct Case {
    int health, ready;
    bool strikes;
    int damage;
  } cases[] = {
      {7, 49, true, 6}, {8, 49, true, 6}, {9, 49, false, 0}, {9, 99, true, 9}, {7, 79, false, 0}};
  EnemyFile e;
  e.health = 15;
  e.mindamage = e.maxdamage = 9;
  write_enemy("wolf", e);
  for (const Case& c : cases) {
    fight("wolf");
    game->combat.enemy1.health = c.health;
    game->combat.enemy1.ready = c.ready;
    game->hero.health = 100;
    game->tick("Timer1");
    EXPECT_EQ(game->hero.health, 100 - c.damage) << c.health << " " << c.ready;
    if (c.strikes) {
      EXPECT_EQ(log().back(), "Крыса наносит урон: " + std::to_string(c.damage));
    }
  }
}

TEST_F(CombatFight, PlayerAttackAmmunitionAndMisses) {
  struct Case {
    const char* gun;
    int single, burst;
    bool burst_mode;
    int ammo;  // rounds carried, 0: none
    double fatigue;
    const char* line;
    int ammo_after;  // -1: slot gone
    bool ready_emptied;
  } cases[] = {
      {"Руки", 1, 0, false, 0, 0, "Урон противнику: 4", -1, true},
      {"Пистолет Сокол-9", 1, 0, false, 0, 0, "Нет патронов !", -1, false},
      {"Пистолет Сокол-9", 1, 0, false, 8, 0, "Урон противнику: 4", 7, true},
      {"Пистолет Сокол-9", 1, 0, false, 1, 0, "Урон противнику: 4", -1, true},
      {"Обрез двустволки", 1, 2, true, 8, 0, "Урон противнику: 8", 6, true},
      {"Обрез двустволки", 1, 12, true, 8, 0, "Не хватает патронов !", 8, false},
      {"Пистолет Сокол-9", 1, 0, false, 8, 100, "Промах !", 7, true},
      {"Обрез двустволки", 1, 12, true, 8, 100, "Промах !", 8, true},
  };
  for (const Case& c : cases) {
    fight("rat");
    game->combat.enemy1.health = 50;
    rmkin& h = game->hero;
    h.gunname = c.gun;
    h.gunammo = "Патроны 9 мм";
    h.gunsingle = c.single;
    h.gunburst = c.burst;
    h.gunmindmg = 4;
    h.gunmaxdmg = 4;
    h.gunwearmin = h.gunwearmax = 0;
    h.gunstate = 100;
    h.fatigue = c.fatigue;
    h.ready = 60;
    game->inventory.invnext = 1;
    game->inventory.invload = 0;
    if (c.ammo > 0) {
      game->addtoinv("Патроны 9 мм", 100);
      game->inventory.invslots[1].count = c.ammo;
    }
    if (c.burst_mode) game->form.check(ctl("RadioButton2"));
    game->handle([this] { game->hitenemy(1); });
    const std::string what = std::string(c.gun) + " " + c.line;
    EXPECT_EQ(log().back(), c.line) << what;
    EXPECT_EQ(count("Нет патронов !"), c.ammo == 0 && std::string(c.gun) != "Руки" ? 1 : 0);
    if (c.ammo_after >= 0) {
      EXPECT_EQ(game->inventory.invslots[1].count, c.ammo_after) << what;
    } else {
      EXPECT_EQ(game->inventory.invnext, 1) << what;
    }
    EXPECT_EQ(h.ready, c.ready_emptied ? 0 : 60) << what;
    EXPECT_TRUE(ctl("RadioButton1").checked) << what;
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(CombatFight, WornWeaponWarnsThenBreaksIntoBareHands) {
  fight("rat");
  rmkin& h = game->hero;
  h.gunname = "Охотничий нож";
  h.gunstate = 5;
  h.gunwearmin = h.gunwearmax = 5;
  game->handle([this] { game->hitenemy(1); });
  ASSERT_GE(log().size(), 2u);
  EXPECT_EQ(log()[log().size() - 2], "Оружие портится !");
  EXPECT_EQ(log().back(), "Оружие сломалось !");
  EXPECT_EQ(h.gunname, "Руки");
  EXPECT_EQ(h.gunstate, 100);
  EXPECT_EQ(ctl("Label19").caption, "Оружие: Руки");
}

TEST_F(CombatFight, DestroyedEnemyRewardsOnceEvenWhenTheLootWriteFails) {
  EnemyFile e;
  e.health = 1;
  e.exp = 7;
  e.minmoney = e.maxmoney = 10;
  e.loot = {{"Бинт", "always"}, {"Квас", "always"}};
  write_enemy("weak", e);
  fight("weak", "rat");
  const std::vector<std::string> ground = read_lines("data\\levels\\Pickup\\1.pkp");
  const int money = game->hero.money, exp = game->hero.exp;
  ready_above(45);
  {
    test_support::ScopedWriteFault fault(root, 3);
    click("Image9");
  }
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(read_lines("data\\levels\\Pickup\\1.pkp"), ground);
  EXPECT_EQ(game->hero.money, money + 10);
  EXPECT_EQ(game->hero.exp, exp + 7);
  EXPECT_EQ(game->combat.enemy1.name, "no");
  EXPECT_EQ(ctl("Image9").picture_file, "Data\\Pictures\\Enemies\\dog_dead.bmp");
  // Clicking the fallen enemy spends nothing and rewards nothing.
  const size_t lines = log().size();
  game->hero.ready = 60;
  ctl("RadioButton1").enabled = true;
  click("Image9");
  EXPECT_EQ(log().size(), lines);
  EXPECT_EQ(game->hero.money, money + 10);
  EXPECT_EQ(count("Крыса уничтожен !"), 1);
}

TEST_F(CombatFight, VictoryInTheBackRoomLeavesTheBinoculars) {
  enter("once", "x", "Каморка");
  game->talkstate.questst = "live";
  write_file(kFightMap, {});
  EnemyFile e;
  e.health = 1;
  e.loot = {{"Бинт", "always"}};
  write_enemy("weak", e);
  fight("weak");
  game->hero.exp = 0;
  game->hero.nextexp = 100;
  ready_above(45);
  click("Image9");
  EXPECT_EQ(count("Найдено денег: 0"), 1);
  game->tick("Timer1");
  EXPECT_EQ(count("Бой закончен !"), 1);
  EXPECT_EQ(ctl("LocMemo").lines.front(), read_lines("Data\\Levels\\Locations\\dead.loc").front());
  EXPECT_FALSE(ctl("Timer1").enabled);
  EXPECT_TRUE(game->shown(form::Screen::location));
  EXPECT_EQ(game->talkstate.questst, "dead");
  EXPECT_EQ(ctl("PItems").rows.back(), "Бинокль всезнания");
  EXPECT_EQ(ctl("PItems").rows.end()[-2], "Бинт");
  // The won one-time fight is in the map and did not start again.
  EXPECT_EQ(read_lines(kFightMap), std::vector<std::string>{"Каморка"});
  EXPECT_EQ(game->soundtrack.curmusic, "");
  EXPECT_TRUE(errors.empty());
}

TEST_F(CombatFight, EscapeOddsFollowIntelligence) {
  struct Case {
    int intellect;
    int low, high;  // successes in 400 attempts
  } cases[] = {{10, 65, 115}, {30, 400, 400}, {59, 400, 400}, {0, 1, 16}};
  for (const Case& c : cases) {
    fight("rat");
    game->hero.intellect = c.intellect;
    game->hero.nextexp = 2000000000;
    int won = 0;
    for (int i = 0; i < 400; ++i) {
      ctl("Memo2").clear();
      game->handle([this] { game->Image19Click(); });
      if (count("Удалось скрыться !") == 1) ++won;
    }
    EXPECT_GE(won, c.low) << c.intellect;
    EXPECT_LE(won, c.high) << c.intellect;
  }
}

TEST_F(CombatFight, EscapeReachingTheThresholdOpensTheLevelUp) {
  fight("rat");
  game->hero.intellect = 30;
  game->hero.exp = 95;
  game->hero.nextexp = 100;
  game->handle([this] { game->Image19Click(); });
  EXPECT_EQ(game->hero.exp, 105);
  EXPECT_FALSE(ctl("Timer1").enabled);
  EXPECT_TRUE(game->shown(form::Screen::levelup));
  EXPECT_FALSE(game->shown(form::Screen::location));
}

TEST_F(CombatFight, DeathEndsTheTickBeforeTheNextEnemyStrikes) {
  EnemyFile e;
  e.mindamage = e.maxdamage = 50;
  write_enemy("bear", e);
  fight("bear", "bear");
  game->hero.health = 30;
  game->combat.enemy1.ready = 99;
  game->combat.enemy2.ready = 99;
  game->tick("Timer1");
  EXPECT_EQ(game->hero.health, 0);
  EXPECT_EQ(count("Крыса наносит урон: 50"), 1);
  EXPECT_TRUE(game->shown(form::Screen::death));
  EXPECT_FALSE(ctl("Timer1").enabled);
}

TEST_F(CombatFight, TickDrawsBarsAndRunsTheSpriteToAndFro) {
  game->hero.agility = 0;
  fight("rat");
  std::vector<int> frames;
  for (int i = 0; i < 15; ++i) {
    frames.push_back(game->combat.fightframe);
    game->tick("Timer1");
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 7, 6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(game->hero.ready, 15);
  EXPECT_EQ(ctl("Image8").width, 8);  // 15 / 2 = 7.5, to the even 8
  EXPECT_EQ(ctl("Label23").caption, "15 %");
  EXPECT_EQ(ctl("Label23").left, ctl("Image8").left + 8 + 5);
  EXPECT_FALSE(ctl("RadioButton1").enabled);
  ready_above(45);
  EXPECT_EQ(ctl("Image9").cursor, form::Cursor::cross);
  ready_above(99);
  EXPECT_TRUE(ctl("Image19").visible);
  EXPECT_TRUE(errors.empty());
}

TEST_F(CombatFight, AFailedFightMapWriteNeverOffersTheOnceFightAgain) {
  write_file(kFightMap, {});
  enter("once", "x");
  {
    test_support::ScopedWriteFault fault(root, 1);
    click("Image21");
  }
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(game->shown(form::Screen::fight));
  EXPECT_FALSE(ctl("Image21").visible);
}

TEST_F(CombatFight, AMissingModeButtonSpriteLeavesNoHalfBuiltFight) {
  std::filesystem::remove(*root.find("Data\\Sprites\\Buttons\\use_p.bmp"));
  const std::string music = game->soundtrack.musicfile;
  fight("rat");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_FALSE(game->shown(form::Screen::fight));
  EXPECT_FALSE(ctl("Timer1").enabled);
  EXPECT_EQ(game->soundtrack.musicfile, music);
  EXPECT_TRUE(ctl("Image25").visible);
}

TEST_F(CombatFight, AFightStartsWithTheControlsOfAnEmptyMeterWhateverTheLastLeft) {
  game->hero.intellect = 30;  // every escape succeeds
  game->hero.nextexp = 2000000000;
  fight("rat");
  ready_above(99);
  click("Image19");
  ASSERT_TRUE(game->shown(form::Screen::location));
  fight("rat");
  EXPECT_FALSE(game->clickable("Image19"));
  EXPECT_FALSE(ctl("RadioButton1").enabled);
  EXPECT_FALSE(ctl("PInventory").enabled);
  EXPECT_EQ(ctl("Image9").cursor, form::Cursor::arrow);
  EXPECT_TRUE(errors.empty());
}

TEST_F(CombatFight, TheCatalogueIsReadUntilEveryEnemyOfTheFightIsFound) {
  const std::pair<const char*, const char*> enemies[] = {
      {"a", "Первая"}, {"b", "Вторая"}, {"d", "Пёс"}};
  for (const auto& [key, name] : enemies) {
    EnemyFile e;
    e.name = name;
    write_enemy(key, e);
  }
  write_file("Data\\combat\\enemies.dat", {"rat", "a.enm", "rat", "b.enm", "dog", "d.enm"});
  fight("rat");  // found at the first pair: the scan stops there
  EXPECT_EQ(game->combat.enemy1.name, "Первая");
  fight("rat", "dog");  // the dog is still wanted at the second pair
  EXPECT_EQ(game->combat.enemy1.name, "Вторая");
  EXPECT_EQ(game->combat.enemy2.name, "Пёс");
  EXPECT_TRUE(errors.empty());
}

TEST_F(CombatFight, LootWhereThePickupNameIsNoGoesToNoPkpLikeADrop) {
  EnemyFile e;
  e.health = 1;
  e.loot = {{"Бинт", "always"}};
  write_enemy("weak", e);
  fight("weak", "rat");
  game->loc.pkp = "no";
  std::vector<std::string> ground = read_lines("data\\levels\\Pickup\\no.pkp");
  ready_above(45);
  click("Image9");
  ASSERT_TRUE(errors.empty()) << errors.front();
  for (const char* line : {"once", "Бинт", "aviable"}) ground.push_back(line);
  EXPECT_EQ(read_lines("data\\levels\\Pickup\\no.pkp"), ground);
  EXPECT_EQ(ctl("PItems").rows.back(), "Бинт");
}
