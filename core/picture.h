#pragma once
// Pictures of the data folder: BMP through Qt's image reader (after checking
// that the file is as long as its header says), JPEG through libjpeg with an
// error manager that throws. A missing or broken picture is a DataError.
#include <QImage>
#include <string>

#include "core/data_error.h"
#include "core/paths.h"

namespace core {

QImage load_picture(const DataRoot& root, const std::string& game_path);
// As above; a missing or broken picture is reported at the file and line that
// named it: "File not found (PICTURE)" with that file and line.
QImage load_picture(const DataRoot& root, const std::string& game_path, const Origin& from);

}  // namespace core
