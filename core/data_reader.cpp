#include "core/data_reader.h"

#include <utility>

#include "core/convert.h"
#include "core/cp1251.h"
#include "core/data_error.h"
#include "core/files.h"

namespace core {

std::string read_data_file(const DataRoot& root, const std::string& game_path) {
  const std::optional<std::filesystem::path> file = root.find(game_path);
  if (!file) throw DataError("File not found", game_path);
  std::optional<std::string> bytes = root.files().read(*file);
  if (!bytes) throw DataError("File not found", game_path);
  return std::move(*bytes);
}

DataReader::DataReader(const DataRoot& root, std::string game_path)
    : path_(std::move(game_path)), owned_(read_data_file(root, path_)), bytes_(owned_) {}

DataReader::DataReader(std::string game_path, std::string_view bytes)
    : path_(std::move(game_path)), bytes_(bytes) {}

std::string_view DataReader::next_raw_line() {
  ++read_;
  if (next_ >= bytes_.size()) {
    past_end_ = true;
    return {};
  }
  past_end_ = false;
  last_line_ = read_;
  const size_t start = next_;
  size_t end = bytes_.find('\n', start);
  next_ = end == std::string::npos ? bytes_.size() : end + 1;
  if (end == std::string::npos) end = bytes_.size();
  if (end > start && bytes_[end - 1] == '\r') --end;
  return bytes_.substr(start, end - start);
}

std::string DataReader::line() {
  return cp1251_to_utf8(next_raw_line());
}

void DataReader::skip(int n) {
  // Dropped lines are only counted, not converted.
  for (int i = 0; i < n; ++i) next_raw_line();
}

void DataReader::ended_early(const char* expected) const {
  // The number that was due lies past the end: the message names the last
  // line the file has, where the author will look for what is missing.
  throw DataError(std::string("'' is not a valid ") + expected + " value: the file ended early",
                  path_, last_line_);
}

int32_t DataReader::read_int() {
  const std::string text = line();
  if (past_end_) ended_early("integer");
  return to_int(text, path_, read_);
}

double DataReader::read_decimal() {
  const std::string text = line();
  if (past_end_) ended_early("floating point");
  return to_decimal(text, path_, read_);
}

std::string DataReader::labelled() {
  skip();
  return line();
}

int32_t DataReader::labelled_int() {
  skip();
  return read_int();
}

double DataReader::labelled_decimal() {
  skip();
  return read_decimal();
}

std::vector<std::string> read_all_lines(const DataRoot& root, const std::string& game_path) {
  DataReader reader(root, game_path);
  std::vector<std::string> lines;
  while (!reader.eof()) lines.push_back(reader.line());
  return lines;
}

}  // namespace core
