#include "ui/look.h"

#include <QString>

namespace ui {

void install_font_substitutions() {
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
  QFont::insertSubstitution("Book Antiqua", "Liberation Serif");
}

QFont qt_font(const form::Font& font) {
  QFont f(QString::fromStdString(font.family));
  f.setPixelSize(font.px > 0 ? font.px : 11);
  f.setBold(font.bold);
  f.setItalic(font.italic);
  return f;
}

QColor qt_color(form::Color color) {
  return QColor(color.r, color.g, color.b);
}

}  // namespace ui
