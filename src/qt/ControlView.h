#pragma once

#include "platform/ui/Property.h"
#include "qt/SlotGuard.h"
#include "qt/TwipsScale.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QWidget>

#include <string>
#include <string_view>

class QMouseEvent;

namespace kv380::ui {
class Control;
}

namespace kv380::qt {

class FormView;

// One model control and the Qt widget that shows it. The widget holds nothing the model does not: every
// model change is mirrored into it (Control::modelChanged, through the FormView), and every user input goes
// back through the model call a test would make, at the Qt boundary (guardSlot). While a model change is
// mirrored into the widget, the widget's own signals are ignored, so nothing echoes back.
//
// What all kinds share lives here: geometry (twips to pixels, edge by edge), container, visibility,
// enabled state, tooltip, font, mouse pointer, the mouse buttons and a manual drag of the control itself.
class ControlView : public QObject {
    Q_OBJECT
public:
    ControlView(FormView& form, ui::Control& control);
    ~ControlView() override;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    // The control shown; nullptr once detached (unloaded, or the form view is going).
    ui::Control* control() const { return m_control; }
    // nullptr for a kind that makes its widget when first needed and has not needed it yet.
    QWidget* widget() const { return m_widget; }
    // The widget, made now (and mirrored from the model) when the kind has put that off.
    QWidget* ensureWidget();
    // Where the widgets of the controls inside this one go; nullptr for a control that holds none.
    virtual QWidget* childArea() const { return nullptr; }

    // Mirrors one aspect of the model into the widget; every aspect at once after creation.
    void mirror(ui::Property what);
    void mirrorAll();
    // Stops the widget from reaching the model; the widget itself is left to its owner.
    void detach();
    // An image list's pictures changed.
    virtual void picturesChanged() {}

    // Mouse input in the widget's coordinates, translated to the model's events (pixels to twips). A
    // button goes down, moves, comes up; a control in automatic drag mode drags itself instead.
    void mousePressed(const QMouseEvent& event);
    void mouseMoved(const QMouseEvent& event);
    void mouseReleased(const QMouseEvent& event);

protected:
    // Takes the widget the derived view created. passive: the widget has no mouse handling of its own, so
    // its mouse events end here instead of reaching the container's widget.
    void setWidget(QWidget* widget, bool passive);
    // A kind whose widget is costly and often never shown may leave setWidget out of its constructor: it is
    // then asked here (once) when the control is first shown or its widget is asked for, and makes it.
    virtual void makeWidget() {}
    // The kind's own aspects (every notification comes here after the shared ones).
    virtual void mirrorOwn(ui::Property what) = 0;
    // Called after the widget got its geometry.
    virtual void placed() {}
    // A press and release of the mouse on the widget (images and lists raise Click).
    virtual void clickCompleted() {}
    // Called from detach(), for the kind to let go of its model pointers.
    virtual void detached() {}
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Runs user input at the Qt boundary, named after the Qt handler; then, whatever happened, mirrors the
    // aspect the input touched back from the model, so the widget shows what the model holds. Nothing runs
    // while a model change is being mirrored (the widget is only echoing it) or after detach.
    template <class Body> void input(std::string_view handler, Body&& body) {
        if (m_control == nullptr || mirroring()) {
            return;
        }
        guardSlot(contextFor(handler), static_cast<Body&&>(body));
    }
    template <class Body> void input(std::string_view handler, ui::Property resync, Body&& body) {
        if (m_control == nullptr || mirroring()) {
            return;
        }
        const std::string context = contextFor(handler);
        guardSlot(context, static_cast<Body&&>(body));
        if (m_control != nullptr) {
            guardSlot(context, [&] { mirror(resync); });
        }
    }
    // "QLineEdit::textEdited (txtRefreshRate)", "... (rwlvStockpile(2))".
    std::string contextFor(std::string_view handler) const;

    bool mirroring() const { return m_mirroring > 0; }
    FormView& form() const { return m_form; }
    const TwipsScale& scale() const;

private:
    struct Mirroring {
        explicit Mirroring(ControlView& v) : view(v) { ++view.m_mirroring; }
        ~Mirroring() { --view.m_mirroring; }
        Mirroring(const Mirroring&) = delete;
        Mirroring& operator=(const Mirroring&) = delete;
        ControlView& view;
    };

    void place();
    void reparent();
    void applyCursor();
    float twipsX(const QMouseEvent& event) const;
    float twipsY(const QMouseEvent& event) const;

    FormView& m_form;
    ui::Control* m_control;
    QPointer<QWidget> m_widget;
    bool m_passive{false};
    // Whether makeWidget was asked already: a widget is made at most once.
    bool m_widgetAsked{false};
    bool m_pressed{false};
    int m_mirroring{0};
    // For a container: where its inside began in the top level when its children were last placed.
    QPointF m_childOrigin{0, 0};
};

// Mouse buttons and shift state of a Qt event, as the runtime's events count them.
int buttonOf(const QMouseEvent& event);
int shiftOf(const QMouseEvent& event);

} // namespace kv380::qt
