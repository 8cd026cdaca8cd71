#include "qt/SpinArrows.h"

#include <QMouseEvent>
#include <QStyleOption>
#include <QStylePainter>

namespace kv380::qt {

namespace {
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 60;
} // namespace

SpinArrows::SpinArrows(QWidget* parent) : QWidget(parent) {
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, &SpinArrows::repeat);
}

void SpinArrows::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        const bool down = (i == 0 && m_held > 0) || (i == 1 && m_held < 0);
        button.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonBevel, button);
        QStyleOption arrow = button;
        arrow.rect = halves[i].adjusted(2, 1, -2, -1);
        painter.drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, arrow);
    }
}

void SpinArrows::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    m_held = event->position().y() < height() / 2.0 ? 1 : -1;
    update();
    m_repeat.start(kFirstRepeatMs);
    emit stepped(m_held);
}

void SpinArrows::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        stop();
    }
}

void SpinArrows::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        stop();
    }
    QWidget::changeEvent(event);
}

void SpinArrows::repeat() {
    if (m_held == 0) {
        stop();
        return;
    }
    m_repeat.setInterval(kRepeatMs);
    emit stepped(m_held);
}

void SpinArrows::stop() {
    m_repeat.stop();
    m_held = 0;
    update();
}

} // namespace kv380::qt
