#pragma once

#include "qt/ControlView.h"

namespace kv380::ui {
class Frame;
}

namespace kv380::qt {

class CaptionFrame;

// A frame: a plain container positioned in twips; a caption, when it has one, is drawn as a group box.
class FrameView : public ControlView {
    Q_OBJECT
public:
    FrameView(FormView& form, ui::Frame& frame);
    QWidget* childArea() const override;

private:
    void mirrorOwn(ui::Property what) override;

    ui::Frame& m_frame;
    CaptionFrame* m_box;
};

} // namespace kv380::qt
