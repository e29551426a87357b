// The intro slides and their end.
#include <algorithm>

#include "game/screens/slides.h"
#include "game/services/music_state.h"
#include "game/world/location.h"
#include "support/game_fixture.h"

class IntroTest : public GameTest {
 protected:
  void SetUp() override {
    write_minimal_game();
    for (int i = 1; i <= 4; ++i)
      write_picture("Data\\Sprites\\Intro\\" + std::to_string(i) + ".jpg", 486, 345);
    game->FormCreate();
    scheduler->sync(rt.now);
    advance(3000);
    game->type("Edit2", "Тест");
    click("BitBtn1");
  }
  bool music_played(const std::string& file) {
    return std::any_of(music.streams.begin(), music.streams.end(),
                       [&](const auto& s) { return s.file.find(file) != std::string::npos; });
  }
};

TEST_F(IntroTest, FiveSlidesInNinetySecondsThenTheFirstLocation) {
  advance(19999);
  EXPECT_EQ(game->slides.introstep, 1);
  advance(1);
  EXPECT_EQ(game->slides.introstep, 2);
  EXPECT_EQ(game->soundtrack.musicfile, "Data\\Music\\intro.mp3");
  EXPECT_EQ(music.log.back(), "play " + std::to_string(game->soundtrack.musicstream) + " once");
  EXPECT_EQ(ctl("Memo4").lines, std::vector<std::string>{"Слайд 2"});
  EXPECT_TRUE(ctl("Image35").visible);
  EXPECT_EQ(ctl("Image35").picture_file, "Data\\Sprites\\Intro\\1.jpg");
  EXPECT_EQ(ctl("Timer6").interval, 15000);
  advance(15000);
  EXPECT_EQ(ctl("Image35").picture_file, "Data\\Sprites\\Intro\\2.jpg");
  EXPECT_EQ(ctl("Timer6").interval, 17000);
  advance(17000);
  EXPECT_EQ(ctl("Timer6").interval, 19000);
  advance(19000);
  EXPECT_EQ(game->slides.introstep, 5);
  EXPECT_EQ(ctl("Memo4").lines, std::vector<std::string>{"Слайд 5"});
  EXPECT_EQ(ctl("intro").left, 0);
  advance(19000);  // 90 s in all
  EXPECT_EQ(ctl("intro").left, 2000);
  EXPECT_FALSE(ctl("Timer6").enabled);
  EXPECT_TRUE(ctl("Timer2").enabled);
  EXPECT_EQ(game->loc.place, "Перекресток");
  EXPECT_TRUE(errors.empty()) << errors[0];
}

TEST_F(IntroTest, SkippingInTheFirstSlideNeverPlaysTheIntroMusic) {
  advance(5000);
  click("BitBtn5");
  EXPECT_FALSE(music_played("intro.mp3"));
  EXPECT_EQ(ctl("intro").left, 2000);
  EXPECT_TRUE(ctl("Timer2").enabled);
  EXPECT_FALSE(ctl("Timer6").enabled);
  EXPECT_EQ(game->loc.place, "Перекресток");
  advance(100000);
  EXPECT_FALSE(music_played("intro.mp3"));
}

TEST_F(IntroTest, SkippingLaterGivesTheSameStateAsTheNaturalEnd) {
  advance(40000);
  click("BitBtn5");
  EXPECT_EQ(ctl("intro").left, 2000);
  EXPECT_TRUE(ctl("Timer2").enabled);
  EXPECT_FALSE(ctl("Timer6").enabled);
  EXPECT_EQ(game->loc.place, "Перекресток");
  EXPECT_EQ(game->soundtrack.curmusic, "Data\\Music\\none.mp3");
}

TEST_F(IntroTest, AMissingSlideTextIsReportedAndTheNextSlideStillComes) {
  std::filesystem::remove(*root.find("Data\\Intro\\3.txt"));
  advance(20000 + 15000);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "File not found (Data\\Intro\\3.txt)");
  EXPECT_EQ(game->slides.introstep, 3);
  advance(17000);
  EXPECT_EQ(game->slides.introstep, 4);
  EXPECT_EQ(ctl("Memo4").lines, std::vector<std::string>{"Слайд 4"});
}

TEST_F(IntroTest, MouseDownInTheTextMovesTheFocusToSkip) {
  click("Memo4");
  EXPECT_EQ(game->form.focus, "BitBtn5");
}
