#include "core/data_reader.h"

#include <fstream>
#include <iterator>
#include <utility>

#include "core/convert.h"
#include "core/cp1251.h"
#include "core/data_error.h"

namespace core {

std::string read_data_file(const DataRoot& root, const std::string& game_path) {
  const std::optional<std::filesystem::path> file = root.find(game_path);
  std::error_code ec;
  if (!file || !std::filesystem::is_regular_file(*file, ec))
    throw DataError("File not found", game_path);
  std::ifstream in(*file, std::ios::binary);
  if (!in) throw DataError("File not found", game_path);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw DataError("File not found", game_path);
  return bytes;
}

DataReader::DataReader(const DataRoot& root, std::string game_path)
    : path_(std::move(game_path)), bytes_(read_data_file(root, path_)) {}

std::string_view DataReader::next_raw_line() {
  ++read_;
  if (next_ >= bytes_.size()) return {};
  const size_t start = next_;
  size_t end = bytes_.find('\n', start);
  next_ = end == std::string::npos ? bytes_.size() : end + 1;
  if (end == std::string::npos) end = bytes_.size();
  if (end > start && bytes_[end - 1] == '\r') --end;
  return std::string_view(bytes_).substr(start, end - start);
}

std::string DataReader::line() {
  return cp1251_to_utf8(next_raw_line());
}

void DataReader::skip(int n) {
  // Dropped lines are only counted, not converted.
  for (int i = 0; i < n; ++i) next_raw_line();
}

int32_t DataReader::read_int() {
  const std::string text = line();
  return to_int(text, path_, read_);
}

double DataReader::read_decimal() {
  const std::string text = line();
  return to_decimal(text, path_, read_);
}

std::vector<std::string> read_all_lines(const DataRoot& root, const std::string& game_path) {
  DataReader reader(root, game_path);
  std::vector<std::string> lines;
  while (!reader.eof()) lines.push_back(reader.line());
  return lines;
}

}  // namespace core
