#pragma once

#include "qt/QtExport.h"

#include <QImage>
#include <QSize>

#include <string>

namespace kv380::qt {

// Pictures for list items, by item key, that a host installs on the view rendering a control
// (FormView::setItemIconSource): an item added without a picture of its own then shows the one its key leads
// to. The renderer asks only for items it paints, off the user-interface thread, shows a placeholder until
// the picture arrives and keeps it, so a picture is drawn once per key and size however often it is painted,
// and a list of any length is filled and shown without waiting for a picture.
class KV380_QT_API ItemIconSource {
public:
    virtual ~ItemIconSource();

    // The picture for the item with that key, `pixelSize` device pixels large (the list's icon size at the
    // screen's device pixel ratio); a null image when the key leads to none (the item keeps the placeholder).
    // Runs on worker threads, several at once: it may draw into a QImage but must not touch widgets or
    // pixmaps, and whatever it reads must be safe to read from there. What it throws is reported once.
    virtual QImage itemIcon(const std::string& key, QSize pixelSize) const = 0;
};

} // namespace kv380::qt
