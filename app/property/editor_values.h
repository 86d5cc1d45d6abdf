#pragma once

#include <QJSValue>
#include <QObject>
#include <QVariantMap>

namespace vignetta::property {

// What the property editors show for a block (QML singleton EditorValues of
// "Vignetta.Property" 1.0): every field of its event data read with the engine's own rules
// (scene/block_view.h), so the editor shows what the preview draws and the conversion writes.
// A missing field, or one that cannot be read as its type, shows its default; nothing here
// writes to the document.
class EditorValues : public QObject
{
    Q_OBJECT

public:
    explicit EditorValues(QObject *parent = nullptr) : QObject(parent) {}

    // The typed fields of an event-data object: numbers as numbers, flags as booleans, texts as
    // strings, positions {x, y}, scales {width, height}, colours {R, G, B, S} / {R, G, B, P}.
    // messageImageIndex is the face cell as a whole number (0 for an empty or unreadable one).
    Q_INVOKABLE QVariantMap read(const QJSValue &eventData) const;

    // The line (0-based) on which a cursor position stands: the line feeds before it.
    Q_INVOKABLE static int lineIndexAt(const QString &text, int position);
};

} // namespace vignetta::property
