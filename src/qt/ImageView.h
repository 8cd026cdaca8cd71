#pragma once

#include "qt/ControlView.h"

class QLabel;

namespace kv380::ui {
class Image;
}

namespace kv380::qt {

// An image control: its picture scaled to its size, nothing without one. As a splitter bar it only shows
// its pointer and drags itself (the shared mouse handling of ControlView).
class ImageView : public ControlView {
    Q_OBJECT
public:
    ImageView(FormView& form, ui::Image& image);

private:
    void mirrorOwn(ui::Property what) override;
    void clickCompleted() override;

    ui::Image& m_image;
    QLabel* m_picture;
};

} // namespace kv380::qt
