#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

#include <vector>

namespace kv380::ui {

// An image list: keyed pictures (by name, resolved by the renderer) of one size, for tree nodes.
class KV380_API ImageList : public Control {
public:
    struct ListImage {
        std::string key;
        std::string picture;
    };

    explicit ImageList(std::string name = {});

    // Size of the images, in pixels; above 0, else 380.
    int ImageWidth() const { return m_imageWidth; }
    void setImageWidth(int pixels);
    int ImageHeight() const { return m_imageHeight; }
    void setImageHeight(int pixels);

    // Adds a picture under a key (35602 for a key already used); the picture name defaults to the key.
    void addImage(std::string key, std::string picture = {});
    int imageCount() const { return static_cast<int>(m_images.size()); }
    bool hasImage(const std::string& key) const;
    const std::vector<ListImage>& images() const { return m_images; }
    void clearImages();

    bool hasFont() const override { return false; }

private:
    std::vector<ListImage> m_images;
    int m_imageWidth{16};
    int m_imageHeight{16};
};

} // namespace kv380::ui
