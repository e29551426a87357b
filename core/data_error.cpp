#include "core/data_error.h"

#include <cstdio>
#include <utility>

#include "core/cp1251.h"

namespace core {

std::string escape_controls(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0x20 && byte != 0x7F) {
      out += ch;
      continue;
    }
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", byte);
    out += buf;
  }
  return out;
}

std::string format_data_error(const std::string& text, const std::string& file, int line) {
  // A value of megabytes quoted in the text is cut; the file and line
  // always follow.
  constexpr size_t kLongest = 400;
  const std::string cut = utf8_prefix(text, kLongest);
  const std::string shown = escape_controls(cut) + (cut.size() < text.size() ? "..." : "");
  if (file.empty()) return shown;
  if (line <= 0) return shown + " (" + escape_controls(file) + ")";
  return shown + " (" + escape_controls(file) + ", line " + std::to_string(line) + ")";
}

DataError::DataError(std::string text, std::string file, int line)
    : std::runtime_error(format_data_error(text, file, line)),
      text_(std::move(text)),
      file_(std::move(file)),
      line_(line) {}

}  // namespace core
