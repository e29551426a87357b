// The outro: the closing picture slides in from the right, the closing text
// scrolls up, and the main menu returns. Both move by the time since the
// outro started, so the pace is the same in every host whatever its timer
// really manages; Escape or a click on the outro ends it at once, as its
// natural end does.
#include <algorithm>

#include "core/checked.h"
#include "core/rounding.h"
#include "game/game.h"
#include "game/screens/slides.h"
#include "game/services/data_paths.h"
#include "game/world/location.h"

namespace {

constexpr int kPictureStart = 190;
constexpr int kPictureStop = 15;
// One pixel every 20 ms: the picture is in place after 3.5 seconds.
constexpr int64_t kPictureMsPerPixel = 20;
constexpr int64_t kPictureMs = (kPictureStart - kPictureStop) * kPictureMsPerPixel;
constexpr double kTextStart = 540;
// 14 pixels a second: the 1660 pixels of the text take about two minutes.
constexpr double kTextPixelsPerMs = 0.014;
constexpr int kTextEnd = -1120;

}  // namespace

void Game::start_outro() {
  form["Image36"].left = kPictureStart;
  show(form::Screen::outro);
  slides.outrostep = 1;
  slides.outropos = kTextStart;
  slides.outrostart = rt.now;
  form["outrmemo"].top = static_cast<int>(kTextStart);  // below the window until it scrolls
  stop_music();
  form["Timer2"].stop();
  // A lethal place's countdown would otherwise end the game a second time
  // under the closing text.
  form["Timer4"].stop();
  form["Timer8"].start();
}

void Game::Timer8Timer() {
  const int64_t elapsed = rt.now - slides.outrostart;
  if (slides.outrostep == 1) {
    const int64_t moved =
        std::min<int64_t>(elapsed / kPictureMsPerPixel, kPictureStart - kPictureStop);
    form["Image36"].left = kPictureStart - static_cast<int>(moved);
    if (form["Image36"].left <= kPictureStop) {
      start_track(services::kOutroMusic, true);
      slides.outrostep = 2;
    }
  }
  if (slides.outrostep != 2) return;
  slides.outropos = kTextStart - static_cast<double>(std::max<int64_t>(0, elapsed - kPictureMs)) *
                                     kTextPixelsPerMs;
  form::Control& text = form["outrmemo"];
  text.top = core::round32(core::Round(std::max(slides.outropos, static_cast<double>(kTextEnd))));
  if (text.top <= kTextEnd) end_outro();
}

void Game::outroClick() {
  if (shown(form::Screen::outro) && form["Timer8"].enabled) end_outro();
}

void Game::end_outro() {
  // Where the natural end leaves them, also when the player ended it early.
  slides.outrostep = 2;
  slides.outropos = kTextEnd;
  form["outrmemo"].top = kTextEnd;
  form::Control& picture = form["Image36"];
  picture.left = kPictureStop;

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
  start_track(services::kMenuMusic, false);
}
