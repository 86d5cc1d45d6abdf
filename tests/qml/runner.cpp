#include "app_identity.h"
#include "qml_registration.h"

#include <QtQuickTest>

// Gives the runner the editor's identity (so settings objects find their store) and registers
// the program's native QML types before any test document is loaded, so the tests see the same
// modules as the editor.
class Setup : public QObject
{
    Q_OBJECT
public slots:
    void applicationAvailable()
    {
        vignetta::app::applyApplicationIdentity();
        vignetta::app::registerQmlTypes();
    }
};

QUICK_TEST_MAIN_WITH_SETUP(vignetta_qml_tests, Setup)

#include "runner.moc"
