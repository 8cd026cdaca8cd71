#include "qt/ControlView.h"

#include "platform/ui/Control.h"
#include "platform/ui/RWListView.h"
#include "qt/FieldMarks.h"
#include "qt/FormView.h"
#include "qt/ListStatus.h"
#include "qt/Pictures.h"
#include "qt/Text.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMouseEvent>

#include <utility>

namespace kv380::qt {

int buttonOf(const QMouseEvent& event) {
    switch (event.button()) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        break;
    }
    // A move reports the buttons held down.
    int held = 0;
    held |= (event.buttons() & Qt::LeftButton) ? 1 : 0;
    held |= (event.buttons() & Qt::RightButton) ? 2 : 0;
    held |= (event.buttons() & Qt::MiddleButton) ? 4 : 0;
    return held;
}

int shiftOf(const QMouseEvent& event) {
    int shift = 0;
    shift |= (event.modifiers() & Qt::ShiftModifier) ? 1 : 0;
    shift |= (event.modifiers() & Qt::ControlModifier) ? 2 : 0;
    shift |= (event.modifiers() & Qt::AltModifier) ? 4 : 0;
    return shift;
}

ControlView::ControlView(FormView& form, ui::Control& control)
    : QObject(&form), m_form(form), m_control(&control) {}

ControlView::~ControlView() = default;

const TwipsScale& ControlView::scale() const {
    return m_form.scale();
}

std::string ControlView::contextFor(std::string_view handler) const {
    // Appended piece by piece: GCC 12 at -O3 misreads chains of string + literal (-Wrestrict).
    std::string context(handler);
    if (m_control != nullptr) {
        context.append(" (").append(m_control->Name());
        if (m_control->Index() >= 0) {
            context.append("(").append(std::to_string(m_control->Index())).append(")");
        }
        context.append(")");
    }
    return context;
}

void ControlView::setWidget(QWidget* widget, bool passive) {
    m_widgetAsked = true;
    m_widget = widget;
    m_passive = passive;
    widget->setParent(m_form.childAreaFor(m_control->Container()));
    widget->installEventFilter(this);
}

void ControlView::detach() {
    if (m_control == nullptr) {
        return;
    }
    detached();
    m_control = nullptr;
    if (m_widget != nullptr) {
        m_widget->removeEventFilter(this);
    }
}

void ControlView::mirrorAll() {
    for (int p = 0; p < ui::kPropertyCount; ++p) {
        // A request for the focus is an event, not a state to show again.
        if (static_cast<ui::Property>(p) != ui::Property::Focus) {
            mirror(static_cast<ui::Property>(p));
        }
    }
}

QWidget* ControlView::ensureWidget() {
    if (m_widget == nullptr && m_control != nullptr && !std::exchange(m_widgetAsked, true)) {
        makeWidget();
        if (m_widget != nullptr) {
            mirrorAll();
        }
    }
    return m_widget;
}

void ControlView::mirror(ui::Property what) {
    if (m_control == nullptr) {
        return;
    }
    if (m_widget == nullptr) {
        // A widget not made yet has nothing to show until the control is.
        if (what == ui::Property::Visible && m_control->Visible()) {
            ensureWidget();
        }
        return;
    }
    Mirroring scope(*this);
    switch (what) {
    case ui::Property::Container:
        reparent();
        place();
        break;
    case ui::Property::Left:
    case ui::Property::Top:
    case ui::Property::Width:
    case ui::Property::Height:
        place();
        break;
    case ui::Property::Visible:
        m_widget->setVisible(m_control->Visible());
        break;
    case ui::Property::Enabled:
        m_widget->setEnabled(m_control->Enabled());
        break;
    case ui::Property::ToolTipText:
    case ui::Property::Mark:
        showErrorMark(*m_widget, *m_control);
        showAccessibleTexts(*m_widget, *m_control);
        break;
    case ui::Property::Accessible:
        showAccessibleTexts(*m_widget, *m_control);
        break;
    case ui::Property::Focus:
        m_widget->setFocus(Qt::OtherFocusReason);
        break;
    case ui::Property::Status:
    case ui::Property::List: // the empty-list message shows only while the list is empty
        if (auto* list = dynamic_cast<const ui::RWListView*>(m_control)) {
            auto* area = qobject_cast<QAbstractScrollArea*>(m_widget.data());
            if (area != nullptr && area->viewport() != nullptr) {
                ListStatus::of(*area).show(*list);
            }
        }
        break;
    case ui::Property::Font:
        if (m_control->hasFont()) {
            m_widget->setFont(toQtFont(m_control->Font(), QApplication::font(m_widget)));
        }
        break;
    case ui::Property::MousePointer:
    case ui::Property::Drag:
        applyCursor();
        break;
    default:
        break;
    }
    mirrorOwn(what);
}

void ControlView::place() {
    m_widget->setGeometry(scale().rectOf(*m_control));
    placed();
    // The controls inside are rounded where they lie in the top level: when this one moves, so may they.
    if (childArea() != nullptr) {
        const QPointF origin = scale().originOf(m_control);
        if (origin != m_childOrigin) {
            m_childOrigin = origin;
            m_form.placeChildrenOf(*m_control);
        }
    }
}

void ControlView::reparent() {
    QWidget* area = m_form.childAreaFor(m_control->Container());
    if (area == nullptr || area == m_widget || m_widget->parentWidget() == area) {
        return;
    }
    m_widget->setParent(area);
    // A new parent hides the widget.
    m_widget->setVisible(m_control->Visible());
}

void ControlView::applyCursor() {
    if (m_control->Dragging()) {
        m_widget->setCursor(dragCursor(m_control->DragIcon()));
    } else if (m_control->MousePointer() == 0) {
        m_widget->unsetCursor();
    } else {
        m_widget->setCursor(pointerShape(m_control->MousePointer()));
    }
}

float ControlView::twipsX(const QMouseEvent& event) const {
    return scale().toTwipsX(event.position().toPoint().x());
}

float ControlView::twipsY(const QMouseEvent& event) const {
    return scale().toTwipsY(event.position().toPoint().y());
}

void ControlView::mousePressed(const QMouseEvent& event) {
    m_pressed = true;
    input("QWidget::mousePressEvent",
          [&] { m_control->raiseMouseDown(buttonOf(event), shiftOf(event), twipsX(event), twipsY(event)); });
}

void ControlView::mouseMoved(const QMouseEvent& event) {
    if (m_control != nullptr && m_control->Dragging()) {
        const QPoint global = event.globalPosition().toPoint();
        m_form.dragMoved(*this, global);
        return;
    }
    input("QWidget::mouseMoveEvent",
          [&] { m_control->raiseMouseMove(buttonOf(event), shiftOf(event), twipsX(event), twipsY(event)); });
}

void ControlView::mouseReleased(const QMouseEvent& event) {
    const bool wasPressed = std::exchange(m_pressed, false);
    if (m_control != nullptr && m_control->Dragging()) {
        m_form.dragReleased(*this, event.globalPosition().toPoint());
        return;
    }
    input("QWidget::mouseReleaseEvent",
          [&] { m_control->raiseMouseUp(buttonOf(event), shiftOf(event), twipsX(event), twipsY(event)); });
    if (wasPressed && m_widget != nullptr && m_widget->rect().contains(event.position().toPoint())) {
        clickCompleted();
    }
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_widget || m_control == nullptr) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        mousePressed(static_cast<QMouseEvent&>(*event));
        return m_passive;
    case QEvent::MouseMove:
        mouseMoved(static_cast<QMouseEvent&>(*event));
        return m_passive;
    case QEvent::MouseButtonRelease:
        mouseReleased(static_cast<QMouseEvent&>(*event));
        return m_passive;
    default:
        return false;
    }
}

} // namespace kv380::qt
