#pragma once
// The line discipline of every data file: whole lines without trimming, CR LF
// or LF, Windows-1251 converted to UTF-8; a line read past the end is empty and
// no error. Numbers are converted strictly and errors name the file and line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/paths.h"

namespace core {

class DataReader {
 public:
  // Opens the file at the game path; DataError "File not found" when it is
  // missing or cannot be read.
  DataReader(const DataRoot& root, std::string game_path);
  // Reads bytes already taken from the file at game_path; they must outlive
  // the reader.
  DataReader(std::string game_path, std::string_view bytes);
  DataReader(const DataReader&) = delete;
  DataReader& operator=(const DataReader&) = delete;

  bool eof() const { return next_ >= bytes_.size(); }
  // The next line (empty past the end).
  std::string line();
  // Reads and drops n lines.
  void skip(int n = 1);
  // The next line as a strict integer / decimal number. A number due past the
  // end names the file's last line and says the file ended early.
  int32_t read_int();
  double read_decimal();
  // Most formats put a label line before each value: these read and drop
  // the label, then read the value line.
  std::string labelled();
  int32_t labelled_int();
  double labelled_decimal();
  // Line number of the line last read (1-based; 0 before the first).
  int line_number() const { return read_; }
  const std::string& game_path() const { return path_; }

 private:
  // The next line's bytes, without its line break; empty past the end.
  std::string_view next_raw_line();
  // A number was due past the end of the file.
  [[noreturn]] void ended_early(const char* expected) const;

  std::string path_;
  std::string owned_;       // the whole file, when the reader read it itself
  std::string_view bytes_;  // lines are cut and converted as they are read
  size_t next_ = 0;
  int read_ = 0;
  int last_line_ = 0;      // number of the last line that the file really has, once read
  bool past_end_ = false;  // the line last read lay past the end
};

// The raw bytes of a data file; DataError "File not found" when it is
// missing, not a regular file or cannot be read.
std::string read_data_file(const DataRoot& root, const std::string& game_path);

// Every line of a data file (UTF-8), for texts read whole.
std::vector<std::string> read_all_lines(const DataRoot& root, const std::string& game_path);

}  // namespace core
