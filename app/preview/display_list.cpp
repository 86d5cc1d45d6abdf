#include "display_list.h"

#include <QDebug>

namespace vignetta::preview {

DisplayList parseDisplayList(const QString &text, int time)
{
    const QByteArray utf8 = text.toUtf8();
    DisplayList list = readDisplayList(std::string_view(utf8.constData(), utf8.size()), time);
    if (list.entries.size() != list.tweens.size()) {
        qDebug() << "List count mismatch! displayList:" << int(list.entries.size())
                 << " tweenList:" << int(list.tweens.size());
    }
    return list;
}

} // namespace vignetta::preview
