#include "application.h"

#include <QDir>
#include <QFileOpenEvent>

namespace vignetta::app {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::event(QEvent *event)
{
    if (event->type() == QEvent::FileOpen) {
        projectFileUrl = QUrl::fromLocalFile(static_cast<QFileOpenEvent *>(event)->file());
        return true;
    }
    return QApplication::event(event);
}

QUrl projectUrlFromArgument(const QString &argument, const QString &workingDir)
{
    if (argument.isEmpty())
        return QUrl();
    // The program changes its working directory to its own folder before it reads the argument,
    // so a relative path is resolved against the folder it was started from.
    const QString path = QDir::isRelativePath(argument)
                             ? QDir::cleanPath(QDir(workingDir).absoluteFilePath(argument))
                             : argument;
    return QUrl::fromLocalFile(path);
}

} // namespace vignetta::app
