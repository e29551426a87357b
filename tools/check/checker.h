#pragma once
// The data checker: reads every file the engine can reach from a data folder
// without playing, through the engine's own readers and loaders, and collects
// every problem as FILE:LINE: message.
//
// Each file format has one check function. A check reads its files and
// reports what is wrong with them, and names the further files and items its
// content refers to (`need_*`); those are resolved once at the end, so every
// asker is named and every referenced file is read once.
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/paths.h"
#include "game/game.h"
#include "game/headless_host.h"

namespace check {

struct Problem {
  std::string file;  // as the game writes it; empty for the data set as a whole
  int line = 0;      // 0: about the file as a whole
  std::string message;
  bool warning = false;  // legal data that is most likely a slip
};

// "FILE:LINE: message", "FILE: message" without a line, or the message alone;
// a warning has "warning: " before its message.
std::string format(const Problem& p);

// Where a reference was made: the file and line that name something.
struct Asker {
  std::string file;
  int line = 0;
};

class Context {
 public:
  explicit Context(const core::DataRoot& root);

  const core::DataRoot& root;
  // A headless game over the data folder, for the engine's own loaders
  // (loadhero, loadloc). Virtual time, no sound; nothing is written.
  Game& game() { return host_->game; }

  // Whether the game path names an existing file or folder (a path leaving
  // the data folder does not).
  bool exists(const std::string& game_path) const;
  // exists, or "WHAT not found (GAME_PATH)" reported at the asker.
  bool found(const std::string& game_path, const Asker& asker, const std::string& what);
  void problem(std::string file, int line, std::string message);
  void warning(std::string file, int line, std::string message);
  // Runs a read and turns a data error into a problem (the error's own file
  // and line). Returns false when it failed.
  bool guard(const std::function<void()>& read);
  // Counts a file as read (for the summary); a text file's encoding is
  // checked the first time.
  void read_file(const std::string& game_path);

  // References resolved after every check has run.
  void need_item(const std::string& name, const Asker& asker);
  // An item of the given kind ("gun", "armor"), e.g. the default equipment.
  void need_item_of_kind(const std::string& name, const std::string& kind, const Asker& asker);
  void need_picture(const std::string& game_path, const Asker& asker);
  void need_music(const std::string& game_path, const Asker& asker);
  // A text file that must exist and be readable.
  void need_file(const std::string& game_path, const Asker& asker);

  // Names collected by the world check for the checks of their own formats:
  // trader, fight and conversation names with their askers.
  std::vector<std::pair<std::string, Asker>> traders, fights, conversations;
  // The level a new game starts at (from the start file; 1 when unreadable).
  int32_t start_level = 1;

  const std::vector<Problem>& problems() const { return problems_; }
  size_t errors() const;
  size_t files_read() const { return files_.size(); }
  size_t locations = 0;
  size_t items = 0;

  void resolve();

 private:
  struct Need {
    std::string kind;  // for items: the kind asked for, or empty
    std::vector<Asker> askers;
  };
  std::unique_ptr<HeadlessHost> host_;
  std::vector<Problem> problems_;
  std::set<std::string> reported_;
  std::set<std::string> files_;
  std::map<std::string, Need> items_, pictures_, music_files_, texts_;
};

using Check = void (*)(Context&);

// The checks in the order they run; a new format adds its one function here.
struct NamedCheck {
  const char* name;
  Check run;
};
const std::vector<NamedCheck>& checks();

// The checks of each format (check_*.cpp).
void check_start_file(Context& ctx);
void check_inventory(Context& ctx);
void check_catalogue(Context& ctx);
void check_world(Context& ctx);
void check_intro(Context& ctx);
void check_window(Context& ctx);
void check_fights(Context& ctx);
void check_traders(Context& ctx);
void check_conversations(Context& ctx);

// The author's slips (check_text.cpp): text saved as UTF-8 (or showing its
// mojibake pairs) is an error at its first such line; a rule word one or two
// letters from "always" or "once" is a warning.
void check_encoding(Context& ctx, const std::string& file, const std::string& bytes);
void check_rule_word(Context& ctx, const std::string& word, const Asker& at);

// Runs every check and resolves the references; the context holds the
// problems and the counts for the summary.
std::unique_ptr<Context> check_data(const core::DataRoot& root);
// 1 when there is an error (or, with strict, a warning), else 0.
int exit_status(const Context& ctx, bool strict);

}  // namespace check
