// The main menu: its opening animation and the about text.
#include "game/game.h"
#include "game/services/data_paths.h"

void Game::Timer5Timer() {
  switch (menustep) {
    case 1: {
      form::Control& title = form["Label43"];
      title.top -= 1;
      if (title.top == 40) {
        form["Timer5"].set_interval(500);
        menustep = 2;
      }
      break;
    }
    case 2:
      form["BitBtn3"].visible = true;
      menustep = 3;
      break;
    case 3:
      form["BitBtn2"].visible = true;
      menustep = 4;
      break;
    case 4:
      form["BitBtn1"].visible = true;
      form["Label45"].visible = true;
      form["Edit2"].visible = true;
      form.focus = "Edit2";
      menustep = 5;
      break;
    case 5:
      form["Image34"].visible = true;
      form["Image33"].visible = true;
      form["Label44"].visible = true;
      start_track(services::kMenuMusic, false);
      form["Timer5"].stop();
      menustep = 6;
      break;
    default:
      form["Timer5"].stop();
      break;
  }
}

namespace {
const char* const kMenuItems[] = {"BitBtn1", "BitBtn2", "BitBtn3", "Label45", "Edit2"};
}

void Game::BitBtn2Click() {
  form["Memo3"].visible = true;
  form["BitBtn4"].visible = true;
  form.focus = "BitBtn4";
  for (const char* name : kMenuItems) form[name].visible = false;
}

void Game::BitBtn4Click() {
  form["Memo3"].visible = false;
  form["BitBtn4"].visible = false;
  for (const char* name : kMenuItems) form[name].visible = true;
  form.focus = "Edit2";
}

void Game::Memo3MouseDown() {
  form.focus = "BitBtn4";
}

void Game::BitBtn3Click() {
  form.closed = true;
  rt.quit();
}
