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
