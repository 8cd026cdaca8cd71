#include "qt/ButtonView.h"

#include "platform/ui/CommandButton.h"
#include "qt/Pictures.h"
#include "qt/Text.h"

#include <QPushButton>

#include <algorithm>

namespace kv380::qt {

ButtonView::ButtonView(FormView& form, ui::CommandButton& button)
    : ControlView(form, button), m_button(button), m_push(new QPushButton) {
    m_push->setAutoDefault(false);
    m_push->setDefault(false);
    setWidget(m_push, false);
    connect(m_push, &QPushButton::clicked, this, &ButtonView::pushed);
}

void ButtonView::pushed() {
    input("QPushButton::clicked", [&] { m_button.raiseClick(); });
}

void ButtonView::mirrorOwn(ui::Property what) {
    switch (what) {
    case ui::Property::Caption:
        m_push->setText(toQt(m_button.Caption()));
        break;
    case ui::Property::Buttons:
    case ui::Property::Width:
    case ui::Property::Height: {
        const bool graphical = m_button.Style() == ui::CommandButton::Graphical;
        const QIcon icon = graphical ? pictureIcon(m_button.Picture(), m_push) : QIcon();
        m_push->setIcon(icon);
        if (!icon.isNull()) {
            // A picture button is often no bigger than its picture.
            const int side = std::max(8, std::min(m_push->width(), m_push->height()) - 6);
            m_push->setIconSize(QSize(std::min(side, 32), std::min(side, 32)));
        }
        break;
    }
    default:
        break;
    }
}

} // namespace kv380::qt
