#include "preview/text_excerpt.h"

#include "preview/utf8_text.h"
#include "project/data_manager.h"
#include "text/excerpt.h"

namespace vignetta::preview {

TextExcerpt::TextExcerpt(QObject *parent) : QObject(parent) {}

void TextExcerpt::setMessage(const QString &message)
{
    if (message_ != message) {
        message_ = message;
        emit messageChanged();
        refresh();
    }
}

void TextExcerpt::setIsComment(bool isComment)
{
    if (isComment_ != isComment) {
        isComment_ = isComment;
        emit isCommentChanged();
        refresh();
    }
}

QObject *TextExcerpt::dataManager() const
{
    return dataManager_.data();
}

void TextExcerpt::setDataManager(QObject *manager)
{
    auto *dm = qobject_cast<project::DataManager *>(manager);
    if (dataManager_ == dm)
        return;
    if (dataManager_)
        disconnect(dataManager_, nullptr, this, nullptr);
    dataManager_ = dm;
    if (dm)
        connect(dm, &project::DataManager::databaseChanged, this, &TextExcerpt::readNames);
    emit dataManagerChanged();
    readNames();
}

void TextExcerpt::readNames()
{
    names_ = dataManager_ ? text::namesFromDatabase(dataManager_->database()) : text::NameSource();
    refresh();
}

void TextExcerpt::refresh()
{
    const QString text =
        QString::fromStdString(text::blockExcerpt(utf8Text(message_), isComment_, names_));
    if (text != text_) {
        text_ = text;
        emit textChanged();
    }
}

} // namespace vignetta::preview
