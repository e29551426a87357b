#include "tools/runner/script.h"

#include <ostream>
#include <sstream>

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
  wait MS              let MS milliseconds of virtual time pass
  show CONTROL         print the control as one JSON object (radio buttons with
                       "checked", "cursor" when not the window's default)
  dump                 show every control
  state                print the game records as one JSON object
  file PATH            print the lines of a data file (PATH as the game writes
                       it, e.g. data\levels\Pickup\1.pkp) as one JSON object
  fault N              make the N-th file write step from now fail (testing aid;
                       0 turns it off)

A data error in a handler prints "error: MESSAGE". The program ends at the end
of the input or when the game exits.
)";

ScriptRunner::ScriptRunner(const core::DataRoot& root, std::ostream& out)
    : out_(out), game_(root, rt_, music_), scheduler_(game_.form, 1) {
  game_.on_error = [this](const std::string& message) { out_ << "error: " << message << "\n"; };
  game_.handle([this] { game_.FormCreate(); });
  after_event();
}

void ScriptRunner::after_event() {
  scheduler_.sync(rt_.now);
}

bool ScriptRunner::onscreen(const std::string& name) {
  const form::Control* c = game_.form.find(name);
  if (!c || !game_.form.onscreen(*c)) {
    out_ << "refused: " << name << "\n";
    return false;
  }
  return true;
}

void ScriptRunner::wait(int64_t ms) {
  scheduler_.run_until(
      rt_.now, rt_.now + ms, [this](const std::string& timer) { game_.tick(timer); },
      [this] { return rt_.quit_requested; });
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

bool ScriptRunner::run(const std::string& raw) {
  std::string line = raw;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const bool is_type = line.rfind("type ", 0) == 0;
  if (!is_type) line = strip_comment(line);
  std::istringstream words(line);
  std::string cmd;
  if (!(words >> cmd)) return true;

  if (cmd == "type") {
    // type CONTROL TEXT: TEXT is everything after the one blank that follows CONTROL.
    const size_t name_start = line.find_first_not_of(' ', 4);
    const size_t name_end = line.find(' ', name_start);
    const std::string name = line.substr(name_start, name_end - name_start);
    const std::string text = name_end == std::string::npos ? "" : line.substr(name_end + 1);
    const form::Control* c = game_.form.find(name);
    if (!c || c->kind != form::Kind::Edit || c->read_only) {
      out_ << "refused: " << name << "\n";
    } else {
      game_.type(name, text);
    }
  } else if (cmd == "seed") {
    long long n = 0;
    words >> n;
    rt_.seed_override = true;
    rt_.seed = static_cast<uint32_t>(n);
  } else if (cmd == "click") {
    std::string name;
    words >> name;
    if (onscreen(name)) game_.click(name);
    after_event();
  } else if (cmd == "pick") {
    std::string name;
    int row = -1;
    words >> name >> row;
    const form::Control* c = game_.form.find(name);
    if (onscreen(name)) {
      if (c->kind != form::Kind::List || row < 0 || row >= static_cast<int>(c->rows.size())) {
        out_ << "refused: " << name << " " << row << "\n";
      } else {
        game_.pick(name, row);
      }
    }
    after_event();
  } else if (cmd == "wait") {
    long long ms = 0;
    words >> ms;
    if (ms > 0) wait(ms);
  } else if (cmd == "show") {
    std::string name;
    words >> name;
    if (const form::Control* c = game_.form.find(name)) {
      out_ << control_json(game_.form, *c) << "\n";
    } else {
      out_ << "unknown: " << name << "\n";
    }
  } else if (cmd == "dump") {
    for (const form::Control& c : game_.form.controls())
      out_ << control_json(game_.form, c) << "\n";
  } else if (cmd == "state") {
    out_ << state_json(game_) << "\n";
  } else if (cmd == "file") {
    // file PATH: the lines of a data file, PATH written as the game writes it.
    std::string path;
    words >> path;
    game_.handle([&] {
      out_ << "{\"file\":" << json_string(path)
           << ",\"lines\":" << json_lines(core::read_all_lines(game_.root, path)) << "}\n";
    });
  } else if (cmd == "fault") {
    int n = 0;
    words >> n;
    core::inject_write_fault(n);
  } else {
    out_ << "unknown command: " << cmd << "\n";
  }
  out_.flush();
  return !rt_.quit_requested;
}
