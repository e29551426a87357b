#include "ui/widget_sync.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "ui/look.h"

namespace ui {

namespace {

using form::Control;
using form::Kind;

// Copies model into shown and says whether it differed (always true on the
// first sync).
template <typename T>
bool update(bool first, T& shown, const T& model) {
  if (!first && shown == model) return false;
  shown = model;
  return true;
}

bool update_font(bool first, form::Font& shown, const form::Font& model) {
  bool same = shown.family == model.family && shown.px == model.px && shown.bold == model.bold &&
              shown.italic == model.italic;
  if (!first && same) return false;
  shown.family = model.family;
  shown.px = model.px;
  shown.bold = model.bold;
  shown.italic = model.italic;
  return true;
}

void set_color(QWidget* w, QPalette::ColorRole role, form::Color color) {
  QPalette p = w->palette();
  p.setColor(role, qt_color(color));
  w->setPalette(p);
}

QString text_of(const std::string& s) {
  return QString::fromStdString(s);
}

QString joined(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += '\n';
    text += lines[i];
  }
  return text_of(text);
}

// Whether the shown lines are the start of the new ones, with more after them.
bool appended(const std::vector<std::string>& before, const std::vector<std::string>& after) {
  return !before.empty() && after.size() > before.size() &&
         std::equal(before.begin(), before.end(), after.begin());
}

void sync_label(BoundControl& b, bool first) {
  const Control& c = *b.control;
  Control& s = b.shown;
  auto* label = static_cast<QLabel*>(b.widget);
  bool resize = update_font(first, s.font, c.font);
  if (resize) label->setFont(qt_font(c.font));
  if (update(first, s.caption, c.caption)) {
    label->setText(text_of(c.caption));
    resize = true;
  }
  if (update(first, s.font.color, c.font.color))
    set_color(label, QPalette::WindowText, c.font.color);
  if (update(first, s.transparent, c.transparent) | update(first, s.background, c.background)) {
    label->setAutoFillBackground(!c.transparent);
    set_color(label, QPalette::Window, c.background);
  }
  if (resize) label->adjustSize();
  if (update(first, s.left, c.left) | update(first, s.top, c.top)) label->move(c.left, c.top);
}

void sync_image(BoundControl& b, bool first) {
  const Control& c = *b.control;
  auto* image = static_cast<QLabel*>(b.widget);
  qint64 key = c.picture.isNull() ? 0 : c.picture.cacheKey();
  if (first || key != b.picture_key) {
    b.picture_key = key;
    if (c.picture.isNull())
      image->clear();
    else
      image->setPixmap(QPixmap::fromImage(c.picture));
  }
}

void sync_memo(BoundControl& b, bool first) {
  const Control& c = *b.control;
  Control& s = b.shown;
  auto* memo = static_cast<QPlainTextEdit*>(b.widget);
  if (update(first, s.read_only, c.read_only)) memo->setReadOnly(c.read_only);
  if (update(first, s.word_wrap, c.word_wrap))
    memo->setLineWrapMode(c.word_wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  if (update(first, s.scroll_vertical, c.scroll_vertical))
    memo->setVerticalScrollBarPolicy(c.scroll_vertical ? Qt::ScrollBarAlwaysOn
                                                       : Qt::ScrollBarAlwaysOff);
  if (update(first, s.scroll_horizontal, c.scroll_horizontal))
    memo->setHorizontalScrollBarPolicy(c.scroll_horizontal ? Qt::ScrollBarAlwaysOn
                                                           : Qt::ScrollBarAlwaysOff);
  if (update(first, s.border, c.border)) {
    memo->setFrameStyle(c.border ? QFrame::WinPanel | QFrame::Sunken : QFrame::NoFrame);
    memo->setLineWidth(2);
  }
  if (update_font(first, s.font, c.font)) memo->setFont(qt_font(c.font));
  if (update(first, s.font.color, c.font.color)) set_color(memo, QPalette::Text, c.font.color);
  if (update(first, s.background, c.background)) set_color(memo, QPalette::Base, c.background);

  if (!first && s.lines == c.lines) return;
  if (!first && appended(s.lines, c.lines)) {
    // Lines added to what is shown (a log): show the newest at the bottom.
    for (size_t i = s.lines.size(); i < c.lines.size(); ++i)
      memo->appendPlainText(text_of(c.lines[i]));
    memo->moveCursor(QTextCursor::End);
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
  } else {
    // New text: read from the top.
    memo->setPlainText(joined(c.lines));
    memo->moveCursor(QTextCursor::Start);
    memo->verticalScrollBar()->setValue(0);
    memo->horizontalScrollBar()->setValue(0);
  }
  s.lines = c.lines;
}

void sync_list(BoundControl& b, bool first) {
  const Control& c = *b.control;
  Control& s = b.shown;
  auto* list = static_cast<QListWidget*>(b.widget);
  QSignalBlocker quiet(list);
  if (update_font(first, s.font, c.font)) list->setFont(qt_font(c.font));
  if (update(first, s.font.color, c.font.color)) set_color(list, QPalette::Text, c.font.color);
  if (update(first, s.background, c.background)) set_color(list, QPalette::Base, c.background);
  if (update(first, s.border, c.border))
    list->setFrameStyle(c.border ? QFrame::WinPanel | QFrame::Sunken : QFrame::NoFrame);

  bool heights = update(first, s.row_height, c.row_height);
  if (first || s.rows != c.rows) {
    if (!first && s.rows.size() == c.rows.size()) {
      for (size_t i = 0; i < c.rows.size(); ++i)
        if (s.rows[i] != c.rows[i]) list->item(static_cast<int>(i))->setText(text_of(c.rows[i]));
    } else {
      list->clear();
      for (const std::string& row : c.rows) list->addItem(text_of(row));
      heights = true;
      s.row = -2;  // the current row must be set again
    }
    s.rows = c.rows;
  }
  if (heights) {
    for (int i = 0; i < list->count(); ++i) list->item(i)->setSizeHint(QSize(0, c.row_height));
  }
  if (update(first, s.row, c.row)) {
    if (c.row >= 0 && c.row < list->count()) {
      list->setCurrentRow(c.row);
    } else {
      list->setCurrentRow(-1);
      list->clearSelection();
    }
  }
}

void sync_button(BoundControl& b, bool first) {
  const Control& c = *b.control;
  Control& s = b.shown;
  auto* button = static_cast<QAbstractButton*>(b.widget);
  if (update_font(first, s.font, c.font)) button->setFont(qt_font(c.font));
  if (update(first, s.caption, c.caption)) button->setText(text_of(c.caption));
  QPalette::ColorRole text_role =
      c.kind == Kind::Button ? QPalette::ButtonText : QPalette::WindowText;
  if (update(first, s.font.color, c.font.color)) set_color(button, text_role, c.font.color);
  if (c.kind == Kind::Radio && (first || button->isChecked() != c.checked)) {
    QSignalBlocker quiet(button);
    button->setChecked(c.checked);
  }
}

void sync_edit(BoundControl& b, bool first) {
  const Control& c = *b.control;
  Control& s = b.shown;
  auto* edit = static_cast<QLineEdit*>(b.widget);
  if (update_font(first, s.font, c.font)) edit->setFont(qt_font(c.font));
  if (update(first, s.font.color, c.font.color)) set_color(edit, QPalette::Text, c.font.color);
  if (update(first, s.background, c.background)) set_color(edit, QPalette::Base, c.background);
  if (update(first, s.max_length, c.max_length))
    edit->setMaxLength(c.max_length > 0 ? c.max_length : 32767);
  // Compared with the widget itself: the player's typing reaches the model
  // through the game, which may cut it.
  QString text = text_of(c.caption);
  if (edit->text() != text) {
    QSignalBlocker quiet(edit);
    edit->setText(text);
  }
}

void sync_panel(BoundControl& b, bool first) {
  if (update(first, b.shown.background, b.control->background))
    set_color(b.widget, QPalette::Window, b.control->background);
}

}  // namespace

void sync_widget(BoundControl& b) {
  QWidget* w = b.widget;
  if (!w) return;
  const Control& c = *b.control;
  Control& s = b.shown;
  bool first = !b.synced;
  b.synced = true;

  switch (c.kind) {
    case Kind::Panel:
      sync_panel(b, first);
      break;
    case Kind::Label:
      sync_label(b, first);
      break;
    case Kind::Image:
      sync_image(b, first);
      break;
    case Kind::Memo:
      sync_memo(b, first);
      break;
    case Kind::List:
      sync_list(b, first);
      break;
    case Kind::Button:
    case Kind::Radio:
      sync_button(b, first);
      break;
    case Kind::Edit:
      sync_edit(b, first);
      break;
    case Kind::Timer:
      return;
  }

  // A label takes the size of its text (sync_label); everything else the
  // size the model gives.
  if (c.kind != Kind::Label &&
      (update(first, s.left, c.left) | update(first, s.top, c.top) |
       update(first, s.width, c.width) | update(first, s.height, c.height)))
    w->setGeometry(c.left, c.top, c.width, c.height);
  if (update(first, s.cursor, c.cursor)) {
    switch (c.cursor) {
      case form::Cursor::standard:
        w->unsetCursor();
        break;
      case form::Cursor::hand:
        w->setCursor(Qt::PointingHandCursor);
        break;
      case form::Cursor::arrow:
        w->setCursor(Qt::ArrowCursor);
        break;
      case form::Cursor::cross:
        w->setCursor(Qt::CrossCursor);
        break;
    }
  }
  if (update(first, s.enabled, c.enabled)) w->setEnabled(c.enabled);
  if (update(first, s.visible, c.visible)) w->setVisible(c.visible);
}

}  // namespace ui
