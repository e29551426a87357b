#pragma once
// A yard with talk partners and the back room of the quest, on a scratch
// data folder: the partner list, conversation files and every button sprite.
#include <string>
#include <vector>

#include "game/services/rmkin.h"
#include "world_fixture.h"

namespace talk_test {

using Lines = std::vector<std::string>;

using Block = TalkBlock;

class TalkTest : public world_test::WorldTest {
 protected:
  static constexpr const char* kTalks = "data\\levels\\Talks\\";

  void SetUp() override {
    write_arrows();
    for (const char* b :
         {"ok", "give", "pay", "trade", "view", "buy", "sell", "cancel", "leave", "use", "throw"})
      for (const char* s : {"_p", "_n"})
        write_picture(std::string("Data\\Sprites\\Buttons\\") + b + s + ".bmp");
    write_picture("Data\\Sprites\\Talk\\face.bmp");
    LocFile yard;
    yard.talks = "двор";
    yard.goup = "2";
    write_loc("1", yard);
    game->hero.level = 1;
  }

  // A conversation file with N given as text and the blocks in order; a
  // last ";" line closes the last block unless `closed` is false.
  void write_talk(const std::string& name, const std::string& n, const std::vector<Block>& blocks,
                  bool closed = true) {
    write_file(kTalks + name + ".tlk",
               TalkFile{.count = n, .blocks = blocks, .closed = closed}.lines());
  }
  void write_partners(const Lines& lines) { write_file(kTalks + std::string("двор.tlk"), lines); }

  // Clicks partner row `row` of the list and returns the reply shown.
  Lines say(int row) {
    pick("tlk", row);
    return ctl("LocMemo").lines;
  }
};

}  // namespace talk_test
