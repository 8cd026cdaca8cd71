#include "qt/Pictures.h"

#include "platform/ui/MousePointer.h"
#include "platform/ui/PictureNames.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QSvgRenderer>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace kv380::qt {

namespace {

QStyle* styleOf(const QWidget* widget) {
    return widget != nullptr ? widget->style() : QApplication::style();
}

// Symbol files are SVG drawings whatever their extension says. The preview is drawn for the pixels of the
// densest screen (64 device-independent pixels square), so that it stays sharp at any scale.
QIcon drawingIcon(const QString& path) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        return {};
    }
    constexpr int kSide = 64;
    const qreal ratio = std::max<qreal>(1.0, qApp != nullptr ? qApp->devicePixelRatio() : 1.0);
    const int pixels = static_cast<int>(std::ceil(kSide * ratio));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(ratio);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, kSide, kSide));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon pictureIcon(const std::string& picture, const QWidget* styleSource) {
    if (picture.empty()) {
        return {};
    }
    QStyle* style = styleOf(styleSource);
    if (picture == ui::picture::Refresh) {
        return QIcon::fromTheme(QStringLiteral("view-refresh"),
                                style->standardIcon(QStyle::SP_BrowserReload));
    }
    if (picture == ui::picture::FolderClosed) {
        return style->standardIcon(QStyle::SP_DirClosedIcon);
    }
    if (picture == ui::picture::FolderOpen) {
        return style->standardIcon(QStyle::SP_DirOpenIcon);
    }
    const QString path = QString::fromStdString(picture);
    const QFileInfo file(path);
    if (!file.isFile()) {
        return {};
    }
    const QString suffix = file.suffix().toLower();
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("sym")) {
        return drawingIcon(path);
    }
    return QIcon(path);
}

QIcon fileIcon(const QWidget* styleSource) {
    QStyle* style = styleOf(styleSource);
    // Kept on the style itself, so it goes with the style.
    static const char* const property = "kv380FileIcon";
    const QVariant kept = style->property(property);
    if (kept.canConvert<QIcon>()) {
        return kept.value<QIcon>();
    }
    const QIcon icon = style->standardIcon(QStyle::SP_FileIcon);
    style->setProperty(property, QVariant::fromValue(icon));
    return icon;
}

QCursor dragCursor(const std::string& dragIcon) {
    if (dragIcon == ui::picture::DragArrowNS) {
        return QCursor(Qt::SizeVerCursor);
    }
    if (dragIcon == ui::picture::DragArrowWE) {
        return QCursor(Qt::SizeHorCursor);
    }
    return QCursor(Qt::ArrowCursor);
}

Qt::CursorShape pointerShape(int code) {
    namespace p = ui::pointer;
    switch (code) {
    case p::Cross:
        return Qt::CrossCursor;
    case p::IBeam:
        return Qt::IBeamCursor;
    case p::SizeNESW:
        return Qt::SizeBDiagCursor;
    case p::SizeNS:
        return Qt::SizeVerCursor;
    case p::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case p::SizeWE:
        return Qt::SizeHorCursor;
    case p::UpArrow:
        return Qt::UpArrowCursor;
    case p::Hourglass:
        return Qt::WaitCursor;
    case p::NoDrop:
        return Qt::ForbiddenCursor;
    case p::ArrowHourglass:
        return Qt::BusyCursor;
    case p::ArrowQuestion:
        return Qt::WhatsThisCursor;
    case p::SizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace kv380::qt
