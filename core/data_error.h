#pragma once
// The one exception type for bad or missing data. It is thrown where a file
// cannot be read or a value does not convert, and caught only by the event
// dispatcher (game/game.cpp), which shows it and lets the game go on.
#include <stdexcept>
#include <string>

namespace core {

// Where a name or a file name was read (a fight file's line, a location's
// picture line): an error about what it names also names this place.
struct Origin {
  std::string file;
  int line = 0;
};

class DataError : public std::runtime_error {
 public:
  // text: the familiar message ("File not found", "'x' is not a valid integer value").
  // file: the data file as the game wrote its path ("Data\Config\roamkin.cfg"); may be empty.
  // line: 1-based line number, 0 when the error is about the file as a whole.
  DataError(std::string text, std::string file = {}, int line = 0);

  const std::string& text() const { return text_; }
  const std::string& file() const { return file_; }
  int line() const { return line_; }

 private:
  std::string text_;
  std::string file_;
  int line_;
};

// Control characters (a NUL byte, a line break inside a value) are shown as
// \xNN, so the message is never cut short and the file and line come through.
std::string escape_controls(const std::string& text);

// what() is text + " (" + file + ", line " + line + ")", or text + " (" + file + ")"
// without a line, or the bare text without a file.
std::string format_data_error(const std::string& text, const std::string& file, int line);

}  // namespace core
