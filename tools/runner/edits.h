#pragma once
// Line edits of a data set, so that a script can play a variant of it
// without a copy of every file it changes. Each line of an edits text is
// "PATH LINE TEXT": the data file as the game writes its path, the line's
// number from 1 (the one after the last line adds a line), and its new text
// (the rest of the line, UTF-8; may be empty). Blank lines and lines starting with '#' are
// comments.
#include <string>

#include "core/paths.h"

// Applies every edit in order. DataError, naming the edits file and line,
// for a malformed edit, a line past the end of its data file or an edit
// that changes nothing (a sign that the data set moved under it); the data
// file's own errors name that file.
void apply_edits(const core::DataRoot& root, const std::string& edits_name,
                 const std::string& text);
