#pragma once

#include <QJSValue>
#include <QObject>
#include <QTimer>

namespace vignetta::app {

// Runs one long operation a millisecond after it is asked for, with the wait cursor shown
// from the request until the operation has returned, so the cursor is on screen before the
// work blocks the GUI thread. A request made before the previous one has run replaces it:
// only the last callback runs, and only one wait cursor stays pushed.
class HeavyProcessTimer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool pending READ isPending NOTIFY pendingChanged)
    Q_PROPERTY(int interval READ interval CONSTANT)

public:
    explicit HeavyProcessTimer(QObject *parent = nullptr);
    ~HeavyProcessTimer() override;

    Q_INVOKABLE void run(const QJSValue &callback);

    bool isPending() const { return cursorPushed_; }
    int interval() const { return timer_.interval(); }

signals:
    void pendingChanged();

private:
    void fire();
    void popCursor();

    QTimer timer_;
    QJSValue callback_;
    bool cursorPushed_ = false;
};

} // namespace vignetta::app
