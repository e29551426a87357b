// Locations: reading a ".loc" file into `loc`, and making the location view
// agree with `loc` and the world state.
#include "core/data_reader.h"
#include "game/game.h"

namespace {

constexpr const char* kLocations = "data\\levels\\locations\\";
constexpr const char* kTalks = "data\\levels\\talks\\";
constexpr const char* kDeadText = "Data\\Levels\\Locations\\dead.loc";
constexpr const char* kDoneText = "Data\\Levels\\Locations\\done.loc";
constexpr const char* kBackRoom = "Каморка";
constexpr const char* kGlass = "Стеклышко света";
constexpr int kMaxDesc = 50;  // description lines kept; later lines are ignored

// Reads the label line of a pair and returns the value line after it.
std::string value(core::DataReader& in) {
  in.skip();
  return in.line();
}

// Replaces the memo's lines with every line of a text file (emptied first, so
// a missing file leaves it empty).
void show_text(const core::DataRoot& root, form::Control& memo, const std::string& file) {
  memo.clear();
  for (std::string& line : core::read_all_lines(root, file)) memo.add(std::move(line));
}

}  // namespace

void Game::loadloc(const std::string& name) {
  // The file is opened (and read) before any field changes, so a missing file
  // leaves `loc` as it was. Fields are then set one by one: a bad number stops
  // the load with the earlier fields already holding the new values.
  core::DataReader in(root, kLocations + name + ".loc");
  loc.locname = value(in);
  loc.locpic = value(in);
  loc.place = value(in);
  loc.placepic = value(in);
  loc.music = value(in);
  loc.goup = value(in);
  loc.godown = value(in);
  loc.goleft = value(in);
  loc.goright = value(in);
  loc.talks = value(in);
  loc.trd = value(in);  // the file gives the trader before the pickup name
  loc.pkp = value(in);
  loc.fgt = value(in);
  loc.fgtstart = value(in);
  loc.fgtonce = value(in);
  loc.deadly = value(in);
  in.skip();
  loc.deadtime = in.read_int();
  in.skip();
  loc.hungrate = in.read_decimal();
  in.skip();
  loc.thirstrate = in.read_decimal();
  in.skip();
  loc.tiredrate = in.read_decimal();
  in.skip();
  loc.radrate = in.read_decimal();
  in.skip();  // line 43 separates the values from the description

  loc.desccount = 1;
  while (!in.eof() && loc.desccount <= kMaxDesc) {
    loc.desc[static_cast<size_t>(loc.desccount)] = in.line();
    loc.desccount += 1;
  }
  loc.desccount -= 1;
}

void Game::setloc() {
  // 1. Music: only a different music text restarts it. A file that cannot be
  // played is silence; curmusic keeps its name all the same.
  if (curmusic != loc.music) {
    curmusic = loc.music;
    stop_music();
    start_track(loc.music, true);
  }

  // 2-4. Captions and arrows.
  form["Label7"].caption = "Локация: " + loc.locname;
  form["Label6"].caption = loc.place;
  form["Image15"].visible = loc.goup != "no";
  form["Image16"].visible = loc.godown != "no";
  form["Image17"].visible = loc.goleft != "no";
  form["Image18"].visible = loc.goright != "no";

  // 5-6. The quest buttons of the back room.
  const bool live_back_room = loc.place == kBackRoom && questst == "live";
  form["Image28"].visible = live_back_room && hero.money >= 1500;
  form["Image27"].visible = live_back_room && itmsrsh(kGlass);

  // 7-8. Pictures (drawn from the model, so there is nothing to repaint here).
  load_picture("Image2", loc.locpic);
  load_picture("Image1", loc.placepic);

  // 9. Partners: two-line entries, the first line of each is listed.
  if (loc.talks != "no") {
    form::Control& partners = form["tlk"];
    partners.set_row_count(1);
    partners.rows[0].clear();
    core::DataReader in(root, kTalks + loc.talks + ".tlk");
    int count = 1;
    while (!in.eof()) {
      partners.rows[static_cast<size_t>(count - 1)] = in.line();
      in.skip();
      count += 1;
      partners.set_row_count(count);
    }
    partners.set_row_count(count - 1);
    form["Label42"].visible = true;
    partners.visible = true;
  } else {
    form["Label42"].visible = false;
    form["tlk"].visible = false;
  }

  // 10. Ground items.
  if (loc.pkp != "no") {
    setitems();
  } else {
    form::Control& ground = form["PItems"];
    ground.set_row_count(1);
    ground.rows[0].clear();
  }

  // 11. Trade button.
  form["Image20"].visible = loc.trd != "no";

  // 12. The countdown of a deadly location restarts on every refresh.
  if (loc.deadly == "yes") {
    deadcount = loc.deadtime;
    form["Timer4"].start();
  } else {
    form["Timer4"].stop();
  }

  // 13-16. Description, replaced in the back room once its quest is over.
  form::Control& memo = form["LocMemo"];
  memo.clear();
  for (int i = 1; i <= loc.desccount && i <= kMaxDesc; ++i)
    memo.add(loc.desc[static_cast<size_t>(i)]);
  if (questst == "dead" && loc.place == kBackRoom) show_text(root, memo, kDeadText);
  if (questst == "done" && loc.place == kBackRoom) show_text(root, memo, kDoneText);

  // 17-18. The fight button stays hidden unless the fight decision offers it.
  form["Image21"].visible = false;
  if (loc.fgt == "no") return;

  encounter();
}
