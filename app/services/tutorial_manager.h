#pragma once

#include <QObject>

namespace vignetta::services {

// The tutorial engine's singleton. The basic controls import it; this program ships no tutorial
// and never starts one, so it offers nothing yet.
class TutorialManager : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
};

} // namespace vignetta::services
