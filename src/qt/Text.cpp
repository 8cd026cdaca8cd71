#include "qt/Text.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>

namespace kv380::qt {

namespace {

// Whether the desktop has a font family. The font database asks fontconfig every time, which costs more
// than creating the widget whose font it is; so the answers are kept until the database changes.
bool hasFamily(const QString& family) {
    static QHash<QString, bool> known;
    static QPointer<QGuiApplication> watched;
    if (watched != qGuiApp) {
        known.clear();
        watched = qGuiApp;
        if (qGuiApp != nullptr) {
            QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp, [] { known.clear(); });
        }
    }
    auto found = known.constFind(family);
    if (found == known.constEnd()) {
        found = known.insert(family, QFontDatabase::hasFamily(family));
    }
    return *found;
}

} // namespace

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
    if (!family.isEmpty() && hasFamily(family)) {
        result.setFamily(family);
    }
    result.setPointSizeF(static_cast<qreal>(font.size));
    result.setBold(font.bold);
    return result;
}

} // namespace kv380::qt
