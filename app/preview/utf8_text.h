#pragma once

#include <QString>

#include <string>

namespace vignetta::preview {

// Text from the interface as UTF-8 for the text engine. A surrogate without its partner (a
// text field may hold one) becomes U+FFFD, as invalid bytes do in stored text.
inline std::string utf8Text(const QString &text)
{
    QString clean = text;
    for (int i = 0; i < clean.size(); ++i) {
        const QChar c = clean.at(i);
        if (c.isHighSurrogate() && i + 1 < clean.size() && clean.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            clean[i] = QChar::ReplacementCharacter;
    }
    return clean.toStdString();
}

} // namespace vignetta::preview
