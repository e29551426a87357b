// Ground items: the pickup file of the current location, its list PItems,
// picking up, laying down and dropping, and the inventory search.
//
// A pickup file is a run of three-line entries: kind ("once", "always" or a
// chance word), item name, availability ("aviable" or "unaviable"). Every
// change reads the whole file, builds the new content in memory and replaces
// the file through its temporary file in one safe step, so the file is always
// either the old or the new one.
#include <vector>

#include "core/data_reader.h"
#include "core/safe_rewrite.h"
#include "game/game.h"

namespace {

constexpr const char* kPickup = "data\\levels\\Pickup\\";

struct Entry {
  std::string kind;
  std::string name;
  std::string availability;
};

std::string pickup_file(const std::string& pkp) {
  return kPickup + pkp + ".pkp";
}

// The entries of a pickup file, three lines each until the end of the file
// (a last, short entry is filled up with empty lines).
std::vector<Entry> read_entries(const core::DataRoot& root, const std::string& file) {
  core::DataReader in(root, file);
  std::vector<Entry> entries;
  while (!in.eof()) {
    Entry e;
    e.kind = in.line();
    e.name = in.line();
    e.availability = in.line();
    entries.push_back(std::move(e));
  }
  return entries;
}

void add_entry(std::vector<std::string>& lines, const Entry& e) {
  lines.push_back(e.kind);
  lines.push_back(e.name);
  lines.push_back(e.availability);
}

// The file's entries unchanged with one "once" entry of the item appended.
std::vector<std::string> with_item_laid_down(const core::DataRoot& root, const std::string& file,
                                             const std::string& name) {
  std::vector<std::string> lines;
  for (const Entry& e : read_entries(root, file)) add_entry(lines, e);
  add_entry(lines, {"once", name, "aviable"});
  return lines;
}

}  // namespace

bool Game::itmsrsh(const std::string& name) const {
  for (int i = 1; i < invnext && i < static_cast<int>(invslots.size()); ++i)
    if (invslots[static_cast<size_t>(i)].name == name) return true;
  return false;
}

void Game::setitems() {
  form::Control& ground = form["PItems"];
  ground.set_row_count(1);
  ground.rows[0].clear();
  int count = 1;
  for (const Entry& e : read_entries(root, pickup_file(loc.pkp))) {
    if (e.availability != "aviable") continue;
    ground.rows[static_cast<size_t>(count - 1)] = e.name;
    count += 1;
    ground.set_row_count(count);
  }
  ground.set_row_count(count - 1);
}

void Game::PItemsClick() {
  const form::Control& ground = form["PItems"];
  if (ground.row < 0 || ground.row >= static_cast<int>(ground.rows.size())) return;
  if (ground.rows[static_cast<size_t>(ground.row)].empty()) return;
  pickup(ground.row);
}

void Game::pickup(int row) {
  const form::Control& ground = form["PItems"];
  if (row < 0 || row >= static_cast<int>(ground.rows.size())) return;
  const std::string name = ground.rows[static_cast<size_t>(row)];

  // An overloaded character leaves the ground as it is (addtoinv refuses with
  // its own message). The item joins the inventory only once the pickup file
  // has been rewritten, so a failed rewrite never leaves it both carried and
  // lying on the ground.
  if (!hasroom(catalogue::find_item(root, name), 0)) {
    addtoinv(name, 100);
    return;
  }

  // The first entry of that name not yet taken is the one picked up: a dropped
  // ("once") item leaves the file, a placed one stays marked as taken.
  const std::string file = pickup_file(loc.pkp);
  std::vector<std::string> lines;
  bool taken = false;
  for (const Entry& e : read_entries(root, file)) {
    if (!taken && e.name == name && e.availability != "unaviable") {
      taken = true;
      if (e.kind != "once") add_entry(lines, {e.kind, e.name, "unaviable"});
      continue;
    }
    add_entry(lines, e);
  }
  core::safe_rewrite(root, file, file + ".tmp", lines);
  addtoinv(name, 100);

  setitems();
  showinv();
  outmsg("Поднял предмет", form::colors::white, 1);
}

void Game::addtoground(const std::string& name) {
  const std::string file = pickup_file(loc.pkp);
  core::safe_rewrite(root, file, file + ".tmp", with_item_laid_down(root, file, name));
}

void Game::addtoground(const std::vector<std::string>& names) {
  const std::string file = pickup_file(loc.pkp);
  std::vector<std::string> lines;
  for (const Entry& e : read_entries(root, file)) add_entry(lines, e);
  for (const std::string& name : names) add_entry(lines, {"once", name, "aviable"});
  core::safe_rewrite(root, file, file + ".tmp", lines);
}

void Game::dropitem(int slot) {
  if (slot < 1 || slot >= invnext || slot >= static_cast<int>(invslots.size())) return;
  const std::string name = invslots[static_cast<size_t>(slot)].name;

  // One entry, whatever the slot's count. Dropping names its temporary file
  // after the pickup name alone ("x.tmp", not "x.pkp.tmp").
  const std::string file = pickup_file(loc.pkp);
  core::safe_rewrite(root, file, kPickup + loc.pkp + ".tmp", with_item_laid_down(root, file, name));

  // The whole view is refreshed while the item is still carried.
  setloc();
  removefrominv(slot);
  showroamkin();
  showinv();
  outmsg("Бросил вещь", form::colors::white, 2);
}
