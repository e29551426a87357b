// vetrovay-run: the scripted runner.
#include <filesystem>
#include <iostream>
#include <string>

#include "tools/runner/script.h"

int main(int argc, char** argv) {
  std::filesystem::path data = std::filesystem::current_path();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kRunnerHelp;
      return 0;
    }
    if (arg == "--data" && i + 1 < argc) {
      data = argv[++i];
    } else {
      std::cerr << "vetrovay-run: unknown argument " << arg << "\n" << kRunnerHelp;
      return 2;
    }
  }
  if (!std::filesystem::is_directory(data)) {
    std::cerr << "vetrovay-run: no folder " << data << "\n";
    return 2;
  }
  core::DataRoot root(data);
  ScriptRunner runner(root, std::cout);
  std::string line;
  while (std::getline(std::cin, line))
    if (!runner.run(line)) break;
  return 0;
}
