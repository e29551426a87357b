// A bare Qt 6 window of the game's size, for comparing start-up times with
// the game (scripts/measure_window).
#include <QApplication>
#include <QWidget>

#include "ui/first_paint.h"

namespace {

class Bare : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { ui::report_first_paint(); }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Bare window;
  window.setFixedSize(777, 526);
  window.show();
  return app.exec();
}
