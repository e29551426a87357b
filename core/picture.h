#pragma once
// Pictures of the data folder: BMP through Qt's image reader (after checking
// that the file is as long as its header says), JPEG through libjpeg with an
// error manager that throws. A missing or broken picture is a DataError.
#include <QImage>
#include <string>

#include "core/paths.h"

namespace core {

QImage load_picture(const DataRoot& root, const std::string& game_path);

}  // namespace core
