#include "ui/qt_runtime.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "ui/main_window.h"

QtRuntime::QtRuntime() {
  clock_.start();
}

void QtRuntime::wait(int ms) {
  if (quitting_) return;
  if (before_wait) before_wait();
  if (window_) window_->show_now();
  if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
  now += std::max(ms, 0);
}

uint32_t QtRuntime::clock_seed() {
  if (const char* env = std::getenv("VETROVAY_SEED"); env && *env) {
    char* end = nullptr;
    unsigned long long seed = std::strtoull(env, &end, 10);
    if (end && *end == '\0') return static_cast<uint32_t>(seed);
  }
  return static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

void QtRuntime::quit() {
  if (quitting_) return;
  quitting_ = true;
  if (window_) window_->shut_down();
  // Leaves the event loop once control is back in it, also when the loop
  // has not started yet.
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}
