#pragma once

#include <QApplication>
#include <QUrl>

namespace vignetta::app {

// The application object. It remembers the project file the program was asked to open at start,
// from the command line or from the platform's file-open event.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);

    QUrl projectFileUrl;

protected:
    // A file-open event sets projectFileUrl to the file's local-file URL and is handled here;
    // every other event goes to QApplication.
    bool event(QEvent *event) override;
};

// The local-file URL of a project path given on the command line. A relative path is taken
// relative to `workingDir` (the folder the program was started from); an empty path gives an
// empty URL.
QUrl projectUrlFromArgument(const QString &argument, const QString &workingDir);

} // namespace vignetta::app
