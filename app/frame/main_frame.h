#pragma once

#include <QJSValue>
#include <QObject>
#include <QRect>
#include <QString>
#include <QVariantList>

namespace vignetta::app {

// The main window's arithmetic and checks, for the window, the project manager and the main
// menu to bind to: preview zoom steps, window placement on the desktop, the splitter's pixel
// position, the project folder of a project file and the event-file import check.
class MainFrame : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList screenScaleTable READ screenScaleTable CONSTANT)
    Q_PROPERTY(double minimumScreenScale READ minimumScreenScale CONSTANT)
    Q_PROPERTY(double maximumScreenScale READ maximumScreenScale CONSTANT)
    Q_PROPERTY(double splitterMinimum READ splitterMinimum CONSTANT)
    Q_PROPERTY(double splitterMaximum READ splitterMaximum CONSTANT)
    Q_PROPERTY(double splitterInitial READ splitterInitial CONSTANT)

public:
    // Outcome of checkEventText.
    enum EventVerdict { Importable = 0, EmptyText, NotJson, NotBlockList };
    Q_ENUM(EventVerdict)

    explicit MainFrame(QObject *parent = nullptr);

    QVariantList screenScaleTable() const;
    double minimumScreenScale() const;
    double maximumScreenScale() const;
    double splitterMinimum() const;
    double splitterMaximum() const;
    double splitterInitial() const;

    Q_INVOKABLE double zoomIn(double scale) const;
    Q_INVOKABLE double zoomOut(double scale) const;

    // The window rectangle pulled back inside the available desktop.
    Q_INVOKABLE QRect adjustedWindowRect(const QRect &window, const QRect &desktop) const;

    Q_INVOKABLE int splitterTop(double position, double range) const;
    Q_INVOKABLE double splitterPositionForTop(double top, double range, double current) const;

    Q_INVOKABLE QString projectFolderUrl(const QString &fileUrl) const;
    Q_INVOKABLE QString urlFileName(const QString &url) const;

    // Whether the text of an event file can be imported: exactly when the scene-file reader
    // accepts it (as TimelineDataManager.parseSceneText does); a refusal is also logged.
    Q_INVOKABLE int checkEventText(const QString &text) const;

    // The folder of the shipped data `name` ("Help", "Presets"): beside the executable in a
    // build tree, under <prefix>/share/vignetta in an installation (see data_folders.h).
    Q_INVOKABLE QString applicationDataFolder(const QString &name) const;

    // A URL as a message shows it: a local file's path, any other URL as it is, with control
    // and bidirectional-override characters written as \uXXXX so they cannot garble the text.
    Q_INVOKABLE QString displayPath(const QString &url) const;
    // The value of an event file's text read by the program's guarded JSON reader, as script
    // values in the file's key order; null when the reader refuses the text (or no script
    // engine owns this object).
    Q_INVOKABLE QJSValue parseEventText(const QString &text) const;
};

} // namespace vignetta::app
