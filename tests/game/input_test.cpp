// The one input rule: clicks, keys and double clicks as every host sends them.
#include <functional>
#include <set>

#include "game/screens/slides.h"
#include "game/world/location.h"
#include "support/game_fixture.h"

class InputTest : public GameTest {
 protected:
  void SetUp() override {
    use_demo_data();
    game->FormCreate();
    scheduler->sync(rt.now);
  }
  // The menu up, a name typed, the game started and the intro skipped.
  void play() {
    advance(3000);
    ASSERT_TRUE(game->type("Edit2", "Тест"));
    click("BitBtn1");
    click("BitBtn5");
    ASSERT_TRUE(errors.empty()) << errors[0];
    ASSERT_EQ(game->loc.place, "Разбитая остановка");
  }
};

TEST_F(InputTest, NothingAPlayerCannotSeeTakesAClickTypingOrAKey) {
  // Before the animation shows the menu's buttons and box.
  EXPECT_FALSE(game->click("BitBtn1"));
  EXPECT_FALSE(game->type("Edit2", "Тест"));
  EXPECT_EQ(ctl("Edit2").caption, "Roamkin");
  EXPECT_FALSE(game->pick("PItems", 0));  // under the menu
  EXPECT_FALSE(game->key(Key::up));
  EXPECT_EQ(game->slides.introstep, 0);
}

TEST_F(InputTest, ArrowKeysRunTheArrowsOwnPress) {
  play();
  const int64_t start = rt.now;
  EXPECT_TRUE(game->key(Key::up));
  EXPECT_EQ(rt.now - start, 200);  // pressed sprite, no wait after the release
  EXPECT_EQ(game->loc.place, "Главная улица");
  EXPECT_EQ(ctl("Image15").picture_file, "Data\\Sprites\\Arrows\\up_n.bmp");
  ctl("Image16").enabled = false;
  EXPECT_FALSE(game->key(Key::down));
  EXPECT_EQ(game->loc.place, "Главная улица");
}

TEST_F(InputTest, EnterPressesTheFocusedButtonOnScreenButNotTheEditBox) {
  advance(3000);
  EXPECT_TRUE(game->typing());
  EXPECT_FALSE(game->key(Key::enter));  // Enter in the name box does nothing
  click("BitBtn2");
  EXPECT_EQ(game->form.focus, "BitBtn4");
  EXPECT_FALSE(game->typing());
  EXPECT_TRUE(game->key(Key::enter));  // closes the about text
  EXPECT_FALSE(ctl("Memo3").visible);
  EXPECT_EQ(game->form.focus, "Edit2");
}

TEST_F(InputTest, TheSecondClickOfADoubleClickStaysOnItsControl) {
  advance(3000);
  click("BitBtn2");
  const form::Control* ok = game->form.control_at(397, 440);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->name, "BitBtn4");
  EXPECT_TRUE(game->click("BitBtn4"));
  EXPECT_EQ(game->form.control_at(397, 440)->name, "BitBtn3");
  EXPECT_FALSE(game->click("BitBtn3", Press::second_of_double));
  EXPECT_FALSE(game->form.closed);
  // A double click on one control that stays is two clicks on it.
  EXPECT_TRUE(game->click("BitBtn2"));
  EXPECT_TRUE(game->click("Memo3"));
  EXPECT_TRUE(game->click("Memo3", Press::second_of_double));
  // A plain click on the exit still ends the game.
  EXPECT_TRUE(game->click("BitBtn4"));
  EXPECT_TRUE(game->click("BitBtn3"));
  EXPECT_TRUE(game->form.closed);
}

TEST_F(InputTest, ADoubleClickOnAListIsTwoPicks) {
  play();
  click("Image25");  // use mode: each pick eats what lies in its row
  const std::vector<std::string> before = ctl("PInventory").rows;
  EXPECT_TRUE(game->pick("PInventory", 1));
  const std::vector<std::string> after_one = ctl("PInventory").rows;
  ASSERT_NE(after_one, before);
  EXPECT_TRUE(game->pick("PInventory", 1, Press::second_of_double));
  EXPECT_NE(ctl("PInventory").rows, after_one);
  // Still only on the list the first click hit.
  EXPECT_FALSE(game->pick("PItems", 0, Press::second_of_double));
}

TEST_F(InputTest, MuteTogglesTheVolumeOfTheMusic) {
  EXPECT_TRUE(game->key(Key::mute));
  EXPECT_EQ(music.volume, 0);
  EXPECT_TRUE(game->key(Key::mute));
  EXPECT_EQ(music.volume, Game::kMusicVolume);
}

TEST_F(InputTest, ARadioButtonChecksItselfAndUnchecksItsGroupOnAChange) {
  for (const char* name : {"R1", "R2"}) {
    form::Control r;
    r.name = name;
    r.kind = form::Kind::Radio;
    r.parent = "menu";
    r.left = std::string(name) == "R1" ? 10 : 100;
    r.width = r.height = 20;
    game->form.add(r);
  }
  ctl("R1").checked = true;
  EXPECT_TRUE(game->click("R2"));
  EXPECT_FALSE(ctl("R1").checked);
  EXPECT_TRUE(ctl("R2").checked);
  EXPECT_EQ(game->form.focus, "R2");
  game->form.focus = "R1";
  EXPECT_TRUE(game->key(Key::space));
  EXPECT_TRUE(ctl("R1").checked);
  EXPECT_FALSE(ctl("R2").checked);
}

// The click and timer tables against the window's design: every row names a
// control of the kind it says, one a player can click (a timer row: a timer),
// each once; every picture button and every timer of the window has its row.
TEST(HandlerTablesTest, EveryRowNamesAControlOfItsKind) {
  const form::Form window = form::build_form();
  std::set<std::string> rows;
  for (const auto* table : {&Game::click_table(), &Game::timer_table()}) {
    const bool timers = table == &Game::timer_table();
    for (const Game::Handler& h : *table) {
      SCOPED_TRACE(h.control);
      EXPECT_TRUE(rows.insert(h.control).second) << "a second row";
      const form::Control* c = window.find(h.control);
      ASSERT_NE(c, nullptr) << "no such control";
      EXPECT_EQ(c->kind, h.kind);
      const bool clickable = h.kind != form::Kind::Timer && h.kind != form::Kind::Edit;
      EXPECT_EQ(clickable, !timers) << (timers ? "not a timer" : "not clickable");
    }
  }
  for (const form::Control& c : window.controls()) {
    const bool needs_row = c.kind == form::Kind::Timer ||
                           (c.kind == form::Kind::Image && c.cursor == form::Cursor::hand);
    EXPECT_TRUE(!needs_row || rows.count(c.name)) << c.name << " has no handler";
  }
}

// One rule for programming errors in every host: a name that is no control
// (or no timer), or a handler asking the window for one, is reported as an
// internal error; the event ends there and the game goes on.
TEST_F(InputTest, AProgrammingErrorIsReportedAndTheGameGoesOn) {
  play();
  game->on_error = [this](const std::string& m) { errors.push_back(m); };  // expected here
  const std::string place = game->loc.place;
  const struct {
    const char* what;
    std::function<bool()> event;
    const char* message;
  } rows[] = {
      {"click", [&] { return game->click("NoSuchControl"); }, "no control named NoSuchControl"},
      {"pick", [&] { return game->pick("NoSuchList", 0); }, "no control named NoSuchList"},
      {"type", [&] { return game->type("NoSuchEdit", "x"); }, "no control named NoSuchEdit"},
      {"tick", [&] { return game->tick("NoSuchTimer"), false; }, "no timer named NoSuchTimer"},
      {"handler",
       [&] {
         game->handle([&] {
           ctl("Label7").caption = "changed";
           ctl("NoSuchControl").visible = false;
         });
         return false;
       },
       "no control named NoSuchControl"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    errors.clear();
    EXPECT_FALSE(r.event());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], std::string(Game::kInternalError) + r.message);
  }
  EXPECT_EQ(ctl("Label7").caption, "changed");  // what the handler did before stays
  EXPECT_TRUE(game->key(Key::up));              // and the game goes on
  EXPECT_NE(game->loc.place, place);
}
