#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QStringList>
#include <QUrl>
#include <QVariant>

class QImage;
class QJSEngine;
class QQmlEngine;

namespace vignetta::services {

// The second native service object (QML singleton "AppendAPI" of "Kivra.append" 1.0): the host
// editor's clipboard format, the per-user data folder, saving images, listing JSON files and two
// more override cursors (popped by KivraAPI.restoreCursor()). No operation throws.
class AppendAPI : public QQuickItem
{
    Q_OBJECT
public:
    explicit AppendAPI(QQmlEngine *engine = nullptr, QJSEngine *scriptEngine = nullptr,
                       QQuickItem *parent = nullptr);

    Q_INVOKABLE QString locale() const;
    Q_INVOKABLE QStringList recursiveJsonList(const QString &path) const;
    // Saves `image` (an image value, or anything the toolkit converts to one) to the local file
    // of `url` in the format its suffix names. Written beside the target and renamed over it, so
    // false (no folder, unknown suffix, null image) leaves the earlier file, or none, behind.
    Q_INVOKABLE bool writeImageFile(const QUrl &url, const QVariant &image) const;
    // Replaces the clipboard with the single entry "application/fable-" + format holding the
    // UTF-8 bytes of `data`.
    Q_INVOKABLE void setClipboardDataForFC(const QString &format, const QString &data);
    Q_INVOKABLE QString standardDataLocation() const;
    Q_INVOKABLE void setOpenHandCursor();
    Q_INVOKABLE void setSizeHorCursor();

    // "application/fable-"
    QString mimePrefix() const { return mimePrefix_; }

    // The image writeImageFile() saves for a given value; a null image when there is none.
    static QImage imageFromVariant(const QVariant &value);

private:
    QPointer<QQmlEngine> engine_;
    QPointer<QJSEngine> scriptEngine_;
    QString mimePrefix_;
};

} // namespace vignetta::services
