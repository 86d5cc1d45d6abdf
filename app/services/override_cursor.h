#pragma once

#include <Qt>

namespace vignetta::services {

// The application-wide override cursor stack shared by both service objects: every push is
// undone by exactly one pop. Both do nothing without a GUI application (tests, tools).
void pushOverrideCursor(Qt::CursorShape shape);
// Pops the top override cursor; does nothing when none is pushed.
void popOverrideCursor();

} // namespace vignetta::services
