#include "platform/ui/Image.h"

#include <utility>

namespace kv380::ui {

Image::Image(std::string name) : Control(std::move(name)) {}

void Image::setPicture(std::string picture) {
    m_picture = std::move(picture);
    notify(Property::Picture);
}

void Image::raiseClick() {
    fire(Click);
}

std::unique_ptr<Control> Image::cloneDesign() const {
    auto copy = std::make_unique<Image>(Name());
    copy->copyDesignFrom(*this);
    copy->m_picture = m_picture;
    return copy;
}

} // namespace kv380::ui
