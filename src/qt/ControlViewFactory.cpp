#include "qt/ControlViewFactory.h"

#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/TreeView.h"
#include "platform/ui/UpDown.h"
#include "qt/ButtonView.h"
#include "qt/CheckBoxView.h"
#include "qt/ComboBoxView.h"
#include "qt/FrameView.h"
#include "qt/ImageView.h"
#include "qt/LabelView.h"
#include "qt/ListControlView.h"
#include "qt/TabStripView.h"
#include "qt/TextBoxView.h"
#include "qt/TreeControlView.h"
#include "qt/UpDownView.h"

namespace kv380::qt {

ControlView* createControlView(FormView& form, ui::Control& control) {
    if (auto* frame = dynamic_cast<ui::Frame*>(&control)) {
        return new FrameView(form, *frame);
    }
    if (auto* label = dynamic_cast<ui::Label*>(&control)) {
        return new LabelView(form, *label);
    }
    if (auto* textBox = dynamic_cast<ui::TextBox*>(&control)) {
        return new TextBoxView(form, *textBox);
    }
    if (auto* upDown = dynamic_cast<ui::UpDown*>(&control)) {
        return new UpDownView(form, *upDown);
    }
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&control)) {
        return new ComboBoxView(form, *combo);
    }
    if (auto* checkBox = dynamic_cast<ui::CheckBox*>(&control)) {
        return new CheckBoxView(form, *checkBox);
    }
    if (auto* button = dynamic_cast<ui::CommandButton*>(&control)) {
        return new ButtonView(form, *button);
    }
    if (auto* image = dynamic_cast<ui::Image*>(&control)) {
        return new ImageView(form, *image);
    }
    if (auto* strip = dynamic_cast<ui::TabStrip*>(&control)) {
        return new TabStripView(form, *strip);
    }
    if (auto* list = dynamic_cast<ui::RWListView*>(&control)) {
        return new ListControlView(form, *list);
    }
    if (auto* tree = dynamic_cast<ui::TreeView*>(&control)) {
        return new TreeControlView(form, *tree);
    }
    return nullptr;
}

} // namespace kv380::qt
