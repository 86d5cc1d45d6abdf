#pragma once

#include <QString>

#include "common/printable.h"

namespace vignetta::app {

// A file name, picture name or other user data made safe to quote in a log line (see
// printable()): control characters cannot reach the terminal as escape sequences.
inline QString printableText(const QString &text)
{
    return QString::fromStdString(common::printable(text.toStdString()));
}

} // namespace vignetta::app
