#include "window/SymbolIconSource.h"

#include "platform/fs/NativePath.h"

#include <QMutexLocker>
#include <QPainter>
#include <QSvgRenderer>

namespace kv380::demo {

namespace {

// The symbol file's drawing, centred in a transparent picture of that size with its proportions kept; a null
// image when the file is missing or no drawing.
QImage drawSymbolFile(const std::string& systemPath, QSize pixels) {
    QSvgRenderer renderer(QString::fromStdString(fs::toNativePath(systemPath)));
    if (!renderer.isValid() || pixels.isEmpty()) {
        return {};
    }
    QImage picture(pixels, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QSizeF drawn = renderer.defaultSize().isEmpty() ? QSizeF(pixels) : QSizeF(renderer.defaultSize());
    drawn.scale(QSizeF(pixels), Qt::KeepAspectRatio);
    const QRectF target((pixels.width() - drawn.width()) / 2, (pixels.height() - drawn.height()) / 2,
                        drawn.width(), drawn.height());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, target);
    return picture;
}

} // namespace

std::string SymbolIconSource::symbolPathOf(const std::string& key) {
    const auto open = key.rfind('<');
    if (open == std::string::npos || key.empty() || key.back() != '>') {
        return key;
    }
    return key.substr(0, open);
}

QImage SymbolIconSource::itemIcon(const std::string& key, QSize pixelSize) const {
    const std::string path = symbolPathOf(key);
    const QString entry = QString::fromStdString(path) + QLatin1Char('\x1f') +
                          QString::number(pixelSize.width()) + QLatin1Char('x') +
                          QString::number(pixelSize.height());
    {
        const QMutexLocker locked(&m_lock);
        const auto found = m_drawn.constFind(entry);
        if (found != m_drawn.constEnd()) {
            return *found;
        }
    }
    // Drawn outside the lock: two workers may draw the same file once each, never wait for each other.
    const QImage picture = drawSymbolFile(path, pixelSize);
    const QMutexLocker locked(&m_lock);
    return *m_drawn.insert(entry, picture);
}

} // namespace kv380::demo
