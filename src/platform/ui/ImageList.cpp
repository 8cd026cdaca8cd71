#include "platform/ui/ImageList.h"

#include "platform/AutomationError.h"

#include <algorithm>
#include <utility>

namespace kv380::ui {

ImageList::ImageList(std::string name) : Control(std::move(name)) {}

void ImageList::setImageWidth(int pixels) {
    if (pixels <= 0) {
        raise(err::InvalidPropertyValue);
    }
    m_imageWidth = pixels;
    notify(Property::Picture);
}

void ImageList::setImageHeight(int pixels) {
    if (pixels <= 0) {
        raise(err::InvalidPropertyValue);
    }
    m_imageHeight = pixels;
    notify(Property::Picture);
}

void ImageList::addImage(std::string key, std::string picture) {
    if (hasImage(key)) {
        raise(err::KeyNotUnique);
    }
    if (picture.empty()) {
        picture = key;
    }
    m_images.push_back(ListImage{std::move(key), std::move(picture)});
    notify(Property::Picture);
}

bool ImageList::hasImage(const std::string& key) const {
    return std::any_of(m_images.begin(), m_images.end(), [&](const ListImage& i) { return i.key == key; });
}

void ImageList::clearImages() {
    m_images.clear();
    notify(Property::Picture);
}

} // namespace kv380::ui
