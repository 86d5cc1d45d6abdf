#pragma once

#include <QString>

#include "preview/display_list_reader.h"

namespace vignetta::preview {

// Reads the display-list text (see readDisplayList). When the two arrays differ in length a
// debug line says so, and the lists are returned as they are.
DisplayList parseDisplayList(const QString &text, int time);

} // namespace vignetta::preview
