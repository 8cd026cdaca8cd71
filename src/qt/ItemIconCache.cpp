#include "qt/ItemIconCache.h"

#include "qt/SlotGuard.h"

#include <QMetaObject>
#include <QPixmap>
#include <QThread>

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

namespace kv380::qt {

namespace {

// About 64 MB of pictures, counted in kilobytes.
constexpr int kImageBudgetKb = 64 * 1024;
constexpr int kIconCount = 4096;

QString entryFor(const QString& key, QSize pixels) {
    return key + QLatin1Char('\x1f') + QString::number(pixels.width()) + QLatin1Char('x') +
           QString::number(pixels.height());
}

int costOf(const QImage& image) {
    return 1 + static_cast<int>(image.sizeInBytes() / 1024);
}

} // namespace

ItemIconCache::ItemIconCache(std::shared_ptr<const ItemIconSource> source, QObject* parent)
    : QObject(parent), m_source(std::move(source)), m_images(kImageBudgetKb), m_icons(kIconCount) {
    // The user-interface thread keeps a core; the pictures wait their turn on the others.
    m_workers.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
}

ItemIconCache::~ItemIconCache() {
    m_workers.clear();
    m_workers.waitForDone();
}

ItemIconCache::State ItemIconCache::icon(const QString& key, QSize size, qreal ratio, QIcon& icon) {
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    const QString entry = entryFor(key, pixels);
    if (const QImage* image = m_images.object(entry)) {
        if (image->isNull()) {
            return State::None;
        }
        const QString iconKey =
            QString::number(image->cacheKey()) + QLatin1Char('@') + QString::number(ratio);
        if (const QIcon* made = m_icons.object(iconKey)) {
            icon = *made;
            return State::Ready;
        }
        QPixmap pixmap = QPixmap::fromImage(*image);
        pixmap.setDevicePixelRatio(ratio);
        icon = QIcon(pixmap);
        m_icons.insert(iconKey, new QIcon(icon));
        return State::Ready;
    }
    if (!m_drawing.contains(entry)) {
        m_drawing.insert(entry);
        m_workers.start([this, source = m_source, entry, key, pixels] {
            QImage image;
            std::optional<AutomationError> failure;
            // Nothing may leave a worker thread: a failure travels to the user-interface thread instead.
            try {
                image = source->itemIcon(key.toStdString(), pixels);
            } catch (const AutomationError& e) {
                failure = e;
            } catch (const std::exception& e) {
                failure = toAutomationError(e);
            } catch (...) {
                failure = unexpectedError();
            }
            // The cache waits for its workers before it goes, so it is still here to post to.
            QMetaObject::invokeMethod(
                this, [this, entry, key, image, failure] { deliver(entry, key, image, failure); },
                Qt::QueuedConnection);
        });
    }
    return State::Drawing;
}

void ItemIconCache::deliver(const QString& entry, const QString& key, const QImage& image,
                            const std::optional<AutomationError>& failure) {
    m_drawing.remove(entry);
    m_images.insert(entry, new QImage(image), costOf(image));
    // One report for a source that fails, not one for each of a hundred thousand items.
    if (failure && !m_failureReported) {
        m_failureReported = true;
        guardSlot("ItemIconSource::itemIcon (" + key.toStdString() + ")", [&] { throw *failure; });
    }
    emit arrived(key);
}

} // namespace kv380::qt
