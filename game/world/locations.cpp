// Locations: reading a ".loc" file into `loc`, and making the location view
// agree with `loc` and the world state.
#include <utility>

#include "core/data_reader.h"
#include "game/game.h"
#include "game/services/rmkin.h"
#include "game/world/data_paths.h"
#include "game/world/location.h"
#include "game/world/location_file.h"
#include "game/world/talk.h"
#include "game/world/talk_file.h"
#include "game/world/talk_state.h"

namespace {

// Replaces the memo's lines with every line of a text file (emptied first, so
// a missing file leaves it empty).
void show_text(const core::DataRoot& root, form::Control& memo, const std::string& file) {
  memo.clear();
  for (std::string& line : core::read_all_lines(root, file)) memo.add(std::move(line));
}

}  // namespace

void Game::loadloc(const std::string& name) {
  // The record is read whole into a copy and only then becomes `loc`: a
  // missing file or a bad value anywhere leaves `loc` as it was, so the
  // location shown and the files the rules touch never part ways.
  location next = world::read_location_file(root, name);
  loc = std::move(next);
}

void Game::setloc() {
  // The ground list goes first: should a step below fail (a missing picture
  // or partner file), no row of the location left is offered for a pickup
  // from the new location's file. It is filled again at its own step.
  form::Control& ground = form["PItems"];
  ground.set_row_count(1);
  ground.rows[0].clear();

  // 1. Music.
  switch_track(loc.music);

  // 2-4. Captions and arrows.
  form["Label7"].caption = "Локация: " + loc.locname;
  form["Label6"].caption = loc.place;
  form["Image15"].visible = loc.goup != "no";
  form["Image16"].visible = loc.godown != "no";
  form["Image17"].visible = loc.goleft != "no";
  form["Image18"].visible = loc.goright != "no";

  // 5-6. The quest buttons of the back room.
  const bool live_back_room = loc.place == quest::kBackRoom && talkstate.questst == "live";
  form["Image28"].visible = live_back_room && hero.money >= 1500;
  form["Image27"].visible = live_back_room && itmsrsh(quest::kGlass);

  // 7-8. Pictures (drawn from the model, so there is nothing to repaint here).
  load_picture("Image2", loc.locpic, {loc.file, world::kLocpicLine});
  load_picture("Image1", loc.placepic, {loc.file, world::kPlacepicLine});

  // 9. Partners: two-line entries, the first line of each is listed.
  if (loc.talks != "no") {
    form::Control& partners = form["tlk"];
    partners.set_row_count(1);
    partners.rows[0].clear();
    int count = 1;
    for (const world::partner& p : world::read_partner_list(root, world::talk_file(loc.talks))) {
      partners.rows[static_cast<size_t>(count - 1)] = p.name;
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
  if (loc.pkp != "no") setitems();

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
  for (int i = 1; i <= loc.desccount && i <= world::kMaxDesc; ++i)
    memo.add(loc.desc[static_cast<size_t>(i)]);
  if (talkstate.questst == "dead" && loc.place == quest::kBackRoom)
    show_text(root, memo, world::kDeadText);
  if (talkstate.questst == "done" && loc.place == quest::kBackRoom)
    show_text(root, memo, world::kDoneText);

  // 17-18. The fight button stays hidden unless the fight decision offers it.
  // Once the hermit has made his deal he has nothing left to fight over.
  form["Image21"].visible = false;
  if (loc.fgt == "no") return;
  if (talkstate.questst == "done" && loc.place == quest::kBackRoom) return;

  encounter();
}
