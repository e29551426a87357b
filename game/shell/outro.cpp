// The outro: the closing picture slides in from the right, the closing text
// scrolls up, and the main menu returns.
#include "core/checked.h"
#include "core/rounding.h"
#include "game/game.h"
#include "game/shell/data_paths.h"

namespace {

constexpr int kPictureStart = 190;
constexpr int kPictureStop = 15;
constexpr double kTextStart = 540;
constexpr double kTextStep = 0.2;
constexpr int kTextEnd = -1120;

}  // namespace

void Game::start_outro() {
  form["Image36"].left = kPictureStart;
  show(form::Screen::outro);
  outrostep = 1;
  outropos = kTextStart;
  form["outrmemo"].top = static_cast<int>(kTextStart);  // below the window until it scrolls
  stop_music();
  form["Timer2"].stop();
  // A lethal place's countdown would otherwise end the game a second time
  // under the closing text.
  form["Timer4"].stop();
  form["Timer8"].start();
}

void Game::Timer8Timer() {
  form::Control& picture = form["Image36"];
  if (outrostep == 1) {
    picture.left -= 1;
    if (picture.left <= kPictureStop) {
      start_track(shell::kOutroMusic, true);
      outrostep = 2;
    }
  }
  if (outrostep != 2) return;
  outropos -= kTextStep;
  form::Control& text = form["outrmemo"];
  text.top = core::round32(core::Round(outropos));
  if (text.top > kTextEnd) return;

  park(form::Screen::talk);
  show(form::Screen::location);
  // The conversation's OK button would otherwise greet the next game.
  form["Image23"].visible = false;
  form["Timer8"].stop();
  picture.visible = false;
  stop_music();
  rt.wait(3000);
  show(form::Screen::menu);
  picture.visible = true;
  park(form::Screen::outro);
  start_track(shell::kMenuMusic, false);
}
