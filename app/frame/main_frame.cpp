#include "frame/main_frame.h"

#include "data_folders.h"

#include "frame/screen_scale.h"
#include "frame/splitter.h"
#include "frame/window_placement.h"
#include "project/event_file_check.h"
#include "project/project_url.h"
#include "bridge/json_qt.h"
#include "json/js_json.h"

#include <QUrl>
#include <QJSEngine>
#include <QtDebug>

namespace vignetta::app {

MainFrame::MainFrame(QObject *parent) : QObject(parent) {}

QVariantList MainFrame::screenScaleTable() const
{
    QVariantList table;
    for (double step : frame::screenScaleSteps())
        table.append(step);
    return table;
}

double MainFrame::minimumScreenScale() const
{
    return frame::minimumScreenScale();
}
double MainFrame::maximumScreenScale() const
{
    return frame::maximumScreenScale();
}
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

double MainFrame::zoomIn(double scale) const
{
    return frame::zoomedIn(scale);
}
double MainFrame::zoomOut(double scale) const
{
    return frame::zoomedOut(scale);
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

QString MainFrame::projectFolderUrl(const QString &fileUrl) const
{
    return QString::fromStdString(project::projectFolderUrl(fileUrl.toStdString()));
}

QString MainFrame::urlFileName(const QString &url) const
{
    return QString::fromStdString(project::urlFileName(url.toStdString()));
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

QString MainFrame::applicationDataFolder(const QString &name) const
{
    return vignetta::applicationDataFolder(name);
}

QString MainFrame::displayPath(const QString &url) const
{
    const QUrl parsed(url);
    const QString text = parsed.isLocalFile() ? parsed.toLocalFile() : url;
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool bidiControl = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        if (c.category() == QChar::Other_Control || bidiControl)
            shown += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
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
