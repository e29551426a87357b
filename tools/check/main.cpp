// vetrovay-check: checks a data folder without playing it.
#include <filesystem>
#include <iostream>
#include <string>

#include "tools/check/checker.h"

namespace {
const char* const kHelp =
    "Usage: vetrovay-check [--data DIR] [--strict]\n"
    "Reads every file the game can reach from the Data folder in DIR (default:\n"
    "the working folder) and prints each problem as FILE:LINE: message, and\n"
    "each likely slip in legal data as FILE:LINE: warning: message.\n"
    "Exit status: 0 when the data is clean (warnings allowed unless --strict),\n"
    "1 when there are problems, 2 on bad usage.\n";
}

int main(int argc, char** argv) {
  std::filesystem::path data = std::filesystem::current_path();
  bool strict = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kHelp;
      return 0;
    }
    if (arg == "--strict") {
      strict = true;
    } else if (arg == "--data" && i + 1 < argc) {
      data = argv[++i];
    } else {
      std::cerr << "vetrovay-check: unknown argument " << arg << "\n" << kHelp;
      return 2;
    }
  }
  if (!std::filesystem::is_directory(data)) {
    std::cerr << "vetrovay-check: no folder " << data << "\n";
    return 2;
  }
  const core::DataRoot root(data);
  if (!root.find("Data")) {
    std::cerr << "vetrovay-check: no Data folder in " << data << "\n";
    return 2;
  }
  const auto ctx = check::check_data(root);
  for (const check::Problem& p : ctx->problems()) std::cout << check::format(p) << "\n";
  const std::string counts = std::to_string(ctx->files_read()) + " files, " +
                             std::to_string(ctx->locations) + " locations, " +
                             std::to_string(ctx->items) + " items";
  const size_t warnings = ctx->problems().size() - ctx->errors();
  const int status = check::exit_status(*ctx, strict);
  if (status != 0) {
    std::cerr << "vetrovay-check: " << ctx->errors() << " problem(s), " << warnings
              << " warning(s) (" << counts << ")\n";
    return status;
  }
  std::cout << "vetrovay-check: no problems"
            << (warnings ? ", " + std::to_string(warnings) + " warning(s)" : "") << " (" << counts
            << ")\n";
  return 0;
}
