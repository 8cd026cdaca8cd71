#pragma once

#include "platform/ui/FontInfo.h"

#include <QFont>
#include <QString>

#include <string>

namespace kv380::qt {

// The model's text is UTF-8.
inline QString toQt(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

// A caption as a plain-text widget shows it: "&&" is one ampersand, a single "&" only marks an access key.
QString withoutAccessKeys(const std::string& caption);

// The Qt font of a model font. Faces this desktop does not have (the runtime's design faces) keep the
// widget's own family with the model's size and weight; Qt's font fallback covers every character set.
QFont toQtFont(const ui::FontInfo& font, const QFont& base);

} // namespace kv380::qt
