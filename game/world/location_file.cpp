#include "game/world/location_file.h"

#include <algorithm>

#include "core/data_reader.h"
#include "game/world/data_paths.h"

namespace world {

namespace {

// Reads the label line of a pair and returns the value line after it.
std::string value(core::DataReader& in) {
  in.skip();
  return in.line();
}

}  // namespace

location parse_location_file(const std::string& file, const std::string& bytes) {
  core::DataReader in(file, bytes);
  location next;
  next.file = file;
  next.locname = value(in);
  next.locpic = value(in);
  next.place = value(in);
  next.placepic = value(in);
  next.music = value(in);
  next.goup = value(in);
  next.godown = value(in);
  next.goleft = value(in);
  next.goright = value(in);
  next.talks = value(in);
  next.trd = value(in);  // the file gives the trader before the pickup name
  next.pkp = value(in);
  next.fgt = value(in);
  next.fgtstart = value(in);
  next.fgtonce = value(in);
  next.deadly = value(in);
  in.skip();
  next.deadtime = in.read_int();
  in.skip();
  next.hungrate = in.read_decimal();
  in.skip();
  next.thirstrate = in.read_decimal();
  in.skip();
  next.tiredrate = in.read_decimal();
  in.skip();
  next.radrate = in.read_decimal();
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
