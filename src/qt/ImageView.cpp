#include "qt/ImageView.h"

#include "platform/ui/Image.h"
#include "qt/Pictures.h"

#include <QLabel>

namespace kv380::qt {

ImageView::ImageView(FormView& form, ui::Image& image)
    : ControlView(form, image), m_image(image), m_picture(new QLabel) {
    m_picture->setScaledContents(true);
    setWidget(m_picture, true);
}

void ImageView::clickCompleted() {
    input("QLabel::mouseReleaseEvent", [&] { m_image.raiseClick(); });
}

void ImageView::mirrorOwn(ui::Property what) {
    if (what != ui::Property::Picture && what != ui::Property::Width && what != ui::Property::Height) {
        return;
    }
    const QIcon icon = pictureIcon(m_image.Picture(), m_picture);
    if (icon.isNull() || m_picture->width() <= 0 || m_picture->height() <= 0) {
        m_picture->clear();
    } else {
        m_picture->setPixmap(icon.pixmap(m_picture->size()));
    }
}

} // namespace kv380::qt
