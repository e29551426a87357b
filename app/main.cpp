// The game in its window, on the data folder that choose_data_folder finds.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "audio/deferred_music.h"
#include "audio/music.h"
#include "core/data_folder.h"
#include "core/paths.h"
#include "game/game.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/qt_runtime.h"

namespace {

void usage(std::ostream& out, const char* program) {
  out << "Usage: " << program << " [--data DIR]\n"
      << "Plays the game whose \"Data\" folder lies in DIR. Without --data: the current\n"
      << "folder when it holds a Data folder, else the installed demo game (played from\n"
      << "a copy in ~/.local/share/vetrovay/demo, made on first use).\n"
      << "\n"
      << "Keys:\n"
      << "  arrow keys   walk through the exits shown on screen\n"
      << "  Enter, Space press the button with the keyboard focus\n"
      << "  Escape       close the item viewer\n"
      << "  M            mute or unmute the music (not while typing the name)\n"
      << "  F11          full screen, the picture scaled to fit; F11 again for the window\n"
      << "\n"
      << "Environment: VETROVAY_SEED=N fixes the random draws; QT_SCALE_FACTOR=2 draws\n"
      << "the window twice as large.\n";
}

// The installed demo game: beside the program (bin/../share/vetrovay/demo),
// else where this build installs it.
std::filesystem::path installed_demo() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    std::filesystem::path beside = exe.parent_path().parent_path() / "share/vetrovay/demo";
    if (core::holds_data(beside)) return beside;
  }
#ifdef VETROVAY_INSTALLED_DEMO
  return VETROVAY_INSTALLED_DEMO;
#else
  return {};
#endif
}

std::filesystem::path user_copy() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  std::filesystem::path base = xdg && *xdg     ? std::filesystem::path(xdg)
                               : home && *home ? std::filesystem::path(home) / ".local/share"
                                               : std::filesystem::temp_directory_path();
  return base / "vetrovay" / "demo";
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
  std::string given;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      usage(std::cout, program);
      return 0;
    }
    if (arg == "--data" && i + 1 < argc) {
      given = argv[++i];
      continue;
    }
    usage(std::cerr, program);
    return 2;
  }

  core::DataFolderChoice data = core::choose_data_folder(given, std::filesystem::current_path(),
                                                         installed_demo(), user_copy());
  if (!data.error.empty()) {
    std::cerr << "vetrovay: " << data.error << "\n";
    return 1;
  }
  if (!data.note.empty()) std::cerr << "vetrovay: " << data.note << "\n";
  std::error_code error;
  std::filesystem::current_path(data.folder, error);
  if (error) {
    std::cerr << "vetrovay: cannot open the data folder " << data.folder.string() << ": "
              << error.message() << "\n";
    return 1;
  }
  core::DataRoot root(data.folder);
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

  // The sound device opens once the window is painted (or when the first
  // track is wanted, if that is sooner).
  auto music = std::make_unique<audio::DeferredMusic>(audio::make_sdl_music());
  QtRuntime runtime;
  Game game(root, runtime, *music);
  MainWindow window(game, runtime);
  game.handle([&game] { game.FormCreate(); });
  if (runtime.quitting()) return 0;
  window.after_first_paint = [&music] { music->open(); };
  window.sync();
  window.show();
  window.start_timers();
  return app.exec();
}
