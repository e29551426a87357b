#include "tools/runner/edits.h"

#include <charconv>
#include <sstream>

#include "core/data_error.h"
#include "core/data_reader.h"
#include "core/safe_rewrite.h"

void apply_edits(const core::DataRoot& root, const std::string& edits_name,
                 const std::string& text) {
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
    auto fail = [&](const std::string& what) { throw core::DataError(what, edits_name, number); };
    const size_t path_end = line.find(' ');
    const size_t num_end = path_end == std::string::npos ? path_end : line.find(' ', path_end + 1);
    if (num_end == std::string::npos) fail("expected PATH LINE TEXT");
    const std::string path = line.substr(0, path_end);
    const char* first = line.data() + path_end + 1;
    const char* last = line.data() + num_end;
    int at = 0;
    auto [end, ec] = std::from_chars(first, last, at);
    if (ec != std::errc() || end != last || at < 1) fail("the line number must be 1 or more");
    std::vector<std::string> lines = core::read_all_lines(root, path);
    const size_t before = lines.size();
    // The line after the last one adds a line.
    if (static_cast<size_t>(at) > lines.size() + 1)
      fail(path + " has only " + std::to_string(lines.size()) + " lines");
    if (static_cast<size_t>(at) == lines.size() + 1) lines.emplace_back();
    std::string& target = lines[static_cast<size_t>(at) - 1];
    const std::string now = line.substr(num_end + 1);
    if (target == now && static_cast<size_t>(at) <= before)
      fail(path + " line " + std::to_string(at) + " is already '" + now + "'");
    target = now;
    core::safe_rewrite(root, path, path + ".edit", lines);
  }
}
