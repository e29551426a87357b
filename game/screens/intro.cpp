// The intro: five timed text slides, four of them with a picture.
#include "core/data_reader.h"
#include "game/game.h"
#include "game/screens/data_paths.h"
#include "game/screens/slides.h"
#include "game/services/data_paths.h"

void Game::loadintro(const std::string& file) {
  std::vector<std::string> lines = core::read_all_lines(root, screens::kIntroFolder + file);
  form::Control& memo = form["Memo4"];
  memo.clear();
  for (std::string& line : lines) memo.add(std::move(line));
}

void Game::Timer6Timer() {
  struct Slide {
    int interval;
    const char* text;
  };
  // Slide k shows text k + 1 and picture k.
  static const Slide kSlides[] = {
      {15000, "2.txt"}, {17000, "3.txt"}, {19000, "4.txt"}, {19000, "5.txt"}};
  if (slides.introstep < 1) return;  // no intro running
  if (slides.introstep >= 5) {
    end_intro();
    return;
  }
  if (slides.introstep == 1) start_track(services::kIntroMusic, false);
  const Slide& slide = kSlides[slides.introstep - 1];
  const std::string picture =
      screens::kIntroPictureFolder + std::to_string(slides.introstep) + ".jpg";
  slides.introstep += 1;
  form["Timer6"].set_interval(slide.interval);
  loadintro(slide.text);
  load_picture("Image35", picture);
  form["Image35"].visible = true;
}

void Game::end_intro() {
  form["Timer6"].stop();
  form["Timer2"].start();
  stop_music();
  loadloc("1");
  setloc();
  park(form::Screen::intro);
}

void Game::BitBtn5Click() {
  end_intro();
}

void Game::Memo4MouseDown() {
  form.focus = "BitBtn5";
}
