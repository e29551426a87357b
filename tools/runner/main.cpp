// vetrovay-run: the scripted runner.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "core/data_error.h"
#include "tools/runner/edits.h"
#include "tools/runner/script.h"

int main(int argc, char** argv) {
  std::filesystem::path data = std::filesystem::current_path();
  std::string edits;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << ScriptRunner::help();
      return 0;
    }
    if (arg == "--data" && i + 1 < argc) {
      data = argv[++i];
    } else if (arg == "--edits" && i + 1 < argc) {
      edits = argv[++i];
    } else {
      std::cerr << "vetrovay-run: unknown argument " << arg << "\n" << ScriptRunner::help();
      return 2;
    }
  }
  if (!std::filesystem::is_directory(data)) {
    std::cerr << "vetrovay-run: no folder " << data << "\n";
    return 2;
  }
  core::DataRoot root(data);
  if (!edits.empty()) {
    std::ifstream in(edits, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    try {
      if (!in) throw core::DataError("File not found", edits);
      apply_edits(root, edits, text.str());
    } catch (const core::DataError& e) {
      std::cerr << "vetrovay-run: " << e.what() << "\n";
      return 2;
    }
  }
  ScriptRunner runner(root, std::cout);
  std::string line;
  while (std::getline(std::cin, line))
    if (!runner.run(line)) break;
  return 0;
}
