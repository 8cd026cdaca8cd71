#pragma once

#include "platform/AutomationError.h"
#include "qt/ItemIconSource.h"

#include <QCache>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>

#include <memory>
#include <optional>

namespace kv380::qt {

// The pictures of list items that a host's ItemIconSource draws, on worker threads, kept by item key and
// size. A list asks for the icon of an item it paints: a picture already here is answered at once; else
// drawing starts (once per key and size) and the list shows its placeholder until `arrived` names the key.
// Pictures shared by several keys (the same image from the source) share one icon.
class ItemIconCache : public QObject {
    Q_OBJECT
public:
    explicit ItemIconCache(std::shared_ptr<const ItemIconSource> source, QObject* parent = nullptr);
    // Waits for the pictures being drawn; those not begun yet are dropped.
    ~ItemIconCache() override;
    ItemIconCache(const ItemIconCache&) = delete;
    ItemIconCache& operator=(const ItemIconCache&) = delete;

    enum class State {
        Ready,   // `icon` holds the picture
        Drawing, // not here yet: `arrived` follows
        None,    // the source has no picture for the key
    };
    // The icon of the item with that key at a size in device-independent pixels and a device pixel ratio.
    State icon(const QString& key, QSize size, qreal ratio, QIcon& icon);
    // Pictures asked for that have not arrived yet.
    int drawing() const { return static_cast<int>(m_drawing.size()); }

signals:
    // The picture (or the answer that there is none) for the item with that key arrived.
    void arrived(const QString& key);

private:
    void deliver(const QString& entry, const QString& key, const QImage& image,
                 const std::optional<AutomationError>& failure);

    std::shared_ptr<const ItemIconSource> m_source;
    // By item key and size in device pixels; a null image: the source has none for that key.
    QCache<QString, QImage> m_images;
    // By image and device pixel ratio.
    QCache<QString, QIcon> m_icons;
    QSet<QString> m_drawing;
    bool m_failureReported{false};
    // Last, so that it is the first to go: nothing runs on the workers once the rest is being taken down.
    QThreadPool m_workers;
};

} // namespace kv380::qt
