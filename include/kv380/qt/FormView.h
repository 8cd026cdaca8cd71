#pragma once

#include "qt/QtExport.h"

#include "platform/ui/Property.h"
#include "qt/TwipsScale.h"

#include <QPointer>
#include <QWidget>

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kv380::ui {
class Control;
class TopLevel;
class UserControl;
} // namespace kv380::ui

namespace kv380::qt {

class ControlView;

// Renders a user control or a form of the UI runtime: one Qt widget per control, kept in step with the
// model through the controls' modelChanged observers, including control-array elements loaded and unloaded
// at run time. The FormView itself is the top level's client area.
//
// A host embeds a user control like any widget (a dock's widget, a layout's item):
//     auto* view = new kv380::qt::FormView(control.userControl());
//     dock->setWidget(view);
// Forms are shown in a FormWindow (a dialog holding a FormView); QtDesktop does that for modal forms.
//
// The view reads the model it renders until it is destroyed or detached: destroy the view (or the widget
// that holds it) before the model, or call detach() first.
//
// The sizes only a renderer knows go back into the model: the top level's outer and inner size when its
// widget is resized (TopLevel::resizeTo, which raises Resize), a tab strip's ClientTop.
class KV380_QT_API FormView : public QWidget {
    Q_OBJECT
public:
    explicit FormView(ui::UserControl& control, QWidget* parent = nullptr);
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    // The rendered top level; nullptr once detached.
    ui::TopLevel* topLevel() const { return m_topLevel; }
    const TwipsScale& scale() const { return m_scale; }
    // The widget showing a control of this top level; nullptr for a control without one (timers, menus,
    // image lists) or not of this top level. A widget whose making was put off (a hidden list) is made now.
    QWidget* widgetFor(const ui::Control& control) const;
    // The control a widget of this view shows (the widget itself or the nearest of its parents that shows
    // one); nullptr when none does.
    ui::Control* controlOf(const QWidget* widget) const;
    // Stops rendering: the model's observers are removed and the widgets no longer reach the model.
    void detach();
    // The top level's inner size: a dock or layout first offers the control its design size.
    QSize sizeHint() const override;

    // The view rendering a top level, nullptr when none.
    static FormView* of(const ui::TopLevel& topLevel);

    // For the control views: where a container's children go (this widget for the top level itself).
    QWidget* childAreaFor(const ui::Control* container) const;
    // A container moved: the widgets of the controls inside it are placed again.
    void placeChildrenOf(const ui::Control& container);
    // A manual drag (a splitter bar) moves or is dropped: the control under the pointer hears of it.
    void dragMoved(ControlView& source, QPoint globalPos);
    void dragReleased(ControlView& source, QPoint globalPos);

protected:
    friend class FormWindow;

    // A form's view, inside its FormWindow, which starts it once it is set up.
    FormView(ui::TopLevel& topLevel, QWidget* parent);
    void start();

    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Target {
        ui::Control* control{nullptr};
        QWidget* widget{nullptr};
    };

    void observe(ui::Control& control);
    void modelChanged(ui::Control& control, ui::Property what);
    void mirrorTopLevel(ui::Property what);
    void controlsChanged();
    ControlView* ensureView(ui::Control& control);
    void dropView(const ui::Control* control);
    void writeBackSize();
    Target targetAt(QPoint globalPos, const QWidget* except) const;
    ControlView* viewOf(const ui::Control& control) const;
    std::string contextFor(std::string_view handler) const;

    ui::TopLevel* m_topLevel;
    TwipsScale m_scale;
    // The views are QObject children of this widget.
    std::unordered_map<const ui::Control*, ControlView*> m_views;
    // Every control whose observer is ours (views exist only for controls with a widget).
    std::unordered_set<ui::Control*> m_observed;
    // The top level's controls as last seen, in collection order.
    std::vector<ui::Control*> m_order;
    // The control a manual drag is over, to tell it when the drag leaves.
    QPointer<QWidget> m_dragOver;
    ui::Control* m_dragOverControl{nullptr};
    // A renderer-measured size (a tab strip's ClientTop) went into the model while the view started.
    bool m_measured{false};
};

} // namespace kv380::qt
