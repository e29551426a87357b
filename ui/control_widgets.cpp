#include "ui/control_widgets.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ui {

namespace {

// Scroll bars and their corner keep the system's look, whatever the colour of
// the panel under the control.
void keep_system_frame_colours(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
  w->setPalette(p);
}

QWidget* create_label(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(false);
  label->setMargin(0);
  label->setIndent(0);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QWidget* create_image(QWidget* parent) {
  auto* image = new QLabel(parent);
  image->setScaledContents(false);
  image->setMargin(0);
  image->setIndent(0);
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return image;
}

QWidget* create_memo(const form::Control& c, QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setUndoRedoEnabled(false);
  memo->document()->setDocumentMargin(2);
  memo->setTabChangesFocus(true);
  // Read-only text never takes the keyboard focus (the game moves it away
  // from its memos anyway); it still scrolls with the mouse.
  if (c.read_only) memo->setFocusPolicy(Qt::NoFocus);
  keep_system_frame_colours(memo);
  return memo;
}

QWidget* create_list(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  // Rows change only through the game (a click picks a row there), so the
  // list never moves its current row on its own from the keyboard.
  list->setFocusPolicy(Qt::NoFocus);
  keep_system_frame_colours(list);
  return list;
}

QWidget* create_radio(QWidget* parent) {
  auto* radio = new QRadioButton(parent);
  // The model says which radio button is checked; Qt does not group them.
  radio->setAutoExclusive(false);
  return radio;
}

}  // namespace

QWidget* create_widget(const form::Control& c, QWidget* parent) {
  QWidget* w = nullptr;
  switch (c.kind) {
    case form::Kind::Panel:
      w = new QFrame(parent);
      w->setAutoFillBackground(true);
      break;
    case form::Kind::Label:
      w = create_label(parent);
      break;
    case form::Kind::Image:
      w = create_image(parent);
      break;
    case form::Kind::Memo:
      w = create_memo(c, parent);
      break;
    case form::Kind::List:
      w = create_list(parent);
      break;
    case form::Kind::Button: {
      // Enter and Space reach the game, which presses the focused button.
      w = new QPushButton(parent);
      break;
    }
    case form::Kind::Radio:
      w = create_radio(parent);
      break;
    case form::Kind::Edit:
      w = new QLineEdit(parent);
      break;
    case form::Kind::Timer:
      return nullptr;
  }
  w->setObjectName(QString::fromStdString(c.name));
  return w;
}

}  // namespace ui
