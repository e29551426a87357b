// Window creation, the menu's opening animation and the about text.
#include "game/services/music_state.h"
#include "support/game_fixture.h"

class MenuTest : public GameTest {
 protected:
  void SetUp() override {
    game->FormCreate();
    scheduler->sync(rt.now);
  }
};

TEST_F(MenuTest, CreationPlacesTheWindowAndOpensTheMusic) {
  EXPECT_EQ(game->form.screen_left, 10);
  EXPECT_EQ(game->form.screen_top, 10);
  EXPECT_EQ(game->menustep, 1);
  EXPECT_EQ(music.volume, 30);
  ASSERT_GE(music.log.size(), 3u);
  EXPECT_EQ(music.log[0], "init");
  EXPECT_EQ(music.log[2], "start");
}

TEST_F(MenuTest, TheTitleRisesOnePixelATickThenButtonsAppearHalfASecondApart) {
  advance(144);
  EXPECT_EQ(ctl("Label43").top, 41);
  EXPECT_EQ(game->menustep, 1);
  advance(1);
  EXPECT_EQ(ctl("Label43").top, 40);
  EXPECT_EQ(ctl("Timer5").interval, 500);
  EXPECT_EQ(game->menustep, 2);

  advance(499);
  EXPECT_FALSE(ctl("BitBtn3").visible);
  advance(1);
  EXPECT_TRUE(ctl("BitBtn3").visible);
  EXPECT_FALSE(ctl("BitBtn2").visible);
  advance(500);
  EXPECT_TRUE(ctl("BitBtn2").visible);
  EXPECT_FALSE(ctl("BitBtn1").visible);  // not before step 4
  advance(499);
  EXPECT_FALSE(ctl("BitBtn1").visible);
  advance(1);
  EXPECT_TRUE(ctl("BitBtn1").visible);
  EXPECT_TRUE(ctl("Edit2").visible);
  EXPECT_TRUE(ctl("Label45").visible);
  EXPECT_EQ(game->form.focus, "Edit2");
  EXPECT_FALSE(ctl("Image33").visible);
  EXPECT_TRUE(game->soundtrack.musicfile.empty());

  advance(500);
  EXPECT_TRUE(ctl("Image33").visible);
  EXPECT_TRUE(ctl("Image34").visible);
  EXPECT_TRUE(ctl("Label44").visible);
  EXPECT_FALSE(ctl("Timer5").enabled);
  EXPECT_EQ(game->menustep, 6);
  EXPECT_EQ(game->soundtrack.musicfile, "Data\\Music\\menu.mp3");
  // The menu music starts without a stop before it, and plays once.
  EXPECT_EQ(music.log.back(), "play " + std::to_string(game->soundtrack.musicstream) + " once");
  advance(5000);
  EXPECT_EQ(ctl("Label43").top, 40);
}

TEST_F(MenuTest, AboutTextOpensAndCloses) {
  advance(3000);
  click("BitBtn2");
  EXPECT_TRUE(ctl("Memo3").visible);
  EXPECT_TRUE(ctl("BitBtn4").visible);
  EXPECT_EQ(game->form.focus, "BitBtn4");
  for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "Label45", "Edit2"})
    EXPECT_FALSE(ctl(name).visible) << name;
  click("Memo3");
  EXPECT_EQ(game->form.focus, "BitBtn4");
  click("BitBtn4");
  EXPECT_FALSE(ctl("Memo3").visible);
  EXPECT_FALSE(ctl("BitBtn4").visible);
  for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "Label45", "Edit2"})
    EXPECT_TRUE(ctl(name).visible) << name;
  EXPECT_EQ(game->form.focus, "Edit2");
}

TEST_F(MenuTest, ExitEndsTheProgram) {
  advance(3000);
  click("BitBtn3");
  EXPECT_TRUE(rt.quit_requested);
}

TEST_F(MenuTest, OnlyWhatIsOnScreenCanBeClicked) {
  const form::Form& f = game->form;
  EXPECT_FALSE(f.onscreen(f["BitBtn1"]));  // hidden until the animation shows it
  EXPECT_FALSE(f.onscreen(f["Label19"]));  // under the menu
  EXPECT_FALSE(f.onscreen(f["BitBtn5"]));  // intro parked
  advance(3000);
  EXPECT_TRUE(f.onscreen(f["BitBtn1"]));
  ctl("BitBtn1").enabled = false;
  EXPECT_FALSE(f.onscreen(f["BitBtn1"]));
}

TEST_F(MenuTest, TypingIsCutToTwentyCharacters) {
  advance(3000);
  game->type("Edit2", "Абвгдеёжзийклмнопрстуфх");
  EXPECT_EQ(ctl("Edit2").caption, "Абвгдеёжзийклмнопрст");
}

class WindowSpritesTest : public GameTest {};

TEST_F(WindowSpritesTest, DesignSpritesLoadAtCreationAndABrokenOneIsReported) {
  write_picture("Data\\Sprites\\Arrows\\up_n.bmp", 40, 35);
  write_file("Data\\Sprites\\Arrows\\down_n.bmp", {"not a picture"});
  game->handle([this] { game->FormCreate(); });
  EXPECT_EQ(ctl("Image15").picture.width(), 40);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("Data\\Sprites\\Arrows\\down_n.bmp"), std::string::npos) << errors[0];
  // The window itself was made before the sprites, and missing sprites are blank.
  EXPECT_EQ(game->form.screen_left, 10);
  EXPECT_EQ(music.volume, 30);
  EXPECT_TRUE(ctl("Image17").picture.isNull());
}
