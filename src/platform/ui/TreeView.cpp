#include "platform/ui/TreeView.h"

#include "platform/AutomationError.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/UiErrors.h"

#include <utility>

namespace kv380::ui {

TreeView::TreeView(std::string name) : Control(std::move(name)) {}

void TreeView::setImageList(ImageList* images) {
    m_imageList = images;
    notify(Property::Picture);
}

void TreeView::checkImage(const std::string& image) const {
    if (image.empty()) {
        return;
    }
    if (m_imageList == nullptr) {
        raiseUi(uierr::ImageListNotInitialized);
    }
    if (!m_imageList->hasImage(image)) {
        raiseUi(uierr::ElementNotFound);
    }
}

const TreeNode& TreeView::addNode(std::string_view relative, std::string key, std::string text,
                                  std::string image, std::string selectedImage) {
    if (key.empty()) {
        raise(err::InvalidPropertyValue);
    }
    if (m_byKey.count(key) != 0) {
        raise(err::KeyNotUnique);
    }
    TreeNode* parent = nullptr;
    if (!relative.empty()) {
        const auto it = m_byKey.find(std::string(relative));
        if (it == m_byKey.end()) {
            raiseUi(uierr::ElementNotFound);
        }
        parent = it->second;
    }
    checkImage(image);
    checkImage(selectedImage);

    TreeNode& added = m_nodes.emplace_back();
    added.key = std::move(key);
    added.text = std::move(text);
    added.image = std::move(image);
    added.selectedImage = std::move(selectedImage);
    added.parent = parent;
    (parent != nullptr ? parent->children : m_roots).push_back(&added);
    m_byKey.emplace(added.key, &added);
    notify(Property::List);
    return added;
}

bool TreeView::hasNode(std::string_view key) const {
    return m_byKey.count(std::string(key)) != 0;
}

const TreeNode& TreeView::node(std::string_view key) const {
    const auto it = m_byKey.find(std::string(key));
    if (it == m_byKey.end()) {
        raiseUi(uierr::ElementNotFound);
    }
    return *it->second;
}

void TreeView::clearNodes() {
    m_byKey.clear();
    m_roots.clear();
    m_nodes.clear();
    m_selected.clear();
    notify(Property::List);
    notify(Property::Selection);
}

void TreeView::selectNode(std::string_view key) {
    m_selected = node(key).key;
    notify(Property::Selection);
}

void TreeView::clickNode(std::string_view key) {
    const TreeNode& clicked = node(key);
    m_selected = clicked.key;
    notify(Property::Selection);
    fire(NodeClick, clicked);
}

void TreeView::raiseDblClick() {
    fire(DblClick);
}

} // namespace kv380::ui
