#include "game/combat/fight_file.h"

#include "core/data_reader.h"
#include "game/combat/data_paths.h"

namespace combat {

fightfile parse_fight_file(const std::string& file, const std::string& bytes) {
  core::DataReader in(file, bytes);
  fightfile f;
  f.file = file;
  for (std::string& key : f.keys) {
    if (!in.eof()) f.lines += 1;
    key = in.line();
  }
  while (!in.eof()) {
    in.skip();
    f.lines += 1;
  }
  return f;
}

fightfile read_fight_file(const core::DataRoot& root, const std::string& fgt) {
  const std::string file = fight_file(fgt);
  return parse_fight_file(file, core::read_data_file(root, file));
}

}  // namespace combat
