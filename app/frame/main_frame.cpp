#include "frame/main_frame.h"

#include "frame/splitter.h"
#include "frame/window_placement.h"
#include "project/event_file_check.h"
#include "bridge/json_qt.h"
#include "json/js_json.h"

#include <QJSEngine>
#include <QtDebug>

namespace vignetta::app {

MainFrame::MainFrame(QObject *parent) : QObject(parent) {}

double MainFrame::splitterMinimum() const
{
    return frame::kSplitterMinimum;
}

double MainFrame::splitterMaximum() const
{
    return frame::kSplitterMaximum;
}

double MainFrame::splitterInitial() const
{
    return frame::kSplitterInitial;
}

QRect MainFrame::adjustedWindowRect(const QRect &window, const QRect &desktop) const
{
    const frame::Rect r =
        frame::adjustedWindowRect({window.x(), window.y(), window.width(), window.height()},
                                  {desktop.x(), desktop.y(), desktop.width(), desktop.height()});
    return QRect(r.x, r.y, r.width, r.height);
}

int MainFrame::splitterTop(double position, double range) const
{
    return frame::splitterTop(position, range);
}

double MainFrame::splitterPositionForTop(double top, double range, double current) const
{
    return frame::splitterPositionForTop(top, range, current);
}

int MainFrame::checkEventText(const QString &text) const
{
    const QByteArray utf8 = text.toUtf8();
    switch (project::checkEventFileText(std::string_view(utf8.constData(), utf8.size()))) {
    case project::EventFileVerdict::Importable:
        return Importable;
    case project::EventFileVerdict::Empty:
        return EmptyText;
    case project::EventFileVerdict::NotJson:
        qWarning("Event file is not valid JSON");
        return NotJson;
    case project::EventFileVerdict::NotBlockList:
        qWarning("Event file does not hold a list of blocks");
        return NotBlockList;
    }
    return NotBlockList;
}

QJSValue MainFrame::parseEventText(const QString &text) const
{
    QJSEngine *engine = qjsEngine(this);
    const QByteArray utf8 = text.toUtf8();
    json::ParseResult parsed = json::parseJson(std::string_view(utf8.constData(), utf8.size()));
    if (!engine || !parsed)
        return QJSValue(QJSValue::NullValue);
    const json::DismantleOnExit done(parsed.value);
    return bridge::toJSValue(*engine, parsed.value);
}

} // namespace vignetta::app
