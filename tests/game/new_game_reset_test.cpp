// Death and the outro leave nothing of one game to the next: for every screen
// a player can have open at death, and after the outro, a new game shows and
// holds exactly what a new game in a freshly started program does.
#include <string>

#include "game/headless_host.h"
#include "game/json_view.h"
#include "game/services/rmkin.h"
#include "game/world/talk_state.h"
#include "support/game_fixture.h"

namespace {

class NewGameReset : public GameTest {
 protected:
  NewGameReset() { use_demo_data(); }

  // A started program on the scratch data, on its menu.
  std::unique_ptr<HeadlessHost> started() {
    auto host = std::make_unique<HeadlessHost>(
        root, [this](const std::string& message) { errors.push_back(message); });
    host->rt.seed = 7;
    host->start();
    host->wait(3000);  // the menu's animation
    return host;
  }
  static void new_game(HeadlessHost& h, const std::string& name) {
    h.type("Edit2", name);
    h.click("BitBtn1");
  }
  // Every control and the records; the music channel's stream handle is a
  // counter of the channel, not of the game.
  static std::string view(const Game& g) {
    std::string text = state_json(g);
    const std::string key = "\"musicstream\":";
    if (const size_t at = text.find(key); at != std::string::npos)
      text.erase(at, text.find_first_not_of("0123456789", at + key.size()) - at);
    for (const form::Control& c : g.form.controls()) text += "\n" + control_json(g.form, c);
    return text;
  }
};

struct Ending {
  const char* what;
  form::Screen open;                        // the screen open at the end
  std::function<void(HeadlessHost&)> play;  // from the first location to that screen
};

TEST_F(NewGameReset, AfterDeathOnEveryScreenAndAfterTheOutroANewGameIsAFreshOne) {
  const auto to_square = [](HeadlessHost& h) {
    h.click("Image15");
    h.click("Image15");
    h.click("Image20");
  };
  const auto to_elder = [](HeadlessHost& h) {
    h.click("Image15");
    h.click("Image15");
    h.click("Image17");
    h.click("Image15");
    h.pick("tlk", 0);
  };
  using form::Screen;
  const Ending endings[] = {
      {"trade", Screen::trading,
       [&](HeadlessHost& h) {
         to_square(h);
         h.pick("PInventory", 0);
       }},
      {"trade detail view", Screen::trade_view,
       [&](HeadlessHost& h) {
         to_square(h);
         h.pick("StringGrid1", 3);
         h.click("Image29");
       }},
      {"conversation", Screen::talk, to_elder},
      {"level-up", Screen::levelup,
       [&](HeadlessHost& h) {
         h.game.hero.exp = h.game.hero.nextexp;
         h.run([&] { h.game.levupst(); });
         h.click("Button16");
       }},
      {"item viewer", Screen::viewer, [&](HeadlessHost& h) { h.pick("PInventory", 0); }},
      {"fight", Screen::fight,
       [&](HeadlessHost& h) {
         h.run([&] { h.game.startfight("pes", "pes", "no"); });
         h.wait(300);
       }},
      {"outro", Screen::outro,
       [&](HeadlessHost& h) {
         to_elder(h);
         h.game.talkstate.lasttalk = true;  // the final conversation
         h.click("Image23");
       }},
  };

  const std::unique_ptr<HeadlessHost> fresh = started();
  new_game(*fresh, "Второй");
  const std::string fresh_at_intro = view(fresh->game);
  fresh->click("BitBtn5");
  const std::string fresh_in_play = view(fresh->game);

  for (const Ending& e : endings) {
    SCOPED_TRACE(e.what);
    const std::unique_ptr<HeadlessHost> h = started();
    new_game(*h, "Первый");
    h->click("BitBtn5");
    e.play(*h);
    ASSERT_TRUE(h->game.shown(e.open));
    if (e.open != Screen::outro) {
      h->game.hero.health = 0;
      h->wait(1000);  // the clock's tick
      ASSERT_TRUE(h->game.shown(Screen::death));
    }
    // The death screen returns to the menu after a few seconds, the outro
    // after its two minutes of text.
    h->wait(e.open == Screen::outro ? 130000 : 20000);
    ASSERT_TRUE(h->game.shown(Screen::menu));
    new_game(*h, "Второй");
    EXPECT_EQ(view(h->game), fresh_at_intro);
    h->click("BitBtn5");
    EXPECT_EQ(view(h->game), fresh_in_play);
  }
  EXPECT_TRUE(errors.empty()) << errors.front();
}

}  // namespace
