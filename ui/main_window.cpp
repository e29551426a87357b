#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <exception>
#include <utility>

#include "game/game.h"
#include "ui/control_widgets.h"
#include "ui/first_paint.h"
#include "ui/full_screen.h"
#include "ui/keyboard.h"
#include "ui/look.h"
#include "ui/qt_runtime.h"
#include "ui/timer_driver.h"

using form::Kind;

namespace {
// A fixed border with the system menu and the minimise button only.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}  // namespace

MainWindow::MainWindow(Game& game, QtRuntime& runtime)
    : QWidget(nullptr), game_(game), runtime_(runtime) {
  setWindowFlags(kWindowFlags);
  setFixedSize(form::kClientWidth, form::kClientHeight);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  create_widgets();
  qApp->installEventFilter(this);
  timers_ = std::make_unique<TimerDriver>(
      game_.form, runtime_, [this](const std::string& timer) { tick(timer); }, [this] { sync(); });
  game_.on_error = [this](const std::string& message) { show_error(message); };
  runtime_.attach(this);
  sync();
}

MainWindow::~MainWindow() {
  full_screen_.reset();
  qApp->removeEventFilter(this);
  runtime_.attach(nullptr);
  game_.on_error = nullptr;
}

void MainWindow::create_widgets() {
  for (form::Control& c : game_.form.controls()) {
    by_name_[c.name] = bound_.size();
    ui::BoundControl bound;
    bound.control = &c;
    bound_.push_back(std::move(bound));
  }
  create_shown_widgets();
}

void MainWindow::create_shown_widgets() {
  if (widgets_made_ && pending_ == 0) return;
  widgets_made_ = true;
  pending_ = 0;
  bool new_screen = false;
  for (size_t index = 0; index < bound_.size(); ++index) {
    ui::BoundControl& b = bound_[index];
    const form::Control& c = *b.control;
    if (b.widget || c.kind == Kind::Timer) continue;
    QWidget* parent = this;
    if (auto it = by_name_.find(c.parent); !c.parent.empty() && it != by_name_.end()) {
      parent = bound_[it->second].widget;
    } else if (c.kind == Kind::Panel && !game_.form.onscreen(c)) {
      parent = nullptr;  // parked, hidden or covered (the play screen under the menu)
    }
    if (!parent) {
      pending_ += 1;
      continue;
    }
    b.widget = ui::create_widget(c, parent);
    b.widget->raise();  // later controls lie above earlier ones
    connect_input(index);
    new_screen = new_screen || parent == this;
  }
  // A screen made later than those after it in the design goes back under them.
  if (new_screen) {
    for (ui::BoundControl& b : bound_)
      if (b.widget && b.widget->parentWidget() == this) b.widget->raise();
  }
}

void MainWindow::connect_input(size_t index) {
  form::Control& c = *bound_[index].control;
  QWidget* w = bound_[index].widget;
  const std::string name = c.name;
  switch (c.kind) {
    case Kind::Button:
    case Kind::Radio:
      // The keyboard never presses a button by itself: keys go to the game
      // (keyPress), which presses only what a player can see.
      w->setFocusPolicy(Qt::NoFocus);
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, [this, name] {
        Press how = press_;
        dispatch([this, name, how] { game_.click(name, how); });
      });
      break;
    case Kind::Edit:
      w->setFocusPolicy(Qt::ClickFocus);
      w->installEventFilter(this);
      mouse_targets_[w] = index;
      connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this,
              [this, name](const QString& text) {
                dispatch([this, name, text] { game_.type(name, text.toStdString()); });
              });
      break;
    case Kind::Image:
    case Kind::Label:
      w->installEventFilter(this);
      mouse_targets_[w] = index;
      break;
    case Kind::Memo: {
      QWidget* viewport = static_cast<QPlainTextEdit*>(w)->viewport();
      viewport->installEventFilter(this);
      mouse_targets_[viewport] = index;
      break;
    }
    case Kind::List: {
      QWidget* viewport = static_cast<QListWidget*>(w)->viewport();
      viewport->installEventFilter(this);
      mouse_targets_[viewport] = index;
      break;
    }
    case Kind::Panel:
      // A panel the game answers a click on (the outro's): as an image.
      if (game_.has_click_handler(name)) {
        w->installEventFilter(this);
        mouse_targets_[w] = index;
      }
      break;
    case Kind::Timer:
      break;
  }
}

// ---- input ----

namespace {

bool left_press(QEvent* event) {
  return (event->type() == QEvent::MouseButtonPress ||
          event->type() == QEvent::MouseButtonDblClick) &&
         static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

bool left_release(QEvent* event) {
  return event->type() == QEvent::MouseButtonRelease &&
         static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

bool mouse_event(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // Every mouse press notes whether it is the second of a double click (the
  // game drops one that lands on another control than the first).
  if (event->type() == QEvent::MouseButtonPress) press_ = Press::single;
  if (event->type() == QEvent::MouseButtonDblClick) press_ = Press::second_of_double;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    auto* widget = qobject_cast<QWidget*>(watched);
    // In full screen the view hands the keys on to the window's widgets.
    if (widget && widget->window() == this)
      return key_event(static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
    return false;
  }
  auto it = mouse_targets_.find(watched);
  if (it == mouse_targets_.end() || !mouse_event(event)) return false;
  size_t index = it->second;
  const form::Control& c = *bound_[index].control;
  const std::string name = c.name;
  const Press how = press_;

  switch (c.kind) {
    case Kind::List:
      return list_mouse(index, event);
    case Kind::Memo:
      // The game handles a mouse press in a memo as its click; the memo
      // still scrolls and selects as usual.
      if (left_press(event) && game_.has_click_handler(name))
        dispatch([this, name, how] { game_.click(name, how); });
      return false;
    case Kind::Edit:
      // A press in an edit box gives it the focus in the game too.
      if (left_press(event)) dispatch([this, name, how] { game_.click(name, how); });
      return false;
    default:
      break;
  }

  // Images and labels: a click is a press and a release inside the control.
  if (!game_.has_click_handler(name)) return false;
  if (left_press(event)) {
    pressed_ = watched;
    pressed_how_ = how;
    return true;
  }
  if (left_release(event)) {
    auto* widget = static_cast<QWidget*>(watched);
    QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    bool clicked = pressed_ == watched && widget->rect().contains(at);
    pressed_ = nullptr;
    if (clicked) dispatch([this, name, how = pressed_how_] { game_.click(name, how); });
    return true;
  }
  return false;
}

bool MainWindow::key_event(QKeyEvent* event, bool press) {
  if (event->key() == Qt::Key_F11) {
    // Once this key event is over: it is being delivered through the view.
    if (press && !event->isAutoRepeat())
      QTimer::singleShot(0, this, [this] { toggle_full_screen(); });
    return true;
  }
  // No focus chain: Tab would carry the focus to controls the game never
  // gave it to (parked ones among them).
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return true;
  std::optional<Key> key = ui::game_key(*event);
  // An edit box on screen with the focus types its keys; nothing else in
  // the window acts on a key by itself.
  if (game_.typing() && (!key || ui::typing_key(*key))) return false;
  if (press && key && !event->isAutoRepeat()) dispatch([this, k = *key] { game_.key(k); });
  return true;
}

bool MainWindow::list_mouse(size_t index, QEvent* event) {
  // The list shows the game's current row: a press picks a row in the game,
  // and the list follows on the next sync. A press below the last row picks
  // the last one, as on the system the game was made for.
  if (left_press(event)) {
    auto* list = static_cast<QListWidget*>(bound_[index].widget);
    QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    int row = list->indexAt(at).row();
    if (row < 0) row = list->count() - 1;
    const std::string name = bound_[index].control->name;
    dispatch([this, name, row, how = press_] { game_.pick(name, std::max(row, 0), how); });
  }
  return true;
}

// ---- events, timers and errors ----

void MainWindow::dispatch(const std::function<void()>& event) {
  if (closing_ || runtime_.quitting()) return;
  if (timers_) timers_->catch_up();
  if (closing_ || runtime_.quitting()) return;
  try {
    event();
  } catch (const std::exception& e) {
    show_error(e.what());
  }
  after_event();
}

void MainWindow::after_event() {
  if (closing_ || runtime_.quitting()) return;
  sync();
  if (timers_) timers_->reschedule();
}

void MainWindow::tick(const std::string& timer) {
  if (closing_ || runtime_.quitting()) return;
  try {
    game_.tick(timer);
  } catch (const std::exception& e) {
    show_error(e.what());
  }
}

void MainWindow::show_error(const std::string& message) {
  if (closing_ || runtime_.quitting()) return;
  sync();  // what the handler did before it failed stays, and shows
  // No game timer fires while the box is open, so a failing timer cannot
  // pile up boxes.
  if (timers_) timers_->suspend();
  QMessageBox::critical(this, QString::fromStdString(game_.form.caption),
                        QString::fromStdString(message));
  if (timers_) timers_->resume();
}

void MainWindow::toggle_full_screen() {
  if (full_screen_) {
    full_screen_.reset();  // gives the window back
    // Qt still counts it as shown, while its native window stayed unmapped
    // inside the view: hide both, then show it as a window again.
    hide();
    if (QWindow* native = windowHandle()) native->hide();
    window_synced_ = false;  // placed where the game keeps it
    sync();
    show();
    activateWindow();
  } else {
    full_screen_ = std::make_unique<ui::FullScreenView>(this, [this] { runtime_.quit(); });
    // The whole screen also where no window manager makes it so.
    if (QScreen* s = screen()) full_screen_->setGeometry(s->geometry());
    full_screen_->showFullScreen();
    full_screen_->activateWindow();
  }
  sync_focus();
}

void MainWindow::start_timers() {
  if (timers_) timers_->start();
}

void MainWindow::shut_down() {
  if (closing_) return;
  closing_ = true;
  if (timers_) timers_->stop();
  if (full_screen_) full_screen_->hide();
  hide();
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  ui::report_first_paint();
  if (after_first_paint) {
    // Once the paint is done and shown, not in the middle of it.
    QTimer::singleShot(0, this, std::exchange(after_first_paint, nullptr));
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  runtime_.quit();
  event->accept();
}

// ---- keeping the window in step with the model ----

void MainWindow::sync() {
  if (closing_) return;
  if (game_.form.closed) {
    runtime_.quit();
    return;
  }
  sync_window();
  create_shown_widgets();
  for (ui::BoundControl& bound : bound_) ui::sync_widget(bound);
  sync_focus();
  state_file_.update(game_);
}

void MainWindow::show_now() {
  if (closing_) return;
  sync();
  repaint();
  if (full_screen_) full_screen_->viewport()->repaint();
}

void MainWindow::sync_window() {
  const form::Form& f = game_.form;
  bool first = !window_synced_;
  window_synced_ = true;
  if (first || caption_shown_ != f.caption) {
    caption_shown_ = f.caption;
    setWindowTitle(QString::fromStdString(f.caption));
  }
  if (first || left_shown_ != f.screen_left || top_shown_ != f.screen_top) {
    left_shown_ = f.screen_left;
    top_shown_ = f.screen_top;
    move(f.screen_left, f.screen_top);
  }
  if (first || !(background_shown_ == f.background)) {
    background_shown_ = f.background;
    QPalette p = palette();
    p.setColor(QPalette::Window, ui::qt_color(f.background));
    setPalette(p);
  }
}

void MainWindow::sync_focus() {
  // The focus the game gives, but only to a control a player can see: a
  // button clicked before its panel was parked keeps the game's focus, while
  // the window holds the keyboard itself.
  QWidget* want = this;
  if (auto it = by_name_.find(game_.form.focus); it != by_name_.end()) {
    QWidget* w = bound_[it->second].widget;
    if (w && game_.clickable(game_.form.focus) && w->isVisibleTo(this) && w->isEnabled()) want = w;
  }
  if (focusWidget() != want || !want->hasFocus()) want->setFocus(Qt::OtherFocusReason);
}
