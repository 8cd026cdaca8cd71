#include "qt/FormView.h"

#include "platform/ui/Form.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/UserControl.h"
#include "qt/ControlView.h"
#include "qt/ControlViewFactory.h"
#include "qt/FieldMarks.h"
#include "qt/KeyboardShortcuts.h"
#include "qt/Pictures.h"
#include "qt/SlotGuard.h"
#include "qt/Text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <stdexcept>
#include <string>
#include <utility>

namespace kv380::qt {

namespace {

std::unordered_map<const ui::TopLevel*, FormView*>& renderedTopLevels() {
    static std::unordered_map<const ui::TopLevel*, FormView*> views;
    return views;
}

// The deepest visible widget under a point (in parent's coordinates), leaving out one widget and what it
// holds; nullptr when no child is there.
QWidget* deepestAt(const QWidget* parent, QPoint pos, const QWidget* except) {
    const QObjectList& children = parent->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* child = qobject_cast<QWidget*>(*it);
        if (child == nullptr || child == except || child->isHidden() || child->isWindow() ||
            !child->geometry().contains(pos)) {
            continue;
        }
        QWidget* inner = deepestAt(child, pos - child->pos(), except);
        return inner != nullptr ? inner : child;
    }
    return nullptr;
}

} // namespace

FormView::FormView(ui::UserControl& control, QWidget* parent)
    : FormView(static_cast<ui::TopLevel&>(control), parent) {
    start();
    new KeyboardShortcuts(*this, control);
}

FormView::FormView(ui::TopLevel& topLevel, QWidget* parent)
    : QWidget(parent), m_topLevel(&topLevel), m_scale(TwipsScale::ofScreen()) {
    if (!renderedTopLevels().emplace(&topLevel, this).second) {
        // The model has one observer per control: a second view would take it from the first.
        throw std::logic_error("kv380::qt::FormView: this top level is rendered by another view already");
    }
}

FormView::~FormView() {
    detach();
}

ui::Control* FormView::controlOf(const QWidget* widget) const {
    for (; widget != nullptr && widget != this; widget = widget->parentWidget()) {
        for (const auto& [control, view] : m_views) {
            if (view->widget() == widget) {
                return view->control();
            }
        }
    }
    return nullptr;
}

FormView* FormView::of(const ui::TopLevel& topLevel) {
    const auto found = renderedTopLevels().find(&topLevel);
    return found != renderedTopLevels().end() ? found->second : nullptr;
}

void FormView::start() {
    observe(*m_topLevel);
    m_measured = false;
    controlsChanged();
    for (int p = 0; p < ui::kPropertyCount; ++p) {
        if (static_cast<ui::Property>(p) != ui::Property::Controls) {
            mirrorTopLevel(static_cast<ui::Property>(p));
        }
    }
    // A form being shown was laid out before its widgets existed: lay it out again with what they measured.
    auto* form = dynamic_cast<ui::Form*>(m_topLevel);
    if (std::exchange(m_measured, false) && form != nullptr && form->Visible()) {
        guardSlot(contextFor("FormView::start"), [&] { form->remeasured(); });
    }
}

void FormView::detach() {
    if (m_topLevel == nullptr) {
        return;
    }
    for (auto& entry : m_views) {
        entry.second->detach();
    }
    for (ui::Control* control : m_observed) {
        control->modelChanged = nullptr;
    }
    m_observed.clear();
    m_order.clear();
    renderedTopLevels().erase(m_topLevel);
    m_topLevel = nullptr;
    m_dragOver = nullptr;
    m_dragOverControl = nullptr;
}

QSize FormView::sizeHint() const {
    if (m_topLevel == nullptr) {
        return QWidget::sizeHint();
    }
    return {m_scale.toPixelsX(m_topLevel->ScaleWidth()), m_scale.toPixelsY(m_topLevel->ScaleHeight())};
}

QWidget* FormView::widgetFor(const ui::Control& control) const {
    ControlView* view = m_topLevel != nullptr ? viewOf(control) : nullptr;
    return view != nullptr ? view->ensureWidget() : nullptr;
}

ControlView* FormView::viewOf(const ui::Control& control) const {
    const auto found = m_views.find(&control);
    return found != m_views.end() ? found->second : nullptr;
}

QWidget* FormView::childAreaFor(const ui::Control* container) const {
    if (container == nullptr || container == m_topLevel) {
        return const_cast<FormView*>(this);
    }
    const ControlView* view = viewOf(*container);
    QWidget* area = view != nullptr ? view->childArea() : nullptr;
    return area != nullptr ? area : const_cast<FormView*>(this);
}

void FormView::placeChildrenOf(const ui::Control& container) {
    for (auto& entry : m_views) {
        if (entry.first->Container() == &container) {
            entry.second->mirror(ui::Property::Left);
        }
    }
}

std::string FormView::contextFor(std::string_view handler) const {
    std::string context(handler);
    if (m_topLevel != nullptr) {
        context.append(" (").append(m_topLevel->Name()).append(")");
    }
    return context;
}

void FormView::observe(ui::Control& control) {
    m_observed.insert(&control);
    control.modelChanged = [this](ui::Control& changed, ui::Property what) {
        // The observer runs inside the model's setters: a failure to draw must not fail the assignment.
        guardSlot("FormView: mirroring a model change", [&] { modelChanged(changed, what); });
    };
}

void FormView::modelChanged(ui::Control& control, ui::Property what) {
    if (m_topLevel == nullptr) {
        return;
    }
    if (&control == m_topLevel) {
        if (what == ui::Property::Controls) {
            controlsChanged();
        } else {
            mirrorTopLevel(what);
        }
        return;
    }
    if (dynamic_cast<ui::ImageList*>(&control) != nullptr) {
        for (auto& entry : m_views) {
            entry.second->picturesChanged();
        }
        return;
    }
    if (what == ui::Property::ClientArea) {
        m_measured = true;
    }
    if (ControlView* view = viewOf(control)) {
        view->mirror(what);
    }
}

void FormView::controlsChanged() {
    // Controls are added at the end of the collection and removed from anywhere in it, so the collection
    // now is the one last seen, in the same order, less what was removed, followed by what was added: one
    // walk of both finds either, however many controls there are (a page of tabs loads hundreds of lists).
    std::vector<ui::Control*> now;
    now.reserve(m_order.size() + 1);
    for (ui::Control& control : m_topLevel->Controls()) {
        now.push_back(&control);
    }
    std::vector<ui::Control*> gone;
    std::size_t kept = 0;
    for (ui::Control* control : m_order) {
        if (kept < now.size() && now[kept] == control) {
            ++kept;
        } else {
            gone.push_back(control);
        }
    }
    // Unloaded controls first. They are on their way out: their views go, the controls are not touched.
    for (ui::Control* control : gone) {
        m_observed.erase(control);
        if (m_dragOverControl == control) {
            m_dragOver = nullptr;
            m_dragOverControl = nullptr;
        }
        dropView(control);
    }
    for (std::size_t i = kept; i < now.size(); ++i) {
        if (m_observed.count(now[i]) == 0) {
            observe(*now[i]);
            ensureView(*now[i]);
        }
    }
    m_order = std::move(now);
}

ControlView* FormView::ensureView(ui::Control& control) {
    if (ControlView* existing = viewOf(control)) {
        return existing;
    }
    // A container's widget must exist before the widgets it holds.
    ui::Control* container = control.Container();
    if (container != nullptr && container != m_topLevel) {
        ensureView(*container);
    }
    ControlView* view = createControlView(*this, control);
    if (view == nullptr) {
        return nullptr;
    }
    m_views.emplace(&control, view);
    view->mirrorAll();
    if (dynamic_cast<ui::TabStrip*>(&control) != nullptr) {
        view->widget()->lower();
    }
    return view;
}

void FormView::dropView(const ui::Control* control) {
    const auto found = m_views.find(control);
    if (found == m_views.end()) {
        return;
    }
    ControlView* view = found->second;
    m_views.erase(found);
    view->detach();
    if (QWidget* widget = view->widget()) {
        // Widgets of other controls inside it stay alive until their own controls go.
        for (auto& entry : m_views) {
            QWidget* other = entry.second->widget();
            if (other != nullptr && widget->isAncestorOf(other)) {
                other->hide();
                other->setParent(this);
            }
        }
        widget->hide();
        // Later, not now: the widget may be inside one of its own event handlers further up the stack.
        widget->deleteLater();
    }
    view->deleteLater();
}

void FormView::mirrorTopLevel(ui::Property what) {
    auto* form = dynamic_cast<ui::Form*>(m_topLevel);
    switch (what) {
    case ui::Property::Visible:
        if (form != nullptr) {
            QWidget* win = window();
            if (!form->Visible()) {
                win->hide(); // also ends a modal show
            } else if (!form->showingModal()) {
                win->show(); // a modal show is shown by the desktop, so that it is modal
            }
        } else if (!m_topLevel->Visible()) {
            hide();
        } else if (parentWidget() != nullptr) {
            // Where and when an embedded user control first appears is the host's business.
            show();
        }
        break;
    case ui::Property::Enabled:
        setEnabled(m_topLevel->Enabled());
        break;
    case ui::Property::Accessible:
        showAccessibleTexts(*this, *m_topLevel);
        break;
    case ui::Property::Caption:
        if (form != nullptr) {
            window()->setWindowTitle(toQt(form->Caption()));
        }
        break;
    case ui::Property::Width:
    case ui::Property::Height:
    case ui::Property::ScaleSize: {
        const QSize inner(m_scale.toPixelsX(m_topLevel->ScaleWidth()),
                          m_scale.toPixelsY(m_topLevel->ScaleHeight()));
        if (size() != inner) {
            (form != nullptr ? window() : this)->resize(inner);
        }
        break;
    }
    case ui::Property::WindowState:
        if (form != nullptr && window() != this) {
            const Qt::WindowStates wanted = form->WindowState() == ui::Form::Minimized   ? Qt::WindowMinimized
                                            : form->WindowState() == ui::Form::Maximized ? Qt::WindowMaximized
                                                                                         : Qt::WindowNoState;
            QWidget* win = window();
            if ((win->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) != wanted) {
                win->setWindowState(wanted);
            }
        }
        break;
    case ui::Property::Font:
        setFont(toQtFont(m_topLevel->Font(), QApplication::font(this)));
        break;
    case ui::Property::MousePointer:
        if (m_topLevel->MousePointer() == 0) {
            unsetCursor();
        } else {
            setCursor(pointerShape(m_topLevel->MousePointer()));
        }
        break;
    case ui::Property::ToolTipText:
        setToolTip(toQt(m_topLevel->ToolTipText()));
        break;
    default:
        break;
    }
}

void FormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    writeBackSize();
}

void FormView::writeBackSize() {
    if (m_topLevel == nullptr) {
        return;
    }
    const QSize inner = size();
    const QSize modelInner(m_scale.toPixelsX(m_topLevel->ScaleWidth()),
                           m_scale.toPixelsY(m_topLevel->ScaleHeight()));
    // The model's own size, mirrored: nothing new to tell it.
    if (inner == modelInner) {
        return;
    }
    QSize outer = inner;
    if (dynamic_cast<ui::Form*>(m_topLevel) != nullptr && window() != this) {
        const QWidget* win = window();
        outer += win->frameGeometry().size() - win->geometry().size();
    }
    guardSlot(contextFor("FormView::resizeEvent"), [&] {
        m_topLevel->resizeTo(m_scale.toTwipsX(outer.width()), m_scale.toTwipsY(outer.height()),
                             m_scale.toTwipsX(inner.width()), m_scale.toTwipsY(inner.height()));
    });
}

void FormView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (m_topLevel == nullptr || (!enter && key != Qt::Key_Escape)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A failing Click handler still took the key.
    bool pressed = true;
    guardSlot(contextFor("FormView::keyPressEvent"),
              [&] { pressed = enter ? m_topLevel->pressEnter() : m_topLevel->pressEscape(); });
    if (pressed) {
        event->accept();
    } else {
        // No default (or cancel) button: the key belongs to whoever holds this widget.
        QWidget::keyPressEvent(event);
    }
}

void FormView::mousePressEvent(QMouseEvent* event) {
    if (m_topLevel == nullptr) {
        return;
    }
    const QPoint at = event->position().toPoint();
    guardSlot(contextFor("FormView::mousePressEvent"), [&] {
        m_topLevel->raiseMouseDown(buttonOf(*event), shiftOf(*event), m_scale.toTwipsX(at.x()),
                                   m_scale.toTwipsY(at.y()));
    });
}

void FormView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_topLevel == nullptr) {
        return;
    }
    const QPoint at = event->position().toPoint();
    guardSlot(contextFor("FormView::mouseReleaseEvent"), [&] {
        m_topLevel->raiseMouseUp(buttonOf(*event), shiftOf(*event), m_scale.toTwipsX(at.x()),
                                 m_scale.toTwipsY(at.y()));
    });
}

FormView::Target FormView::targetAt(QPoint globalPos, const QWidget* except) const {
    const QPoint local = mapFromGlobal(globalPos);
    if (!rect().contains(local)) {
        return {};
    }
    for (QWidget* w = deepestAt(this, local, except); w != nullptr && w != this; w = w->parentWidget()) {
        for (const auto& entry : m_views) {
            if (entry.second->widget() == w && entry.second->control() != nullptr) {
                return {entry.second->control(), w};
            }
        }
    }
    return {m_topLevel, const_cast<FormView*>(this)};
}

void FormView::dragMoved(ControlView& sourceView, QPoint globalPos) {
    guardSlot(contextFor("FormView: drag over"), [&] {
        ui::Control* source = sourceView.control();
        if (m_topLevel == nullptr || source == nullptr) {
            return;
        }
        const Target target = targetAt(globalPos, sourceView.widget());
        const bool same = target.widget == m_dragOver.data() && target.control == m_dragOverControl;
        if (!same) {
            if (m_dragOver != nullptr && m_observed.count(m_dragOverControl) != 0) {
                const QPoint at = m_dragOver->mapFromGlobal(globalPos);
                m_dragOverControl->raiseDragOver(*source, m_scale.toTwipsX(at.x()), m_scale.toTwipsY(at.y()),
                                                 1);
            }
            m_dragOver = target.widget;
            m_dragOverControl = target.control;
        }
        if (target.control != nullptr) {
            const QPoint at = target.widget->mapFromGlobal(globalPos);
            target.control->raiseDragOver(*source, m_scale.toTwipsX(at.x()), m_scale.toTwipsY(at.y()),
                                          same ? 2 : 0);
        }
    });
}

void FormView::dragReleased(ControlView& sourceView, QPoint globalPos) {
    guardSlot(contextFor("FormView: drag drop"), [&] {
        ui::Control* source = sourceView.control();
        m_dragOver = nullptr;
        m_dragOverControl = nullptr;
        if (m_topLevel == nullptr || source == nullptr) {
            return;
        }
        const Target target = targetAt(globalPos, sourceView.widget());
        if (target.control == nullptr) {
            source->Drag(0); // dropped outside the window: cancelled
            return;
        }
        const QPoint at = target.widget->mapFromGlobal(globalPos);
        target.control->raiseDragDrop(*source, m_scale.toTwipsX(at.x()), m_scale.toTwipsY(at.y()));
    });
}

} // namespace kv380::qt
