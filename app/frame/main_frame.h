#pragma once

#include <QJSValue>
#include <QObject>
#include <QRect>
#include <QString>

namespace vignetta::app {

// The main window's geometry for the window to bind to: its placement on the desktop and the
// splitter's pixel position; and the event-file import check of the project manager. The
// preview's zoom steps are ScreenZoom's, file names and folders FileNames'.
class MainFrame : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double splitterMinimum READ splitterMinimum CONSTANT)
    Q_PROPERTY(double splitterMaximum READ splitterMaximum CONSTANT)
    Q_PROPERTY(double splitterInitial READ splitterInitial CONSTANT)

public:
    // Outcome of checkEventText.
    enum EventVerdict { Importable = 0, EmptyText, NotJson, NotBlockList };
    Q_ENUM(EventVerdict)

    explicit MainFrame(QObject *parent = nullptr);

    double splitterMinimum() const;
    double splitterMaximum() const;
    double splitterInitial() const;

    // The window rectangle pulled back inside the available desktop.
    Q_INVOKABLE QRect adjustedWindowRect(const QRect &window, const QRect &desktop) const;

    Q_INVOKABLE int splitterTop(double position, double range) const;
    Q_INVOKABLE double splitterPositionForTop(double top, double range, double current) const;

    // Whether the text of an event file can be imported: exactly when the scene-file reader
    // accepts it (as TimelineDataManager.parseSceneText does); a refusal is also logged.
    Q_INVOKABLE int checkEventText(const QString &text) const;

    // The value of an event file's text read by the program's guarded JSON reader, as script
    // values in the file's key order; null when the reader refuses the text (or no script
    // engine owns this object).
    Q_INVOKABLE QJSValue parseEventText(const QString &text) const;
};

} // namespace vignetta::app
