#pragma once
// The safe rewrite of a data file: the complete new content goes to the
// temporary file named by the caller, is flushed to disk, and then atomically
// replaces the original. A failure at any step leaves the original whole (old
// or new, never partial) and raises DataError.
#include <functional>
#include <string>
#include <vector>

#include "core/paths.h"

namespace core {

// lines: the new content in UTF-8, written as Windows-1251 with CR LF after
// every line. file and temp are game paths inside the data folder.
void safe_rewrite(const DataRoot& root, const std::string& file, const std::string& temp,
                  const std::vector<std::string>& lines);

// Several files at once, each safely: all temporary files are written, the
// file system is synced once, then each replaces its original. A failure
// while writing leaves every original as it was; the DataError names the
// file whose step failed.
struct Rewrite {
  std::string file;
  std::string temp;
  std::vector<std::string> lines;
};
void safe_rewrite_all(const DataRoot& root, const std::vector<Rewrite>& rewrites);

}  // namespace core
