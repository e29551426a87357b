// The quest: giving the glass or paying in the back room, the elder's final
// conversation, and the outro that returns to the menu.
#include <gtest/gtest.h>

#include "game/combat/data_paths.h"
#include "game/items/inventory_state.h"
#include "game/json_view.h"
#include "game/screens/slides.h"
#include "game/services/music_state.h"
#include "game/services/rmkin.h"
#include "game/world/location.h"
#include "game/world/talk_state.h"
#include "support/write_fault.h"
#include "talk_fixture.h"

using talk_test::Lines;

namespace {

constexpr const char* kGlass = "Стеклышко света";
constexpr const char* kBinoculars = "Бинокль всезнания";

class TalkQuest : public talk_test::TalkTest {
 protected:
  void SetUp() override {
    TalkTest::SetUp();
    LocFile room;
    room.place = "Каморка";
    room.pkp = "каморка";
    room.talks = "двор";
    write_loc("11", room);
    write_pickup("каморка", {"always", "Нож", "aviable"});
    write_file("Data\\Levels\\Locations\\done.loc", {"Сделка состоялась."});
    write_items({{"Нож", 1}, {kGlass, 1}, {kBinoculars, 1}});
    write_partners({"Староста деревни", "староста"});
    write_talk("староста", "1", {{";1", "0", {"Принеси бинокль."}}});
    write_file("data\\levels\\Talks\\lsttalk.tlk",
               TalkFile{.blocks = {{";1", "0", {"Спасибо!"}}}}.lines());
    game->talkstate.questst = "live";
    game->hero.capacity = 100;
  }
  Lines carried() const {
    Lines names;
    for (int i = 1; i < game->inventory.invnext; ++i)
      names.push_back(game->inventory.invslots[i].name);
    return names;
  }
};

TEST_F(TalkQuest, PayingExactly1500LeavesNothingAndEndsTheQuest) {
  game->hero.money = 1499;
  enter("11");
  EXPECT_FALSE(ctl("Image28").visible);
  game->hero.money = 1500;
  enter("11");
  EXPECT_TRUE(ctl("Image28").visible);
  click("Image28");
  EXPECT_EQ(game->hero.money, 0);
  EXPECT_EQ(game->talkstate.questst, "done");
  EXPECT_EQ(pickup_lines("каморка"), (Lines{"always", "Нож", "aviable",  //
                                            "once", kBinoculars, "aviable"}));
  EXPECT_EQ(rows("PItems"), (Lines{"Нож", kBinoculars}));
  EXPECT_EQ(ctl("LocMemo").lines, (Lines{"Сделка состоялась."}));
  EXPECT_FALSE(ctl("Image28").visible);
  EXPECT_EQ(ctl("Label24").caption, "Деньги:  0 p");
}

TEST_F(TalkQuest, TheHermitOffersNoFightOnceTheDealIsDone) {
  LocFile room;
  room.place = "Каморка";
  room.pkp = "каморка";
  room.fgt = "отшельник";
  room.fgtstart = "button";
  room.fgtonce = "once";
  write_loc("11", room);
  write_file(combat::kFightMap, {});
  for (const char* state : {"live", "done"}) {
    SCOPED_TRACE(state);
    game->talkstate.questst = state;
    enter("11");
    EXPECT_EQ(ctl("Image21").visible, game->talkstate.questst == "live");
  }
  EXPECT_EQ(errors, Lines{});
}

TEST_F(TalkQuest, AFailedWriteOfTheGroundTakesNeitherMoneyNorGlass) {
  game->hero.money = 2000;
  carry(kGlass);
  enter("11");
  for (const char* button : {"Image28", "Image27"}) {
    SCOPED_TRACE(button);
    errors.clear();
    {
      test_support::ScopedWriteFault fault(root, 1);
      click(button);
    }
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(game->hero.money, 2000);
    EXPECT_EQ(carried(), (Lines{kGlass}));
    EXPECT_EQ(game->talkstate.questst, "live");
    EXPECT_EQ(pickup_lines("каморка"), (Lines{"always", "Нож", "aviable"}));
  }
}

TEST_F(TalkQuest, GivingTakesTheLastGlassAndNothingWhenNoneIsLeft) {
  carry(kGlass);
  carry("Нож");
  carry(kGlass);
  enter("11");
  EXPECT_TRUE(ctl("Image27").visible);
  click("Image27");
  EXPECT_EQ(carried(), (Lines{kGlass, "Нож"}));
  EXPECT_EQ(game->talkstate.questst, "done");
  EXPECT_EQ(rows("PItems"), (Lines{"Нож", kBinoculars}));
  EXPECT_FALSE(ctl("Image27").visible);

  // The button still on screen after the last glass was dropped: nothing.
  game->talkstate.questst = "live";
  game->inventory.invnext = 1;
  carry("Нож");
  const Lines ground = pickup_lines("каморка");
  click("Image27");
  EXPECT_EQ(carried(), (Lines{"Нож"}));
  EXPECT_EQ(game->talkstate.questst, "live");
  EXPECT_EQ(pickup_lines("каморка"), ground);
}

TEST_F(TalkQuest, TheElderWithTheBinocularsEndsTheGameThroughTheOutro) {
  enter("11");
  pick("tlk", 0);
  EXPECT_EQ(ctl("LocMemo").lines, (Lines{"Принеси бинокль."}));
  EXPECT_FALSE(game->talkstate.lasttalk);
  click("Image23");
  EXPECT_FALSE(game->shown(form::Screen::outro));

  carry(kBinoculars);
  game->form["Timer2"].start();
  pick("tlk", 0);
  ASSERT_TRUE(errors.empty()) << errors.front();
  EXPECT_EQ(ctl("LocMemo").lines, (Lines{"Спасибо!"}));
  EXPECT_TRUE(game->talkstate.lasttalk);
  click("Image23");
  EXPECT_TRUE(game->shown(form::Screen::outro));
  EXPECT_EQ(ctl("Image36").left, 190);
  EXPECT_FALSE(ctl("Timer2").enabled);
  EXPECT_TRUE(ctl("Timer8").enabled);
  EXPECT_EQ(game->soundtrack.musicfile, "");

  // The picture slides a pixel every 20 ms and starts the closing music ...
  advance(3480);
  EXPECT_EQ(ctl("Image36").left, 16);
  EXPECT_EQ(game->slides.outrostep, 1);
  advance(20);
  EXPECT_EQ(ctl("Image36").left, 15);
  EXPECT_EQ(game->slides.outrostep, 2);
  EXPECT_EQ(game->soundtrack.musicfile, "Data\\Music\\outro.mp3");
  EXPECT_EQ(ctl("outrmemo").top, 540);
  // ... then the text scrolls 14 pixels a second from 540 up to -1120.
  advance(60000);
  EXPECT_EQ(ctl("outrmemo").top, -300);
  advance(58520);
  EXPECT_TRUE(game->shown(form::Screen::outro));
  EXPECT_EQ(ctl("outrmemo").top, -1119);
  const int64_t end = rt.now + 20;
  advance(20);
  EXPECT_EQ(rt.now, end + 3000);  // three seconds before the menu
  EXPECT_TRUE(game->shown(form::Screen::menu));
  EXPECT_FALSE(game->shown(form::Screen::outro));
  EXPECT_FALSE(ctl("Timer8").enabled);
  EXPECT_TRUE(game->shown(form::Screen::location));
  EXPECT_FALSE(game->shown(form::Screen::talk));
  EXPECT_FALSE(ctl("Image23").visible);
  EXPECT_TRUE(ctl("Image36").visible);
  EXPECT_EQ(game->soundtrack.musicfile, "Data\\Music\\menu.mp3");
}

TEST_F(TalkQuest, EscapeOrAClickEndsTheOutroAsItsNaturalEndDoes) {
  enter("11");
  carry(kBinoculars);
  pick("tlk", 0);
  click("Image23");
  advance(125000);
  ASSERT_TRUE(game->shown(form::Screen::menu));
  auto everything = [this] {
    std::string all = game->soundtrack.musicfile + "\n" + std::to_string(game->slides.outrostep) +
                      " " + std::to_string(game->slides.outropos) + "\n";
    for (const form::Control& c : game->form.controls()) all += control_json(game->form, c) + "\n";
    return all;
  };
  const std::string natural = everything();
  for (const char* way : {"escape", "outro", "Image36", "outrmemo"}) {
    game->start_outro();
    scheduler->sync(rt.now);
    advance(way[0] == 'o' ? 40000 : 1000);  // while the picture slides or the text scrolls
    const int64_t before = rt.now;
    EXPECT_TRUE(std::string(way) == "escape" ? game->key(Key::escape) : game->click(way)) << way;
    EXPECT_EQ(rt.now, before + 3000) << way;
    EXPECT_EQ(everything(), natural) << way;
    EXPECT_FALSE(game->key(Key::escape)) << "the menu takes no Escape";
  }
}

}  // namespace
