// The checker's frame: problems, references and their resolution, and the
// table of checks.
#include "tools/check/checker.h"

#include <filesystem>

#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/files.h"
#include "core/picture.h"
#include "game/items/catalogue.h"

namespace check {

std::string format(const Problem& p) {
  const std::string message = (p.warning ? "warning: " : "") + p.message;
  if (p.file.empty()) return message;
  if (p.line <= 0) return p.file + ": " + message;
  return p.file + ":" + std::to_string(p.line) + ": " + message;
}

Context::Context(const core::DataRoot& data) : root(data) {
  // The loaders report through exceptions here; the dispatcher is not used.
  host_ = std::make_unique<HeadlessHost>(root, [](const std::string&) {});
  host_->rt.seed = 1;
}

void Context::problem(std::string file, int line, std::string message) {
  Problem p{std::move(file), line, std::move(message)};
  // One report of a problem, however many references lead to it.
  if (reported_.insert(format(p)).second) problems_.push_back(std::move(p));
}

bool Context::exists(const std::string& game_path) const {
  return root.find_inside(game_path).has_value();
}

bool Context::found(const std::string& game_path, const Asker& asker, const std::string& what) {
  if (exists(game_path)) return true;
  problem(asker.file, asker.line, what + " not found (" + game_path + ")");
  return false;
}

void Context::warning(std::string file, int line, std::string message) {
  Problem p{std::move(file), line, std::move(message), true};
  if (reported_.insert(format(p)).second) problems_.push_back(std::move(p));
}

size_t Context::errors() const {
  size_t n = 0;
  for (const Problem& p : problems_) n += p.warning ? 0 : 1;
  return n;
}

void Context::read_file(const std::string& game_path) {
  const std::string folded = core::fold_case(game_path);
  if (!files_.insert(folded).second) return;
  for (const char* media : {".bmp", ".jpg", ".mp3"})
    if (folded.size() >= 4 && folded.compare(folded.size() - 4, 4, media) == 0) return;
  try {
    check_encoding(*this, game_path, core::read_data_file(root, game_path));
  } catch (const core::DataError&) {
    // a missing file is reported by whoever reads it
  }
}

bool Context::guard(const std::function<void()>& read) {
  try {
    read();
    return true;
  } catch (const core::DataError& e) {
    problem(e.file(), e.line(), e.text());
    return false;
  }
}

void Context::need_item(const std::string& name, const Asker& asker) {
  items_[name].askers.push_back(asker);
}

void Context::need_item_of_kind(const std::string& name, const std::string& kind,
                                const Asker& asker) {
  // Kept apart from plain references, so each asker gets its own verdict.
  items_["\x01" + kind + "\x01" + name].askers.push_back(asker);
}

void Context::need_picture(const std::string& game_path, const Asker& asker) {
  pictures_[game_path].askers.push_back(asker);
}

void Context::need_music(const std::string& game_path, const Asker& asker) {
  music_files_[game_path].askers.push_back(asker);
}

void Context::need_file(const std::string& game_path, const Asker& asker) {
  texts_[game_path].askers.push_back(asker);
}

namespace {

// Reports a failed reference at every asker; one that the engine itself
// makes (no asker file) is reported at the file it names.
void report(Context& ctx, const std::vector<Asker>& askers, const std::string& target,
            const std::string& message) {
  for (const Asker& a : askers) {
    if (a.file.empty())
      ctx.problem(target, 0, message);
    else
      ctx.problem(a.file, a.line, message + " (" + target + ")");
  }
}

}  // namespace

void Context::resolve() {
  for (const auto& [key, need] : items_) {
    std::string name = key, kind;
    if (!key.empty() && key[0] == '\x01') {
      const size_t end = key.find('\x01', 1);
      kind = key.substr(1, end - 1);
      name = key.substr(end + 1);
    }
    try {
      const catitem item = catalogue::find_item(root, name);
      if (!kind.empty() && item.kind != kind)
        report(*this, need.askers, catalogue::kItems,
               "Item '" + name + "' is of kind '" + item.kind + "', not '" + kind + "'");
    } catch (const core::DataError& e) {
      report(*this, need.askers, catalogue::kItems, e.text());
    }
  }
  for (const auto& [path, need] : pictures_) {
    read_file(path);
    try {
      core::load_picture(root, path);
    } catch (const core::DataError& e) {
      report(*this, need.askers, path, e.text());
    }
  }
  for (const auto& [path, need] : music_files_) {
    read_file(path);
    std::string trouble;
    try {
      const auto found = root.find(path);
      if (!found || root.files().kind(*found) != core::Files::Kind::file)
        trouble = "Music file not found (the game plays silence)";
    } catch (const core::DataError& e) {
      trouble = e.text() + " (the game plays silence)";
    }
    if (!trouble.empty()) report(*this, need.askers, path, trouble);
  }
  for (const auto& [path, need] : texts_) {
    read_file(path);
    try {
      core::read_data_file(root, path);
    } catch (const core::DataError& e) {
      report(*this, need.askers, path, e.text());
    }
  }
}

const std::vector<NamedCheck>& checks() {
  static const std::vector<NamedCheck> table = {
      {"character start file", check_start_file},
      {"inventory start file", check_inventory},
      {"item catalogue", check_catalogue},
      {"locations", check_world},
      {"intro", check_intro},
      {"window sprites, death pictures, music", check_window},
      {"fights and enemies", check_fights},
      {"traders", check_traders},
      {"conversations", check_conversations},
  };
  return table;
}

std::unique_ptr<Context> check_data(const core::DataRoot& root) {
  auto ctx = std::make_unique<Context>(root);
  for (const NamedCheck& c : checks()) c.run(*ctx);
  ctx->resolve();
  return ctx;
}

int exit_status(const Context& ctx, bool strict) {
  if (ctx.errors() > 0) return 1;
  return strict && !ctx.problems().empty() ? 1 : 0;
}

}  // namespace check
