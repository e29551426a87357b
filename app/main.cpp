// The game in its window. The data folder is the working folder (or the one
// given with --data); it must hold the game's "Data" folder.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "audio/music.h"
#include "core/paths.h"
#include "game/game.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/qt_runtime.h"

namespace {

void usage(std::ostream& out, const char* program) {
  out << "Usage: " << program << " [--data DIR]\n"
      << "Plays the game whose \"Data\" folder lies in DIR (default: the current folder).\n"
      << "Set VETROVAY_SEED to a number to fix the random draws.\n";
}

bool set(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

}  // namespace

int main(int argc, char** argv) {
  const char* program = argc > 0 ? argv[0] : "vetrovay";
  std::string command_line = program;
  for (int i = 1; i < argc; ++i) command_line += std::string(" ") + argv[i];
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      usage(std::cout, program);
      return 0;
    }
    if (arg == "--data" && i + 1 < argc) {
      std::error_code error;
      std::filesystem::current_path(argv[++i], error);
      if (error) {
        std::cerr << "vetrovay: cannot open the data folder " << argv[i] << ": " << error.message()
                  << "\n";
        return 1;
      }
      continue;
    }
    usage(std::cerr, program);
    return 2;
  }

  core::DataRoot root(std::filesystem::current_path());
  if (!root.find("Data")) {
    std::cerr << "vetrovay: there is no Data folder in " << root.root().string()
              << ". Run it in the game's folder or name it with --data DIR.\n";
    return 1;
  }
  if (!set("QT_QPA_PLATFORM") && !set("DISPLAY") && !set("WAYLAND_DISPLAY")) {
    std::cerr << "vetrovay: no display found. Run it under a virtual display: xvfb-run -a "
              << command_line << "\n";
    return 1;
  }

  QApplication app(argc, argv);
  QApplication::setStyle("Fusion");  // the same look on every desktop
  // The game ends through its own exit (or closing its window), never because
  // the full-screen view handed the window back.
  QApplication::setQuitOnLastWindowClosed(false);
  ui::install_font_substitutions();

  std::unique_ptr<audio::Music> music = audio::make_sdl_music();
  QtRuntime runtime;
  Game game(root, runtime, *music);
  MainWindow window(game, runtime);
  game.handle([&game] { game.FormCreate(); });
  if (runtime.quitting()) return 0;
  window.sync();
  window.show();
  window.start_timers();
  return app.exec();
}
