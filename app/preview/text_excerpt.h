#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "text/names.h"

namespace vignetta::project {
class DataManager;
}

namespace vignetta::preview {

// The short excerpt of a text block on the timeline (QML type TextExcerpt, module
// "Vignetta.Text"): `text` follows `message`, `isComment` and the project's names.
class TextExcerpt : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString message READ message WRITE setMessage NOTIFY messageChanged)
    Q_PROPERTY(bool isComment READ isComment WRITE setIsComment NOTIFY isCommentChanged)
    Q_PROPERTY(QObject *dataManager READ dataManager WRITE setDataManager NOTIFY dataManagerChanged)
    Q_PROPERTY(QString text READ text NOTIFY textChanged)

public:
    explicit TextExcerpt(QObject *parent = nullptr);

    QString message() const { return message_; }
    void setMessage(const QString &message);
    bool isComment() const { return isComment_; }
    void setIsComment(bool isComment);
    QObject *dataManager() const;
    void setDataManager(QObject *manager);
    QString text() const { return text_; }

signals:
    void messageChanged();
    void isCommentChanged();
    void dataManagerChanged();
    void textChanged();

private:
    void readNames();
    void refresh();

    QString message_;
    bool isComment_ = false;
    QPointer<project::DataManager> dataManager_;
    text::NameSource names_;
    QString text_;
};

} // namespace vignetta::preview
