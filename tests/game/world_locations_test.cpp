// Locations: loading a location file, showing it, and moving by the arrows.
#include <gtest/gtest.h>

#include "game/items/inventory_state.h"
#include "game/services/music_state.h"
#include "game/services/rmkin.h"
#include "game/world/location.h"
#include "game/world/talk_state.h"
#include "world_fixture.h"

namespace {

class WorldLocations : public world_test::WorldTest {};

std::vector<std::string> numbered(const std::string& prefix, int n) {
  std::vector<std::string> lines;
  for (int i = 1; i <= n; ++i) lines.push_back(prefix + std::to_string(i));
  return lines;
}

// ---- loading ----

TEST_F(WorldLocations, LoadReadsEveryFieldInFileOrder) {
  LocFile f;
  f.goup = "2";
  f.godown = "3";
  f.goleft = "";
  f.goright = "no";
  f.talks = "старик";
  f.trd = "Торговец";  // line 22
  f.pkp = "склад";     // line 24
  f.fgt = "волки";
  f.fgtstart = "now";
  f.fgtonce = "once";
  f.deadly = "yes";
  f.deadtime = "-3";
  f.hungrate = "0,5";
  f.thirstrate = "1.25";
  f.tiredrate = "2";
  f.radrate = "-0,75";
  f.desc = {" первая строка ", "", "третья"};
  write_file(std::string(kLocations) + "1.loc", f.lines());

  game->loadloc("1");
  const location& l = game->loc;
  EXPECT_EQ(l.locname, "Пустырь");
  EXPECT_EQ(l.locpic, f.locpic);
  EXPECT_EQ(l.place, "Двор");
  EXPECT_EQ(l.placepic, f.placepic);
  EXPECT_EQ(l.music, f.music);
  EXPECT_EQ(l.goup, "2");
  EXPECT_EQ(l.godown, "3");
  EXPECT_EQ(l.goleft, "");
  EXPECT_EQ(l.goright, "no");
  EXPECT_EQ(l.talks, "старик");
  EXPECT_EQ(l.trd, "Торговец");
  EXPECT_EQ(l.pkp, "склад");
  EXPECT_EQ(l.fgt, "волки");
  EXPECT_EQ(l.fgtstart, "now");
  EXPECT_EQ(l.fgtonce, "once");
  EXPECT_EQ(l.deadly, "yes");
  EXPECT_EQ(l.deadtime, -3);
  EXPECT_DOUBLE_EQ(l.hungrate, 0.5);
  EXPECT_DOUBLE_EQ(l.thirstrate, 1.25);
  EXPECT_DOUBLE_EQ(l.tiredrate, 2);
  EXPECT_DOUBLE_EQ(l.radrate, -0.75);
  ASSERT_EQ(l.desccount, 3);
  EXPECT_EQ(l.desc[1], " первая строка ");
  EXPECT_EQ(l.desc[2], "");
  EXPECT_EQ(l.desc[3], "третья");
}

TEST_F(WorldLocations, DescriptionCountFollowsTheFileAndStopsAtFifty) {
  LocFile f;
  f.desc = {};
  write_file(std::string(kLocations) + "none.loc", f.lines());  // ends after line 43
  game->loadloc("none");
  EXPECT_EQ(game->loc.desccount, 0);

  f.desc = numbered("d", 50);
  write_file(std::string(kLocations) + "fifty.loc", f.lines());
  game->loadloc("fifty");
  EXPECT_EQ(game->loc.desccount, 50);
  EXPECT_EQ(game->loc.desc[50], "d50");

  f.desc = numbered("e", 75);
  write_file(std::string(kLocations) + "long.loc", f.lines());
  game->loadloc("long");
  EXPECT_EQ(game->loc.desccount, 50);
  EXPECT_EQ(game->loc.desc[1], "e1");
  EXPECT_EQ(game->loc.desc[50], "e50");

  write_picture(f.locpic);
  write_picture(f.placepic);
  game->setloc();
  ASSERT_EQ(ctl("LocMemo").lines.size(), 50u);
  EXPECT_EQ(ctl("LocMemo").lines.back(), "e50");
}

TEST_F(WorldLocations, MissingFileLeavesTheLocationAsItWas) {
  LocFile f;
  write_loc("1", f);
  enter("1");
  const location before = game->loc;

  run([&] { game->loadloc("нет"); });
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("File not found"), std::string::npos);
  EXPECT_NE(errors[0].find("data\\levels\\locations\\нет.loc"), std::string::npos);
  EXPECT_EQ(game->loc.locname, before.locname);
  EXPECT_EQ(game->loc.desccount, before.desccount);
  EXPECT_EQ(game->loc.desc[1], before.desc[1]);
}

TEST_F(WorldLocations, BadNumberLeavesTheWholeRecordAsItWas) {
  LocFile a;
  a.locname = "Старое";
  a.hungrate = "3";
  a.desc = {"старое описание"};
  write_file(std::string(kLocations) + "a.loc", a.lines());
  game->loadloc("a");

  LocFile b;
  b.locname = "Новое";
  b.deadly = "yes";
  b.deadtime = "12,5";  // line 34 is not an integer
  b.hungrate = "7";
  b.desc = {"новое описание"};
  write_file(std::string(kLocations) + "b.loc", b.lines());
  run([&] { game->loadloc("b"); });

  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("'12,5' is not a valid integer value"), std::string::npos);
  EXPECT_NE(errors[0].find("line 34"), std::string::npos);
  EXPECT_EQ(game->loc.locname, "Старое");
  EXPECT_EQ(game->loc.deadly, "no");
  EXPECT_DOUBLE_EQ(game->loc.hungrate, 3);
  EXPECT_EQ(game->loc.desc[1], "старое описание");

  // A file cut short reads empty number lines, which do not convert either.
  std::vector<std::string> cut = b.lines();
  cut.resize(30);
  write_file(std::string(kLocations) + "cut.loc", cut);
  run([&] { game->loadloc("cut"); });
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_NE(errors[1].find("'' is not a valid integer value"), std::string::npos);
}

TEST_F(WorldLocations, NamesLeavingTheDataFolderAreRefused) {
  write_file("outside.loc", LocFile{}.lines());
  run([&] { game->loadloc("..\\..\\..\\outside"); });
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("leaves the data folder"), std::string::npos);
  EXPECT_EQ(game->loc.locname, "");
}

// ---- showing ----

TEST_F(WorldLocations, ShowsCaptionsPicturesArrowsAndDescription) {
  LocFile f;
  f.goup = "2";
  f.godown = "no";
  f.goleft = "";
  f.goright = "No";  // only the exact "no" means no exit
  f.trd = "Торговец";
  write_loc("1", f);
  ctl("Image21").visible = true;
  ctl("LocMemo").add("старый разговор");

  enter("1");
  ASSERT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(ctl("Label7").caption, "Локация: Пустырь");
  EXPECT_EQ(ctl("Label6").caption, "Двор");
  EXPECT_EQ(ctl("Image2").picture_file, f.locpic);
  EXPECT_FALSE(ctl("Image2").picture.isNull());
  EXPECT_EQ(ctl("Image1").picture_file, f.placepic);
  EXPECT_TRUE(ctl("Image15").visible);
  EXPECT_FALSE(ctl("Image16").visible);
  EXPECT_TRUE(ctl("Image17").visible);
  EXPECT_TRUE(ctl("Image18").visible);
  EXPECT_TRUE(ctl("Image20").visible);
  EXPECT_FALSE(ctl("Image21").visible);
  EXPECT_FALSE(ctl("Label42").visible);
  EXPECT_FALSE(ctl("tlk").visible);
  EXPECT_EQ(rows("PItems"), std::vector<std::string>{""});
  EXPECT_EQ(ctl("LocMemo").lines, f.desc);

  f.trd = "no";
  write_loc("1", f);
  enter("1");
  EXPECT_FALSE(ctl("Image20").visible);
}

TEST_F(WorldLocations, MissingPictureStopsTheRefreshAtThatStep) {
  LocFile f;
  f.placepic = "Data\\Sprites\\Places\\gone.bmp";
  write_file(std::string(kLocations) + "1.loc", f.lines());
  write_picture(f.locpic);
  enter("1");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("gone.bmp"), std::string::npos);
  EXPECT_EQ(ctl("Label7").caption, "Локация: Пустырь");  // before the pictures
  EXPECT_TRUE(ctl("LocMemo").lines.empty());             // after them
}

TEST_F(WorldLocations, QuestButtonsOfTheBackRoom) {
  LocFile f;
  f.place = "Каморка";
  write_loc("k", f);
  game->talkstate.questst = "live";

  game->hero.money = 1499;
  enter("k");
  EXPECT_FALSE(ctl("Image28").visible);
  EXPECT_FALSE(ctl("Image27").visible);

  game->hero.money = 1500;
  carry("Камень");
  carry("Стеклышко света");
  enter("k");
  EXPECT_TRUE(ctl("Image28").visible);
  EXPECT_TRUE(ctl("Image27").visible);

  game->talkstate.questst = "done";
  write_file("Data\\Levels\\Locations\\done.loc", {"Дело сделано."});
  enter("k");
  EXPECT_FALSE(ctl("Image28").visible);
  EXPECT_FALSE(ctl("Image27").visible);

  // Elsewhere the buttons stay hidden whatever the money and inventory.
  game->talkstate.questst = "live";
  f.place = "каморка";
  write_loc("k", f);
  enter("k");
  EXPECT_FALSE(ctl("Image28").visible);
  EXPECT_FALSE(ctl("Image27").visible);
}

TEST_F(WorldLocations, InventorySearchLooksOnlyAtUsedSlots) {
  carry("Нож");
  carry("Стеклышко света");
  EXPECT_TRUE(game->itmsrsh("Стеклышко света"));
  EXPECT_FALSE(game->itmsrsh("стеклышко света"));
  game->inventory.invnext = 2;  // slot 2 is no longer in use
  EXPECT_FALSE(game->itmsrsh("Стеклышко света"));
  EXPECT_TRUE(game->itmsrsh("Нож"));
}

TEST_F(WorldLocations, FinishedQuestReplacesTheBackRoomDescription) {
  LocFile f;
  f.place = "Каморка";
  write_loc("k", f);
  write_file("Data\\Levels\\Locations\\dead.loc", {"Тело остыло.", "Тихо."});
  write_file("Data\\Levels\\Locations\\done.loc", {"Всё кончено."});

  game->talkstate.questst = "dead";
  enter("k");
  EXPECT_EQ(ctl("LocMemo").lines, (std::vector<std::string>{"Тело остыло.", "Тихо."}));
  game->talkstate.questst = "done";
  enter("k");
  EXPECT_EQ(ctl("LocMemo").lines, std::vector<std::string>{"Всё кончено."});
  game->talkstate.questst = "live";
  enter("k");
  EXPECT_EQ(ctl("LocMemo").lines, f.desc);

  // A missing text is an error at its step: the memo is left empty.
  std::filesystem::remove(*root.find("Data\\Levels\\Locations\\dead.loc"));
  game->talkstate.questst = "dead";
  enter("k");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("dead.loc"), std::string::npos);
  EXPECT_TRUE(ctl("LocMemo").lines.empty());
}

TEST_F(WorldLocations, PartnersListShowsNamesOnly) {
  LocFile f;
  f.talks = "бар";
  write_loc("1", f);
  write_file("data\\levels\\Talks\\бар.tlk", {"Бармен", "barman", "Пьяница", "drunk"});
  ctl("tlk").row = 1;
  enter("1");
  EXPECT_TRUE(ctl("Label42").visible);
  EXPECT_TRUE(ctl("tlk").visible);
  EXPECT_EQ(rows("tlk"), (std::vector<std::string>{"Бармен", "Пьяница"}));

  write_file("data\\levels\\Talks\\бар.tlk", {});
  enter("1");
  EXPECT_EQ(rows("tlk"), std::vector<std::string>{""});
  EXPECT_TRUE(ctl("tlk").visible);

  f.talks = "никого";
  write_loc("1", f);
  enter("1");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("никого.tlk"), std::string::npos);
}

TEST_F(WorldLocations, DeadlyLocationArmsTheCountdown) {
  LocFile f;
  f.deadly = "yes";
  f.deadtime = "7";
  write_loc("яма", f);
  enter("яма");
  EXPECT_EQ(game->deadcount, 7);
  EXPECT_TRUE(ctl("Timer4").enabled);

  // A refresh restarts the countdown from the full time.
  game->deadcount = 2;
  const uint64_t generation = ctl("Timer4").generation;
  run([&] { game->setloc(); });
  EXPECT_EQ(game->deadcount, 7);
  EXPECT_GT(ctl("Timer4").generation, generation);

  f.deadly = "Yes";
  f.deadtime = "99";
  write_loc("поле", f);
  enter("поле");
  EXPECT_FALSE(ctl("Timer4").enabled);
  EXPECT_EQ(game->deadcount, 7);
}

TEST_F(WorldLocations, MusicRestartsOnlyForADifferentText) {
  write_raw("Data\\Music\\wind.mp3", "not really music");
  LocFile a;
  a.music = "Data\\Music\\wind.mp3";
  a.goup = "b";
  write_loc("a", a);
  LocFile b = a;
  b.goup = "c";
  write_loc("b", b);
  LocFile c = a;
  c.music = "data\\music\\WIND.mp3";  // the same file, named differently
  write_loc("c", c);

  enter("a");
  EXPECT_EQ(game->soundtrack.curmusic, "Data\\Music\\wind.mp3");
  ASSERT_EQ(music.streams.size(), 1u);
  EXPECT_TRUE(music.streams[0].playing);
  EXPECT_TRUE(music.streams[0].loop);

  enter("b");
  EXPECT_EQ(music.streams.size(), 1u);
  EXPECT_TRUE(music.streams[0].playing);

  enter("c");
  ASSERT_EQ(music.streams.size(), 2u);
  EXPECT_FALSE(music.streams[0].playing);
  EXPECT_TRUE(music.streams[1].playing);
  EXPECT_EQ(game->soundtrack.curmusic, "data\\music\\WIND.mp3");

  // An emptied soundtrack.curmusic restarts the same music.
  game->soundtrack.curmusic.clear();
  enter("c");
  EXPECT_EQ(music.streams.size(), 3u);
}

TEST_F(WorldLocations, MissingMusicIsSilenceWithoutAnError) {
  LocFile f;
  f.music = "Data\\Music\\none.mp3";
  write_loc("1", f);
  enter("1");
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(game->soundtrack.curmusic, "Data\\Music\\none.mp3");
  EXPECT_EQ(ctl("LocMemo").lines, f.desc);
  EXPECT_EQ(music.playing(), "");
}

TEST_F(WorldLocations, AFightNotStartingNowIsOfferedThroughTheButton) {
  LocFile f;
  f.fgt = "волки";
  f.fgtstart = "later";
  write_loc("1", f);
  enter("1");
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(ctl("Image21").visible);
  EXPECT_EQ(ctl("LocMemo").lines, f.desc);
}

// ---- moving ----

TEST_F(WorldLocations, ArrowPressesItsSpriteAndMoves) {
  write_arrows();
  LocFile a;
  a.locname = "Начало";
  a.goright = "b";
  a.goup = "a";
  write_loc("a", a);
  LocFile b;
  b.locname = "Конец";
  b.goleft = "a";
  write_loc("b", b);
  enter("a");

  const int64_t start = rt.now;
  click("Image18");
  ASSERT_TRUE(errors.empty()) << errors[0];
  EXPECT_EQ(rt.now - start, 200);  // no wait after the release
  EXPECT_EQ(ctl("Image18").picture_file, "Data\\Sprites\\Arrows\\right_n.bmp");
  EXPECT_EQ(game->loc.locname, "Конец");
  EXPECT_EQ(ctl("Label7").caption, "Локация: Конец");
  EXPECT_FALSE(ctl("Image18").visible);

  click("Image17");
  EXPECT_EQ(game->loc.locname, "Начало");
  EXPECT_EQ(ctl("Image17").picture_file, "Data\\Sprites\\Arrows\\left_n.bmp");

  // An exit naming the location itself reloads it.
  ctl("LocMemo").clear();
  click("Image15");
  EXPECT_EQ(game->loc.locname, "Начало");
  EXPECT_EQ(ctl("LocMemo").lines, a.desc);
}

TEST_F(WorldLocations, EmptyExitShowsTheArrowButGoesNowhere) {
  write_arrows();
  LocFile a;
  a.godown = "";
  write_loc("a", a);
  enter("a");
  EXPECT_TRUE(ctl("Image16").visible);

  click("Image16");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("data\\levels\\locations\\.loc"), std::string::npos);
  EXPECT_EQ(game->loc.locname, "Пустырь");
  EXPECT_EQ(ctl("Image16").picture_file, "Data\\Sprites\\Arrows\\down_n.bmp");
}

TEST_F(WorldLocations, BadTargetFileDoesNotShowTheHalfLoadedLocation) {
  write_arrows();
  LocFile a;
  a.goup = "b";
  write_loc("a", a);
  LocFile b;
  b.locname = "Сломанная";
  b.radrate = "много";
  write_loc("b", b);
  enter("a");

  click("Image15");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(game->loc.locname, "Пустырь");  // the bad file changed nothing
  EXPECT_EQ(ctl("Label7").caption, "Локация: Пустырь");
}

}  // namespace
