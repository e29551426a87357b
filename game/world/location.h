#pragma once
// One location of the world, as read from its ".loc" file.
#include <array>
#include <cstdint>
#include <string>

struct location {
  std::string file;  // the game path it was read from (for error messages)
  std::string locname;
  std::string locpic;
  std::string place;
  std::string placepic;
  std::string music;
  std::string goup;
  std::string godown;
  std::string goleft;
  std::string goright;
  std::string talks;
  std::string pkp;
  std::string trd;
  std::string fgt;
  std::string fgtstart;
  std::string fgtonce;
  std::string deadly;
  int32_t deadtime = 0;
  double hungrate = 0;
  double thirstrate = 0;
  double tiredrate = 0;
  double radrate = 0;
  std::array<std::string, 51> desc{};  // 1..50 used
  int32_t desccount = 0;
};

// Every field, in the record's order, for whoever lists them.
template <class F>
void fields(const location& l, F&& f) {
  f("locname", l.locname);
  f("locpic", l.locpic);
  f("place", l.place);
  f("placepic", l.placepic);
  f("music", l.music);
  f("goup", l.goup);
  f("godown", l.godown);
  f("goleft", l.goleft);
  f("goright", l.goright);
  f("talks", l.talks);
  f("pkp", l.pkp);
  f("trd", l.trd);
  f("fgt", l.fgt);
  f("fgtstart", l.fgtstart);
  f("fgtonce", l.fgtonce);
  f("deadly", l.deadly);
  f("deadtime", l.deadtime);
  f("hungrate", l.hungrate);
  f("thirstrate", l.thirstrate);
  f("tiredrate", l.tiredrate);
  f("radrate", l.radrate);
  f("desc", l.desc);
  f("desccount", l.desccount);
}
