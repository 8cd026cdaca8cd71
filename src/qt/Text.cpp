#include "qt/Text.h"

#include <QFontDatabase>

namespace kv380::qt {

QString withoutAccessKeys(const std::string& caption) {
    const QString text = toQt(caption);
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                shown += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        shown += text[i];
    }
    return shown;
}

QFont toQtFont(const ui::FontInfo& font, const QFont& base) {
    QFont result = base;
    const QString family = toQt(font.name);
    if (!family.isEmpty() && QFontDatabase::hasFamily(family)) {
        result.setFamily(family);
    }
    result.setPointSizeF(static_cast<qreal>(font.size));
    result.setBold(font.bold);
    return result;
}

} // namespace kv380::qt
