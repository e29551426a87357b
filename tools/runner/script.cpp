#include "tools/runner/script.h"

#include <charconv>
#include <limits>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "core/data_reader.h"
#include "core/safe_rewrite.h"
#include "tools/runner/json.h"

const char* const kRunnerHelp =
    R"(vetrovay-run [--data DIR]

Plays the game headless in virtual time on the data folder DIR/Data (default:
the working folder), reading one command a line from standard input. A line
whose first non-blank character is '#' is a comment, as is anything after a
blank followed by '#'.

  seed N               every later re-seed of the random source uses N
  type CONTROL TEXT    set the text of an edit box (TEXT is the rest of the line)
  click CONTROL        click a control; a control that is not on screen
                       (hidden, disabled, inside a hidden or parked panel, or
                       covered by a panel above it) prints "refused: CONTROL"
  pick CONTROL ROW     make ROW (from 0) the current row of a list and click it
  key KEY              press a key: enter or space (the focused button), escape
                       (closes the item viewer), up, down, left, right (the
                       exits), mute; one that presses nothing prints
                       "refused: KEY"
  dblclick X Y         double click at window point X Y; each click goes to the
                       control on top there at that moment (on a list, the
                       row under the point), and a second click that would
                       land on another control than the first is refused
  wait MS              let MS milliseconds of virtual time pass (at most
                       86400000, one day)
  show CONTROL         print the control as one JSON object (radio buttons with
                       "checked", "cursor" when not the window's default)
  dump                 show every control
  state                print the game records as one JSON object
  file PATH            print the lines of a data file (PATH as the game writes
                       it, e.g. data\levels\Pickup\1.pkp) as one JSON object
  fault N              make the N-th file write step from now fail (testing aid;
                       0 turns it off)

A data error in a handler prints "error: MESSAGE"; so does a malformed
command ("error: usage: ..."), and the script goes on. The program ends at the end
of the input or when the game exits.
)";

ScriptRunner::ScriptRunner(const core::DataRoot& root, std::ostream& out)
    : out_(out), game_(root, rt_, music_), scheduler_(game_.form) {
  scheduler_.follow_waits(rt_);
  game_.on_error = [this](const std::string& message) { out_ << "error: " << message << "\n"; };
  game_.handle([this] { game_.FormCreate(); });
  after_event();
}

void ScriptRunner::after_event() {
  scheduler_.sync(rt_.now);
}

void ScriptRunner::refused(const std::string& what) {
  out_ << "refused: " << what << "\n";
}

void ScriptRunner::wait(int64_t ms) {
  scheduler_.pass(rt_, ms, [this](const std::string& timer) { game_.tick(timer); });
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

// Whether the bytes are well-formed UTF-8 (what the form model holds and the
// JSON lines print).
bool valid_utf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    const size_t n = b < 0x80           ? 1
                     : (b >> 5) == 0x6  ? 2
                     : (b >> 4) == 0xE  ? 3
                     : (b >> 3) == 0x1E ? 4
                                        : 0;
    if (n == 0 || (n > 1 && b < 0xC2) || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

// The words of a command after its name.
std::vector<std::string> words_of(std::istringstream& in) {
  std::vector<std::string> out;
  std::string w;
  while (in >> w) out.push_back(w);
  return out;
}

}  // namespace

bool ScriptRunner::run(const std::string& raw) {
  std::string line = raw;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const bool is_type = line.rfind("type ", 0) == 0 || line == "type";
  if (!is_type) line = strip_comment(line);
  std::istringstream in(line);
  std::string cmd;
  if (!(in >> cmd)) return true;
  const std::vector<std::string> args = words_of(in);
  // A malformed command prints one "error: ..." line and the script goes on.
  auto malformed = [this](const std::string& usage) { out_ << "error: usage: " << usage << "\n"; };

  if (cmd == "type") {
    // type CONTROL TEXT: TEXT is everything after the one blank that follows CONTROL.
    const size_t name_start = line.find_first_not_of(' ', 4);
    if (name_start == std::string::npos) {
      malformed("type CONTROL TEXT");
    } else {
      const size_t name_end = line.find(' ', name_start);
      const std::string name = line.substr(name_start, name_end - name_start);
      const std::string text = name_end == std::string::npos ? "" : line.substr(name_end + 1);
      if (!valid_utf8(text)) {
        malformed("type CONTROL TEXT (TEXT in UTF-8)");
      } else if (!game_.type(name, text)) {
        refused(name);
      }
    }
  } else if (cmd == "seed") {
    const auto n = args.size() == 1 ? number_word(args[0]) : std::nullopt;
    if (!n) {
      malformed("seed N");
    } else {
      rt_.seed_override = true;
      rt_.seed = static_cast<uint32_t>(*n);
    }
  } else if (cmd == "click") {
    if (args.size() != 1) {
      malformed("click CONTROL");
    } else {
      if (!game_.click(args[0])) refused(args[0]);
      after_event();
    }
  } else if (cmd == "pick") {
    const auto row = args.size() == 2 ? number_word(args[1]) : std::nullopt;
    if (!row || *row < std::numeric_limits<int>::min() || *row > std::numeric_limits<int>::max()) {
      malformed("pick CONTROL ROW");
    } else {
      const std::string& name = args[0];
      if (!game_.clickable(name)) {
        refused(name);
      } else if (!game_.pick(name, static_cast<int>(*row))) {
        refused(name + " " + std::to_string(*row));
      }
      after_event();
    }
  } else if (cmd == "key") {
    std::optional<Key> k = args.size() == 1 ? key_named(args[0]) : std::nullopt;
    if (args.size() != 1) {
      malformed("key KEY");
    } else {
      if (!k || !game_.key(*k)) refused(args[0]);
      after_event();
    }
  } else if (cmd == "dblclick") {
    // Two clicks at one window point, each on the control on top there then.
    const auto x = args.size() == 2 ? number_word(args[0]) : std::nullopt;
    const auto y = args.size() == 2 ? number_word(args[1]) : std::nullopt;
    if (!x || !y || *x < -100000 || *x > 100000 || *y < -100000 || *y > 100000) {
      malformed("dblclick X Y");
    } else {
      for (Press how : {Press::single, Press::second_of_double}) {
        const form::Control* c = game_.form.control_at(static_cast<int>(*x), static_cast<int>(*y));
        const std::string name = c ? c->name : std::to_string(*x) + " " + std::to_string(*y);
        // On a list each click picks the row under the point, as in the window.
        const bool done =
            c && (c->kind == form::Kind::List
                      ? game_.pick(name, game_.form.row_at(*c, static_cast<int>(*y)), how)
                      : game_.click(name, how));
        if (!done) refused(name);
        after_event();
        if (rt_.quit_requested) break;
      }
    }
  } else if (cmd == "wait") {
    const auto ms = args.size() == 1 ? number_word(args[0]) : std::nullopt;
    if (!ms || *ms < 0 || *ms > kMaxWait) {
      malformed("wait MS (0 to " + std::to_string(kMaxWait) + ")");
    } else if (*ms > 0) {
      wait(*ms);
    }
  } else if (cmd == "show") {
    if (args.size() != 1) {
      malformed("show CONTROL");
    } else if (const form::Control* c = game_.form.find(args[0])) {
      out_ << control_json(game_.form, *c) << "\n";
    } else {
      out_ << "unknown: " << args[0] << "\n";
    }
  } else if (cmd == "dump") {
    for (const form::Control& c : game_.form.controls())
      out_ << control_json(game_.form, c) << "\n";
  } else if (cmd == "state") {
    out_ << state_json(game_) << "\n";
  } else if (cmd == "file") {
    // file PATH: the lines of a data file, PATH written as the game writes it.
    // The line is printed only once the whole file has been read.
    if (args.size() != 1) {
      malformed("file PATH");
    } else {
      game_.handle([&] {
        const std::string lines = json_lines(core::read_all_lines(game_.root, args[0]));
        out_ << "{\"file\":" << json_string(args[0]) << ",\"lines\":" << lines << "}\n";
      });
    }
  } else if (cmd == "fault") {
    const auto n = args.size() == 1 ? number_word(args[0]) : std::nullopt;
    if (!n || *n < 0 || *n > std::numeric_limits<int>::max()) {
      malformed("fault N");
    } else {
      core::inject_write_fault(static_cast<int>(*n));
    }
  } else {
    out_ << "unknown command: " << cmd << "\n";
  }
  out_.flush();
  return !rt_.quit_requested;
}
