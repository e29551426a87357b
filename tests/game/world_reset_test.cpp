// The new-game reset of the pickup files and the fight map.
#include <gtest/gtest.h>

#include "core/random.h"
#include "game/services/rmkin.h"
#include "support/write_fault.h"
#include "world_fixture.h"

using Lines = std::vector<std::string>;

namespace {

class WorldReset : public world_test::WorldTest {
 protected:
  static constexpr const char* kFightMap = "data\\levels\\fights\\fight.map";

  // The availability a chance entry gets from each of the next draws.
  static Lines draws(uint32_t seed, int n) {
    core::RandomSource replica(seed);
    Lines out;
    for (int i = 0; i < n; ++i) out.push_back(replica.Random(100) <= 65 ? "unaviable" : "aviable");
    return out;
  }
  void new_game(uint32_t seed) {
    game->rng.seed_with(seed);
    run([&] { game->newgame(); });
  }
};

TEST_F(WorldReset, ResetsEveryEntryByItsKind) {
  write_pickup("1", {"once", "Нож", "aviable",        //
                     "always", "Фляга", "unaviable",  //
                     "шанс", "Камень", "aviable",     //
                     "once", "Гиря", "unaviable",     //
                     "редко", "Нож", "unaviable"});
  write_file(kFightMap, {"Двор"});
  ctl("PItems").rows = {"Фляга", "Нож"};

  new_game(7);
  ASSERT_TRUE(errors.empty()) << errors[0];
  const Lines drawn = draws(7, 2);
  EXPECT_EQ(pickup_lines("1"), (Lines{"always", "Фляга", "aviable",  //
                                      "шанс", "Камень", drawn[0],    //
                                      "редко", "Нож", drawn[1]}));
  EXPECT_EQ(rows("PItems"), Lines{""});
  EXPECT_TRUE(exists(kFightMap));
  EXPECT_EQ(read_bytes(kFightMap), "");
  EXPECT_FALSE(exists("data\\levels\\Pickup\\1.pkp.tmp"));
  EXPECT_FALSE(exists("data\\levels\\fights\\fight.map.tmp"));
}

TEST_F(WorldReset, PickedUpItemComesBackAtTheNextNewGame) {
  LocFile f;
  f.pkp = "1";
  write_loc("1", f);
  write_items({{"Фляга", 1}});
  game->hero.capacity = 10;
  write_pickup("1", {"always", "Фляга", "aviable"});
  enter("1");
  pick("PItems", 0);
  EXPECT_EQ(pickup_lines("1"), (Lines{"always", "Фляга", "unaviable"}));
  new_game(1);
  enter("1");
  EXPECT_EQ(rows("PItems"), Lines{"Фляга"});
}

TEST_F(WorldReset, OnlyPickupFilesAreResetInNameOrder) {
  // Two seeds whose first two draws differ show which file drew first.
  uint32_t seed = 1;
  while (draws(seed, 2)[0] == draws(seed, 2)[1]) ++seed;
  const Lines drawn = draws(seed, 2);

  write_file("data\\levels\\Pickup\\b.pkp", {"шанс", "Б", "aviable"});
  write_file("data\\levels\\Pickup\\A.PKP", {"шанс", "А", "aviable"});
  write_file("data\\levels\\Pickup\\c.txt", {"once", "В", "aviable"});
  write_file("data\\levels\\Pickup\\d.pkp.bak", {"once", "Г", "aviable"});
  std::filesystem::create_directories(dir / "data" / "levels" / "Pickup" / "e.pkp");
  std::filesystem::create_symlink("c.txt", dir / "data" / "levels" / "Pickup" / "f.pkp");

  new_game(seed);
  ASSERT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(read_lines("data\\levels\\Pickup\\A.PKP"), (Lines{"шанс", "А", drawn[0]}));
  EXPECT_EQ(read_lines("data\\levels\\Pickup\\b.pkp"), (Lines{"шанс", "Б", drawn[1]}));
  EXPECT_EQ(read_lines("data\\levels\\Pickup\\c.txt"), (Lines{"once", "В", "aviable"}));
  EXPECT_EQ(read_lines("data\\levels\\Pickup\\d.pkp.bak"), (Lines{"once", "Г", "aviable"}));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "data" / "levels" / "Pickup" / "e.pkp"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "data" / "levels" / "Pickup" / "f.pkp"));
}

TEST_F(WorldReset, DrawOf65LeavesTheItemTakenAnd66PutsItBack) {
  auto seed_drawing = [](int wanted) {
    for (uint32_t seed = 1;; ++seed)
      if (core::RandomSource(seed).Random(100) == wanted) return seed;
  };
  for (const auto& [drawn, expected] : {std::pair{65, "unaviable"}, std::pair{66, "aviable"}}) {
    write_pickup("1", {"шанс", "Камень", "aviable"});
    new_game(seed_drawing(drawn));
    EXPECT_EQ(pickup_lines("1"), (Lines{"шанс", "Камень", expected})) << "draw " << drawn;
  }
}

TEST_F(WorldReset, ChanceEntriesAreBackInAboutAThirdOfTheGames) {
  Lines lines;
  for (int i = 0; i < 40; ++i) lines.insert(lines.end(), {"шанс", "Камень", "aviable"});
  write_pickup("1", lines);
  int available = 0, total = 0;
  for (uint32_t game_no = 1; game_no <= 50; ++game_no) {
    new_game(game_no);
    const Lines now = pickup_lines("1");
    for (size_t i = 2; i < now.size(); i += 3) {
      available += now[i] == "aviable";
      ++total;
    }
  }
  ASSERT_TRUE(errors.empty());
  EXPECT_EQ(total, 2000);
  EXPECT_NEAR(available / 2000.0, 0.34, 0.03);
}

TEST_F(WorldReset, FightMapIsEmptiedOrMadeInsideTheLevelsFolder) {
  // No levels folder: there is no world, and nothing is made.
  new_game(1);
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "data"));

  // A levels folder without fights gets the folder and an empty map.
  write_file("Data\\Levels\\Locations\\1.loc", LocFile{}.lines());
  new_game(1);
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(std::filesystem::is_regular_file(dir / "Data" / "Levels" / "fights" / "fight.map"));
  EXPECT_EQ(read_bytes(kFightMap), "");

  // An existing folder is used in whatever case it is spelled.
  std::filesystem::remove_all(dir / "Data" / "Levels" / "fights");
  write_file("Data\\Levels\\Fights\\fight.map", {"Двор", "Склад"});
  new_game(1);
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "Data" / "Levels" / "fights"));
  EXPECT_TRUE(exists(kFightMap));
  EXPECT_EQ(read_bytes(kFightMap), "");
}

TEST_F(WorldReset, InterruptedResetLeavesEachFileWhole) {
  const Lines before = {"once", "Нож", "aviable", "always", "Фляга", "unaviable"};
  const Lines after = {"always", "Фляга", "aviable"};
  for (int step = 1; step < 30; ++step) {
    write_pickup("1", before);
    write_file(kFightMap, {"Двор"});
    errors.clear();
    {
      test_support::ScopedWriteFault fault(root, step);
      new_game(1);
    }
    const Lines pickup = pickup_lines("1");
    EXPECT_TRUE(pickup == before || pickup == after) << "step " << step;
    EXPECT_TRUE(read_lines(kFightMap) == Lines{"Двор"} || read_bytes(kFightMap).empty())
        << "step " << step;
    if (errors.empty()) {
      EXPECT_EQ(pickup, after);
      EXPECT_EQ(read_bytes(kFightMap), "");
      break;
    }
    // The reset stops at the failure: the fight map is reached only after the pickup files.
    if (pickup == before) {
      EXPECT_EQ(read_lines(kFightMap), Lines{"Двор"}) << "step " << step;
    }
  }
}

}  // namespace
