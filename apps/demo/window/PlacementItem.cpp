#include "window/PlacementItem.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>

#include <cmath>

namespace kv380::demo {

namespace {

constexpr qreal Half = SymbolPictureSize / 2.0;
// The tag's room under the picture: as wide as a drop cell, one line high.
constexpr qreal TagWidth = 104;
constexpr qreal TagHeight = 16;
const QColor HighlightColour(230, 120, 0);
const QColor SelectionColour(40, 110, 210);

QFont tagFont() {
    QFont font;
    font.setPointSizeF(8);
    return font;
}

QImage missingPicture() {
    QImage image(SymbolPictureSize, SymbolPictureSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawRect(QRectF(1, 1, SymbolPictureSize - 2, SymbolPictureSize - 2));
    painter.drawLine(QPointF(1, 1), QPointF(SymbolPictureSize - 1, SymbolPictureSize - 1));
    painter.drawLine(QPointF(SymbolPictureSize - 1, 1), QPointF(1, SymbolPictureSize - 1));
    return image;
}

} // namespace

QImage symbolPicture(const QString& nativePath) {
    static QHash<QString, QImage> pictures;
    if (const auto found = pictures.constFind(nativePath); found != pictures.constEnd()) {
        return *found;
    }
    QSvgRenderer renderer(nativePath);
    QImage image;
    if (renderer.isValid()) {
        image = QImage(SymbolPictureSize, SymbolPictureSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
    } else {
        image = missingPicture();
    }
    pictures.insert(nativePath, image);
    return image;
}

PlacementItem::PlacementItem(int64_t placementId, QImage picture, QString tag)
    : m_placementId(placementId), m_picture(std::move(picture)), m_tag(std::move(tag)) {
    setFlag(ItemIsSelectable);
}

void PlacementItem::setHighlighted(bool on) {
    if (m_highlighted != on) {
        m_highlighted = on;
        update();
    }
}

QRectF PlacementItem::boundingRect() const {
    return QRectF(-TagWidth / 2, -Half - 3, TagWidth, SymbolPictureSize + TagHeight + 8);
}

void PlacementItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    const QRectF picture(-Half, -Half, SymbolPictureSize, SymbolPictureSize);
    painter->drawImage(picture.topLeft(), m_picture);
    painter->setFont(tagFont());
    painter->setPen(Qt::black);
    const QRectF tag(-TagWidth / 2, Half + 2, TagWidth, TagHeight);
    painter->drawText(tag, Qt::AlignHCenter | Qt::AlignTop,
                      QFontMetricsF(tagFont()).elidedText(m_tag, Qt::ElideRight, TagWidth));
    if (m_highlighted) {
        painter->setPen(QPen(HighlightColour, 3));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(picture.adjusted(-2, -2, 2, 2), 4, 4);
    }
    if (option->state & QStyle::State_Selected) {
        painter->setPen(QPen(SelectionColour, 1, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(picture.united(tag).adjusted(-1, -1, 1, 1));
    }
}

ConnectorItem::ConnectorItem(int64_t placementId, QPointF from, QPointF to, QString tag)
    : m_placementId(placementId), m_tag(std::move(tag)) {
    // From picture edge to picture edge: the line leaves each symbol where its picture ends.
    QLineF line(from, to);
    const qreal length = line.length();
    if (length > 2 * Half) {
        const QPointF step = (to - from) * (Half / length);
        line = QLineF(from + step, to - step);
    }
    m_line = line;
    setFlag(ItemIsSelectable);
}

void ConnectorItem::setHighlighted(bool on) {
    if (m_highlighted != on) {
        m_highlighted = on;
        update();
    }
}

QRectF ConnectorItem::boundingRect() const {
    const QRectF line = QRectF(m_line.p1(), m_line.p2()).normalized();
    const QPointF middle = m_line.center();
    const QRectF tag(middle.x() - TagWidth / 2, middle.y() - TagHeight - 6, TagWidth, TagHeight);
    return line.united(tag).adjusted(-8, -8, 8, 8);
}

QPainterPath ConnectorItem::shape() const {
    QPainterPath path(m_line.p1());
    path.lineTo(m_line.p2());
    QPainterPathStroker stroker;
    stroker.setWidth(8);
    return stroker.createStroke(path);
}

void ConnectorItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    QColor colour = m_highlighted ? HighlightColour : QColor(Qt::black);
    if (option->state & QStyle::State_Selected) {
        colour = SelectionColour;
    }
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colour, m_highlighted ? 3 : 2));
    painter->drawLine(m_line);
    // The arrow at the end the connector goes to.
    if (m_line.length() > 0) {
        const qreal angle = std::atan2(m_line.dy(), m_line.dx());
        constexpr qreal Arrow = 9;
        constexpr qreal Spread = 0.45;
        const QPointF tip = m_line.p2();
        QPolygonF head;
        head << tip << tip - QPointF(std::cos(angle - Spread), std::sin(angle - Spread)) * Arrow
             << tip - QPointF(std::cos(angle + Spread), std::sin(angle + Spread)) * Arrow;
        painter->setBrush(colour);
        painter->drawPolygon(head);
    }
    const QPointF middle = m_line.center();
    painter->setFont(tagFont());
    painter->setPen(colour);
    painter->drawText(QRectF(middle.x() - TagWidth / 2, middle.y() - TagHeight - 6, TagWidth, TagHeight),
                      Qt::AlignHCenter | Qt::AlignBottom, m_tag);
}

} // namespace kv380::demo
