#pragma once

#include <QTimer>
#include <QWidget>

namespace kv380::qt {

// The arrows of an up-down spinner: an up arrow over a down arrow, each repeating while held. It holds no
// value: it only says which way the user stepped, so a number typed into the buddy is never clamped here.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(QWidget* parent = nullptr);

signals:
    // +1 for the up arrow, -1 for the down arrow.
    void stepped(int direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void repeat();
    void stop();

    int m_held{0};
    QTimer m_repeat;
};

} // namespace kv380::qt
