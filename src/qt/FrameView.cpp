#include "qt/FrameView.h"

#include "platform/ui/Frame.h"
#include "qt/Text.h"

#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace kv380::qt {

// Without a caption nothing is drawn: the frame only groups and places its controls, and whatever lies
// beneath (a tab strip's client area) shows through.
class CaptionFrame : public QWidget {
public:
    using QWidget::QWidget;

    void setCaption(const QString& caption) {
        m_caption = caption;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (m_caption.isEmpty()) {
            return;
        }
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        option.initFrom(this);
        option.text = m_caption;
        option.lineWidth = 1;
        option.midLineWidth = 0;
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.textColor = palette().color(QPalette::WindowText);
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }

private:
    QString m_caption;
};

FrameView::FrameView(FormView& form, ui::Frame& frame)
    : ControlView(form, frame), m_frame(frame), m_box(new CaptionFrame) {
    setWidget(m_box, true);
}

QWidget* FrameView::childArea() const {
    return m_box;
}

void FrameView::mirrorOwn(ui::Property what) {
    if (what == ui::Property::Caption) {
        m_box->setCaption(withoutAccessKeys(m_frame.Caption()));
    }
}

} // namespace kv380::qt
