#include "game/world/location_file.h"

#include <algorithm>

#include "core/data_reader.h"
#include "game/world/data_paths.h"

namespace world {

location parse_location_file(const std::string& file, const std::string& bytes) {
  core::DataReader in(file, bytes);
  location next;
  next.file = file;
  next.locname = in.labelled();
  next.locpic = in.labelled();
  next.place = in.labelled();
  next.placepic = in.labelled();
  next.music = in.labelled();
  next.goup = in.labelled();
  next.godown = in.labelled();
  next.goleft = in.labelled();
  next.goright = in.labelled();
  next.talks = in.labelled();
  next.trd = in.labelled();  // the file gives the trader before the pickup name
  next.pkp = in.labelled();
  next.fgt = in.labelled();
  next.fgtstart = in.labelled();
  next.fgtonce = in.labelled();
  next.deadly = in.labelled();
  next.deadtime = in.labelled_int();
  next.hungrate = in.labelled_decimal();
  next.thirstrate = in.labelled_decimal();
  next.tiredrate = in.labelled_decimal();
  next.radrate = in.labelled_decimal();
  in.skip();  // line 43 separates the values from the description

  next.desccount = 1;
  while (!in.eof() && next.desccount <= kMaxDesc) {
    next.desc[static_cast<size_t>(next.desccount)] = in.line();
    next.desccount += 1;
  }
  next.desccount -= 1;
  return next;
}

location read_location_file(const core::DataRoot& root, const std::string& name) {
  const std::string file = location_file(name);
  return parse_location_file(file, core::read_data_file(root, file));
}

int lines_past_description(const std::string& bytes) {
  core::DataReader in("", bytes);
  int lines = 0;
  while (!in.eof()) {
    in.skip();
    lines += 1;
  }
  return std::max(0, lines - (kFirstDescLine - 1 + kMaxDesc));
}

}  // namespace world
