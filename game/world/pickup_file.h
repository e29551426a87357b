#pragma once
// A pickup file ("data\levels\Pickup\NAME.pkp"): three-line entries until the
// end of the file: the rule ("once": laid down during play, "always": back at
// every new game, any other word: back by chance), the item name, and
// "aviable" (on the ground) or "unaviable" (taken). A last, short entry is
// filled up with empty lines.
#include <string>
#include <vector>

#include "core/paths.h"

namespace world {

struct pickupentry {
  std::string kind;
  std::string name;
  std::string availability;
  int line = 0;  // the entry's first line
  // the file's lines the entry really has (3, or fewer for a last short one)
  int lines = 3;
};

std::vector<pickupentry> read_pickup_file(const core::DataRoot& root, const std::string& file);
std::vector<pickupentry> parse_pickup_file(const std::string& file, const std::string& bytes);
// The game paths of the pickup files a new game resets, in name order: the
// regular files of the pickup folder whose name ends in ".pkp" (any case);
// folders, links and special files so named are left alone. None without
// the folder.
std::vector<std::string> list_pickup_files(const core::DataRoot& root);
// The lines that write the entries back.
std::vector<std::string> pickup_lines(const std::vector<pickupentry>& entries);
// Rewrites the file with the entries through its temporary file `temp`.
void write_pickup_file(const core::DataRoot& root, const std::string& file, const std::string& temp,
                       const std::vector<pickupentry>& entries);

}  // namespace world
