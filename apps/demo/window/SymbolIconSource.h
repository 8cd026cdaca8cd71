#pragma once

#include "qt/ItemIconSource.h"

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QString>

#include <string>

namespace kv380::demo {

// The stock pile's list pictures: each object shows its own symbol, drawn from the symbol file its list key
// names ("<symbol path><<object id>>"). Objects that share a symbol share one drawing per size, so a view of
// a hundred thousand objects with a few dozen symbols draws a few dozen pictures.
class SymbolIconSource : public qt::ItemIconSource {
public:
    QImage itemIcon(const std::string& key, QSize pixelSize) const override;

    // The symbol path of a list key: the key less its trailing "<object id>"; the whole key without one.
    static std::string symbolPathOf(const std::string& key);

private:
    mutable QMutex m_lock;
    mutable QHash<QString, QImage> m_drawn; // by symbol path and size; a null image for a file not drawable
};

} // namespace kv380::demo
