#include "core/data_error.h"

#include <utility>

namespace core {

std::string format_data_error(const std::string& text, const std::string& file, int line) {
  if (file.empty()) return text;
  if (line <= 0) return text + " (" + file + ")";
  return text + " (" + file + ", line " + std::to_string(line) + ")";
}

DataError::DataError(std::string text, std::string file, int line)
    : std::runtime_error(format_data_error(text, file, line)),
      text_(std::move(text)),
      file_(std::move(file)),
      line_(line) {}

}  // namespace core
