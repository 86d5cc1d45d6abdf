#pragma once

#include <QString>
#include <QStringList>

// The clipboard wire of the program's private formats and of the host editor's format: one MIME
// entry named prefix + format name whose bytes are exactly the UTF-8 of the data string (no length,
// terminator or byte-order mark).
namespace vignetta::clipboard {

// "application/vignetta-": the program's own formats (copied timeline blocks, ...).
QString programPrefix();
// "application/fable-": the format the host editor reads event commands from.
QString hostPrefix();

// Most bytes one entry may hold, either way: the event-command lists and block sets the program
// writes stay far below it, and a larger entry from elsewhere is not read.
constexpr int maxEntryBytes = 64 << 20;

// Replaces the whole clipboard content with the single entry `mimeType` holding UTF-8 of `data`.
// Data beyond maxEntryBytes is refused with a warning and leaves the clipboard as it was; the
// result says whether the clipboard was set (false also without a clipboard).
bool setSingleEntry(const QString &mimeType, const QString &data);

// The first data format in `formats`, skipping the X selection's own bookkeeping targets
// (TARGETS, MULTIPLE, TIMESTAMP, SAVE_TARGETS) that some clipboards list before the data.
QString firstDataFormat(const QStringList &formats);

// The format name after `prefix` when the clipboard's first listed type starts with it; else "".
QString currentFormat(const QString &prefix);

// The entry prefix + `format` decoded as UTF-8 when currentFormat(prefix) equals `format` and the
// entry is within maxEntryBytes; else "".
QString data(const QString &prefix, const QString &format);

} // namespace vignetta::clipboard
