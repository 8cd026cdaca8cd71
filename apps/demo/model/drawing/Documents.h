#pragma once

#include "host/DrwApplication.h"
#include "model/db/WorkspaceRows.h"
#include "model/drawing/Document.h"

#include <functional>
#include <memory>
#include <vector>

namespace kv380::demo {

// The open drawings of the drawing application, and which one is active.
class Documents : public DrwDocuments, public std::enable_shared_from_this<Documents> {
public:
    static std::shared_ptr<Documents> create();

    // Opens a new, empty drawing. A visible one becomes the active drawing; a hidden one (a scratch
    // drawing) never does.
    std::shared_ptr<DrwDocument> Add(bool bVisible) override;

    // Opens the drawing of a workspace diagram, or finds it open, and makes it active.
    std::shared_ptr<Document> openDiagram(const DiagramRow& diagram);
    // Makes an open, visible drawing the active one; anything else is error 5.
    void activate(const std::shared_ptr<Document>& document);
    // The active drawing, or nothing.
    std::shared_ptr<Document> active() const { return m_active; }
    // The open drawings, in the order they were opened.
    const std::vector<std::shared_ptr<Document>>& open() const { return m_open; }

    // Called after a drawing became active (the window tells the stock pile). When the active drawing
    // closes, the most recently opened visible drawing becomes active.
    std::function<void(const std::shared_ptr<Document>&)> onActivated;

private:
    Documents() = default;
    std::shared_ptr<Document> add(Document::Info info);
    void forget(Document& document);

    std::vector<std::shared_ptr<Document>> m_open;
    std::shared_ptr<Document> m_active;
    int m_added = 0;
};

} // namespace kv380::demo
