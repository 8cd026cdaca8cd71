#pragma once

#include "qt/ControlView.h"

class QLabel;

namespace kv380::ui {
class Label;
}

namespace kv380::qt {

// A label: its caption as plain text, wrapped within its width.
class LabelView : public ControlView {
    Q_OBJECT
public:
    LabelView(FormView& form, ui::Label& label);

private:
    void mirrorOwn(ui::Property what) override;

    ui::Label& m_label;
    QLabel* m_text;
};

} // namespace kv380::qt
