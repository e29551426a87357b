#include "tools/runner/script.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "core/cp1251.h"
#include "core/data_reader.h"
#include "core/files.h"
#include "game/json_view.h"
#include "tools/runner/json_tree.h"

namespace {

const char* const kUse =
    R"(vetrovay-run [--data DIR] [--edits FILE]

Plays the game headless in virtual time on the data folder DIR/Data (default:
the working folder), reading one command a line from standard input. A line
whose first non-blank character is '#' is a comment, as is anything after a
blank followed by '#'. --edits FILE first changes lines of the data files in
DIR for good (give it a copy): each line of FILE is "PATH LINE TEXT" (PATH as
the game writes it, LINE from 1 or the one after the last to add a line, TEXT
the rest of the line), for scripts that play a variant of a data set.

)";

const char* const kAfter = R"(
A data error in a handler prints "error: MESSAGE"; so does a malformed
command ("error: usage: ..."), and the script goes on. The program ends at the
end of the input or when the game exits. Numbers in JSON lines have at most
four digits after the point.
)";

}  // namespace

ScriptRunner::ScriptRunner(const core::DataRoot& root, std::ostream& out)
    : out_(out),
      host_(root, [this](const std::string& message) { out_ << "error: " << message << "\n"; }) {
  host_.start();
}

void ScriptRunner::refused(const std::string& what) {
  out_ << "refused: " << what << "\n";
}

void ScriptRunner::wait(int64_t ms) {
  host_.wait(ms);
}

namespace {

// Drops a comment: '#' at the start of the line or after a blank.
std::string strip_comment(const std::string& line) {
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '#') continue;
    bool starts = true;
    for (size_t j = 0; j < i; ++j)
      if (line[j] != ' ' && line[j] != '\t') starts = false;
    if (starts || line[i - 1] == ' ' || line[i - 1] == '\t') return line.substr(0, i);
  }
  return line;
}

}  // namespace

namespace {

// The maximum a single wait may let pass: one day of virtual time.
constexpr long long kMaxWait = 86'400'000;

// A whole word as a number, or nothing.
std::optional<long long> number_word(const std::string& word) {
  long long v = 0;
  const char* first = word.data();
  const char* last = first + word.size();
  auto [end, ec] = std::from_chars(first, last, v);
  if (ec != std::errc() || end != last || word.empty()) return std::nullopt;
  return v;
}

// The words of a command after its name.
std::vector<std::string> words_of(std::istringstream& in) {
  std::vector<std::string> out;
  std::string w;
  while (in >> w) out.push_back(w);
  return out;
}

}  // namespace

void ScriptRunner::malformed(const std::string& usage) {
  out_ << "error: usage: " << usage << "\n";
}

void ScriptRunner::print_parts(const std::string& view, const std::vector<std::string>& paths,
                               const std::string& first, const std::string& prefix) {
  std::optional<json::Value> tree = json::parse(view);
  if (!tree) {
    // Every view is JSON; this would be a fault of the runner itself.
    out_ << "error: not JSON: " << view << "\n";
    return;
  }
  if (paths.empty()) {
    out_ << json::print(*tree) << "\n";
    return;
  }
  std::vector<json::Member> parts;
  if (!first.empty()) parts.emplace_back(first, *json::select(*tree, first));
  for (const std::string& path : paths) {
    if (path == first) continue;  // printed already
    std::optional<json::Value> part = json::select(*tree, path);
    if (!part) {
      out_ << "unknown: " << prefix << path << "\n";
      return;
    }
    parts.emplace_back(path, std::move(*part));
  }
  out_ << json::print(json::object(std::move(parts))) << "\n";
}

const std::vector<ScriptRunner::Command>& ScriptRunner::commands() {
  using R = ScriptRunner;
  static const std::vector<Command> table = {
      {"seed", "seed N", "every later re-seed of the random source uses N\n(default 1)",
       [](R& r, const Call& c) {
         const auto n = c.args.size() == 1 ? number_word(c.args[0]) : std::nullopt;
         if (!n) return r.malformed(c.usage);
         r.host_.rt.seed_override = true;
         r.host_.rt.seed = static_cast<uint32_t>(*n);
       }},
      {"type", "type CONTROL TEXT", "set the text of an edit box (TEXT is the rest of the line)",
       [](R& r, const Call& c) {
         // TEXT is everything after the one blank that follows CONTROL.
         const size_t name_start = c.line.find_first_not_of(' ', 4);
         if (name_start == std::string::npos) return r.malformed(c.usage);
         const size_t name_end = c.line.find(' ', name_start);
         const std::string name = c.line.substr(name_start, name_end - name_start);
         const std::string text = name_end == std::string::npos ? "" : c.line.substr(name_end + 1);
         if (!core::valid_utf8(text)) return r.malformed("type CONTROL TEXT (TEXT in UTF-8)");
         if (!r.host_.type(name, text)) r.refused(name);
       }},
      {"click", "click CONTROL",
       "click a control; a control that is not on screen\n"
       "(hidden, disabled, inside a hidden or parked panel, or\n"
       "covered by a panel above it) prints \"refused: CONTROL\"",
       [](R& r, const Call& c) {
         if (c.args.size() != 1) return r.malformed(c.usage);
         if (!r.host_.click(c.args[0])) r.refused(c.args[0]);
       }},
      {"pick", "pick CONTROL ROW", "make ROW (from 0) the current row of a list and click it",
       [](R& r, const Call& c) {
         const auto row = c.args.size() == 2 ? number_word(c.args[1]) : std::nullopt;
         if (!row || *row < std::numeric_limits<int>::min() ||
             *row > std::numeric_limits<int>::max())
           return r.malformed(c.usage);
         const std::string& name = c.args[0];
         if (!r.host_.pick(name, static_cast<int>(*row)))
           r.refused(r.host_.game.clickable(name) ? name + " " + std::to_string(*row) : name);
       }},
      {"key", "key KEY",
       "press a key: enter or space (the focused button), escape\n"
       "(closes the item viewer), up, down, left, right (the\n"
       "exits), mute; one that presses nothing prints\n"
       "\"refused: KEY\"",
       [](R& r, const Call& c) {
         if (c.args.size() != 1) return r.malformed(c.usage);
         const std::optional<Key> k = key_named(c.args[0]);
         if (!k || !r.host_.key(*k)) r.refused(c.args[0]);
       }},
      {"dblclick", "dblclick X Y",
       "double click at window point X Y; each click goes to the\n"
       "control on top there at that moment (on a list, the row\n"
       "under the point), and a second click that would land on\n"
       "another control than the first is refused",
       [](R& r, const Call& c) {
         const auto x = c.args.size() == 2 ? number_word(c.args[0]) : std::nullopt;
         const auto y = c.args.size() == 2 ? number_word(c.args[1]) : std::nullopt;
         if (!x || !y || *x < -100000 || *x > 100000 || *y < -100000 || *y > 100000)
           return r.malformed(c.usage);
         for (Press how : {Press::single, Press::second_of_double}) {
           const form::Control* at =
               r.host_.game.form.control_at(static_cast<int>(*x), static_cast<int>(*y));
           const std::string name = at ? at->name : std::to_string(*x) + " " + std::to_string(*y);
           // On a list each click picks the row under the point, as in the window.
           const bool done =
               at &&
               (at->kind == form::Kind::List
                    ? r.host_.pick(name, r.host_.game.form.row_at(*at, static_cast<int>(*y)), how)
                    : r.host_.click(name, how));
           if (!done) r.refused(name);
           if (r.host_.rt.quit_requested) break;
         }
       }},
      {"wait", "wait MS",
       "let MS milliseconds of virtual time pass (at most\n86400000, one day); a handler's own "
       "blocking waits\nspend it",
       [](R& r, const Call& c) {
         const auto ms = c.args.size() == 1 ? number_word(c.args[0]) : std::nullopt;
         if (!ms || *ms < 0 || *ms > kMaxWait)
           return r.malformed("wait MS (0 to " + std::to_string(kMaxWait) + ")");
         if (*ms > 0) r.wait(*ms);
       }},
      {"show", "show CONTROL [FIELD...]",
       "print the control as one JSON object (radio buttons with\n"
       "\"checked\", \"cursor\" when not the window's default); with\n"
       "FIELDs, its name and only those fields (paths as for\n"
       "state, e.g. show LocMemo lines.-1)",
       [](R& r, const Call& c) {
         if (c.args.empty()) return r.malformed(c.usage);
         const form::Control* control = r.host_.game.form.find(c.args[0]);
         if (!control) {
           r.out_ << "unknown: " << c.args[0] << "\n";
           return;
         }
         r.print_parts(control_json(r.host_.game.form, *control),
                       std::vector<std::string>(c.args.begin() + 1, c.args.end()), "name",
                       c.args[0] + ".");
       }},
      {"dump", "dump", "show every control",
       [](R& r, const Call&) {
         for (const form::Control& control : r.host_.game.form.controls())
           r.print_parts(control_json(r.host_.game.form, control), {});
       }},
      {"state", "state [PATH...]",
       "print the game records as one JSON object; with PATHs,\n"
       "only the parts they name, each a dotted path of keys and\n"
       "array indexes (from 0; -1 the last; \"*\" every item),\n"
       "e.g. state hero.money loc.place inventory.*.name",
       [](R& r, const Call& c) { r.print_parts(state_json(r.host_.game), c.args); }},
      {"file", "file PATH",
       "print the lines of a data file (PATH as the game writes\n"
       "it, e.g. data\\levels\\Pickup\\1.pkp) as one JSON object",
       [](R& r, const Call& c) {
         if (c.args.size() != 1) return r.malformed(c.usage);
         // The line is printed only once the whole file has been read.
         r.host_.game.handle([&] {
           const std::string lines = json_lines(core::read_all_lines(r.host_.game.root, c.args[0]));
           r.out_ << "{\"file\":" << json_string(c.args[0]) << ",\"lines\":" << lines << "}\n";
         });
       }},
      {"fault", "fault N",
       "make the N-th file write step from now fail (testing aid;\n0 turns it off)",
       [](R& r, const Call& c) {
         const auto n = c.args.size() == 1 ? number_word(c.args[0]) : std::nullopt;
         if (!n || *n < 0 || *n > std::numeric_limits<int>::max()) return r.malformed(c.usage);
         if (!r.faults_) r.faults_ = core::FaultyFiles::over(r.host_.game.root);
         r.faults_->fail_write_step(static_cast<int>(*n));
       }},
  };
  return table;
}

std::string ScriptRunner::help() {
  std::string out = kUse;
  for (const Command& c : commands()) {
    // The help starts in column 24, below a usage too long for its column.
    const std::string usage = std::string("  ") + c.usage;
    out += usage.size() < 23 ? usage + std::string(23 - usage.size(), ' ')
                             : usage + "\n" + std::string(23, ' ');
    for (const char* p = c.help; *p; ++p)
      out += *p == '\n' ? "\n" + std::string(23, ' ') : std::string(1, *p);
    out += "\n";
  }
  return out + kAfter;
}

bool ScriptRunner::run(const std::string& raw) {
  std::string line = raw;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const bool is_type = line.rfind("type ", 0) == 0 || line == "type";
  if (!is_type) line = strip_comment(line);
  std::istringstream in(line);
  std::string cmd;
  if (!(in >> cmd)) return true;
  const std::vector<std::string> args = words_of(in);
  const auto& table = commands();
  const auto found =
      std::find_if(table.begin(), table.end(), [&](const Command& c) { return cmd == c.name; });
  if (found == table.end()) {
    out_ << "unknown command: " << cmd << "\n";
  } else {
    found->run(*this, Call{line, args, found->usage});
  }
  out_.flush();
  return !host_.rt.quit_requested;
}
