// The intro: five timed text slides, four of them with a picture.
#include "core/data_reader.h"
#include "game/game.h"

void Game::loadintro(const std::string& file) {
  std::vector<std::string> lines = core::read_all_lines(root, "Data\\Intro\\" + file);
  form::Control& memo = form["Memo4"];
  memo.clear();
  for (std::string& line : lines) memo.add(std::move(line));
}

void Game::Timer6Timer() {
  struct Slide {
    int interval;
    const char* text;
    const char* picture;
  };
  static const Slide kSlides[] = {
      {15000, "2.txt", "Data\\Sprites\\Intro\\1.jpg"},
      {17000, "3.txt", "Data\\Sprites\\Intro\\2.jpg"},
      {19000, "4.txt", "Data\\Sprites\\Intro\\3.jpg"},
      {19000, "5.txt", "Data\\Sprites\\Intro\\4.jpg"},
  };
  if (slides.introstep < 1) return;  // no intro running
  if (slides.introstep >= 5) {
    end_intro();
    return;
  }
  if (slides.introstep == 1) start_track("Data\\Music\\intro.mp3", false);
  const Slide& slide = kSlides[slides.introstep - 1];
  slides.introstep += 1;
  form["Timer6"].set_interval(slide.interval);
  loadintro(slide.text);
  load_picture("Image35", slide.picture);
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
