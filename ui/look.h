#pragma once
// Fonts and colours of the form model as Qt sees them.
#include <QColor>
#include <QFont>

#include "game/form/control.h"

namespace ui {

// Maps the Windows font families the window's design names onto the fonts
// of this system. Call once, after the application object exists.
void install_font_substitutions();

QFont qt_font(const form::Font& font);
QColor qt_color(form::Color color);

}  // namespace ui
