#include "ui/main_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <algorithm>
#include <exception>

#include "game/game.h"
#include "ui/control_widgets.h"
#include "ui/look.h"
#include "ui/qt_runtime.h"
#include "ui/timer_driver.h"

using form::Kind;

MainWindow::MainWindow(Game& game, QtRuntime& runtime)
    : QWidget(nullptr), game_(game), runtime_(runtime) {
  // A fixed border with the system menu and the minimise button only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(form::kClientWidth, form::kClientHeight);
  setAutoFillBackground(true);
  create_widgets();
  timers_ = std::make_unique<TimerDriver>(
      game_.form, runtime_, [this](const std::string& timer) { tick(timer); }, [this] { sync(); });
  game_.on_error = [this](const std::string& message) { show_error(message); };
  runtime_.attach(this);
  sync();
}

MainWindow::~MainWindow() {
  runtime_.attach(nullptr);
  game_.on_error = nullptr;
}

void MainWindow::create_widgets() {
  for (form::Control& c : game_.form.controls()) {
    QWidget* parent = this;
    if (auto it = by_name_.find(c.parent); !c.parent.empty() && it != by_name_.end()) {
      if (QWidget* panel = bound_[it->second].widget) parent = panel;
    }
    size_t index = bound_.size();
    ui::BoundControl bound;
    bound.control = &c;
    bound.widget = ui::create_widget(c, parent);
    bound_.push_back(std::move(bound));
    by_name_[c.name] = index;
    if (QWidget* w = bound_[index].widget) {
      w->raise();  // later controls lie above earlier ones
      connect_input(index);
    }
  }
}

void MainWindow::connect_input(size_t index) {
  form::Control& c = *bound_[index].control;
  QWidget* w = bound_[index].widget;
  const std::string name = c.name;
  switch (c.kind) {
    case Kind::Button:
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
              [this, name] { dispatch([this, name] { game_.click(name); }); });
      break;
    case Kind::Radio:
      connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this,
              [this, &c] { dispatch([this, &c] { click_radio(c); }); });
      break;
    case Kind::Edit:
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
  auto it = mouse_targets_.find(watched);
  if (it == mouse_targets_.end() || !mouse_event(event))
    return QWidget::eventFilter(watched, event);
  size_t index = it->second;
  const form::Control& c = *bound_[index].control;
  const std::string name = c.name;

  switch (c.kind) {
    case Kind::List:
      return list_mouse(index, event);
    case Kind::Memo:
      // The game handles a mouse press in a memo as its click; the memo
      // still scrolls and selects as usual.
      if (left_press(event) && game_.has_click_handler(name))
        dispatch([this, name] { game_.click(name); });
      return false;
    default:
      break;
  }

  // Images and labels: a click is a press and a release inside the control.
  if (!game_.has_click_handler(name)) return false;
  if (left_press(event)) {
    pressed_ = watched;
    return true;
  }
  if (left_release(event)) {
    auto* widget = static_cast<QWidget*>(watched);
    QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    bool clicked = pressed_ == watched && widget->rect().contains(at);
    pressed_ = nullptr;
    if (clicked) dispatch([this, name] { game_.click(name); });
    return true;
  }
  return false;
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
    dispatch([this, name, row] { game_.pick(name, std::max(row, 0)); });
  }
  return true;
}

void MainWindow::click_radio(form::Control& radio) {
  // Checking a radio button unchecks the others on its panel; only a change
  // counts as a click.
  if (radio.checked) return;
  game_.click(radio.name);
}

// ---- events, timers and errors ----

void MainWindow::dispatch(const std::function<void()>& event) {
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

void MainWindow::start_timers() {
  if (timers_) timers_->reschedule();
}

void MainWindow::shut_down() {
  if (closing_) return;
  closing_ = true;
  if (timers_) timers_->stop();
  hide();
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
  for (ui::BoundControl& bound : bound_) ui::sync_widget(bound);
  sync_focus();
}

void MainWindow::show_now() {
  if (closing_) return;
  sync();
  if (timers_) timers_->note_changes();
  repaint();
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
  const std::string& focus = game_.form.focus;
  if (focus == focus_shown_) return;
  auto it = by_name_.find(focus);
  QWidget* w = it == by_name_.end() ? nullptr : bound_[it->second].widget;
  if (w) {
    // A hidden or disabled control cannot take the focus yet; try again on
    // the next sync.
    if (!w->isVisibleTo(this) || !w->isEnabled()) return;
    w->setFocus(Qt::OtherFocusReason);
  }
  focus_shown_ = focus;
}
