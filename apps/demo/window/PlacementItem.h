#pragma once

#include <QGraphicsItem>
#include <QImage>
#include <QString>

#include <cstdint>

namespace kv380::demo {

// The size a symbol's picture is drawn at on a drawing, in drawing units.
inline constexpr int SymbolPictureSize = 48;

// A symbol's picture from its file (a small SVG drawing), drawn at SymbolPictureSize; a crossed box when the
// file cannot be drawn, so that the placement still shows. Pictures are kept per file for the process (as
// images, which need no running application to be released at exit).
QImage symbolPicture(const QString& nativePath);

// A symbol placed on a drawing: its picture centred on the placement's point and the object's tag under it.
// Selectable; a highlighted placement (what Find on Drawings found) is framed in colour.
class PlacementItem : public QGraphicsItem {
public:
    PlacementItem(int64_t placementId, QImage picture, QString tag);

    int64_t placementId() const { return m_placementId; }
    const QString& tag() const { return m_tag; }
    void setHighlighted(bool on);
    bool highlighted() const { return m_highlighted; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    int64_t m_placementId;
    QImage m_picture;
    QString m_tag;
    bool m_highlighted = false;
};

// A connector drawn between two placed symbols: a line from one picture's edge to the other's, with an
// arrow at the end it goes to and its tag at its middle.
class ConnectorItem : public QGraphicsItem {
public:
    ConnectorItem(int64_t placementId, QPointF from, QPointF to, QString tag);

    int64_t placementId() const { return m_placementId; }
    void setHighlighted(bool on);
    bool highlighted() const { return m_highlighted; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    int64_t m_placementId;
    QLineF m_line;
    QString m_tag;
    bool m_highlighted = false;
};

} // namespace kv380::demo
