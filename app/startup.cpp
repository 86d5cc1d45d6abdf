#include "startup.h"

#include "app_identity.h"
#include "application.h"
#include "frame/scene_graph_backend.h"
#include "common/printable.h"
#include "locale_selection.h"
#include "process_marker.h"
#include "qml_registration.h"

#include <QDir>
#include <QLocale>
#include <QPixmap>
#include <QQmlApplicationEngine>
#include <QSettings>
#include <QSplashScreen>
#include <QTranslator>
#include <QtWebEngine/qtwebengineglobal.h>

#include <clocale>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace vignetta::app {

namespace {

// Every toolkit message goes to standard error as its bare text and a line feed. Messages
// quote file, picture and project names: control characters other than line breaks are shown
// escaped, so that none reaches the terminal as an escape sequence.
void bareTextMessageHandler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    const QByteArray utf8 = message.toUtf8();
    const std::string safe =
        common::printableLines(std::string_view(utf8.constData(), utf8.size()));
    const QByteArray text = QByteArray::fromStdString(safe) + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
    std::fflush(stderr);
}

void prepareEnvironment()
{
    if (!qEnvironmentVariableIsSet("QT_DEVICE_PIXEL_RATIO"))
        qputenv("QT_DEVICE_PIXEL_RATIO", "auto");
    // The web engine's sandbox refuses to start as root; without it the audio preview's page
    // process exits at once.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace

int runApplication(int argc, char **argv)
{
    prepareEnvironment();
    // The web engine shares OpenGL contexts with the scene graph, which must be arranged before
    // the application object exists.
    QtWebEngine::initialize();

    auto app = std::make_unique<Application>(argc, argv);
    app::chooseSceneGraphBackend();
    const QString startDir = QDir::currentPath();

    auto splash = std::make_unique<QSplashScreen>(QPixmap(QStringLiteral(":/splash/splash.png")));
    splash->show();

    auto marker =
        std::make_unique<ProcessMarker>((applicationName + QStringLiteral("Mutex")).toUtf8());

    qInstallMessageHandler(bareTextMessageHandler);
    applyApplicationIdentity();
    // Every window of the program, dialogs included, shows this icon.
    QGuiApplication::setWindowIcon(applicationIcon());
    registerQmlTypes();

    QDir::setCurrent(QCoreApplication::applicationDirPath());
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");
    std::setlocale(LC_TIME, "C");

    auto engine = std::make_unique<QQmlApplicationEngine>();

    auto cocoaTranslator = std::make_unique<QTranslator>();
    if (cocoaTranslator->load(QStringLiteral(":/translations/cocoa")))
        QCoreApplication::installTranslator(cocoaTranslator.get());
    auto interfaceTranslator = std::make_unique<QTranslator>();
    if (interfaceTranslator->load(QStringLiteral(":/translations/") + interfaceLocale()))
        QCoreApplication::installTranslator(interfaceTranslator.get());

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        app->projectFileUrl = projectUrlFromArgument(arguments.at(1), startDir);

    // A file-open event the platform delivers at launch arrives here.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    if (app->projectFileUrl.isValid()) {
        QSettings settings;
        settings.setValue(QStringLiteral("projectFileUrl"), app->projectFileUrl.toString());
        settings.sync();
    }

    engine->load(QUrl(QStringLiteral("qrc:/qml/Main/MainWindow")));

    const QWidgetList topLevel = QApplication::topLevelWidgets();
    if (!topLevel.isEmpty())
        splash->finish(topLevel.first());
    else
        splash->hide();

    const int exitCode = QCoreApplication::exec();

    interfaceTranslator.reset();
    cocoaTranslator.reset();
    engine.reset();
    marker.reset();
    splash.reset();
    app.reset();
    return exitCode;
}

} // namespace vignetta::app
