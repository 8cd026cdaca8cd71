#include "model/drawing/Documents.h"

#include "platform/AutomationError.h"

#include <algorithm>

namespace kv380::demo {

std::shared_ptr<Documents> Documents::create() {
    return std::shared_ptr<Documents>(new Documents());
}

std::shared_ptr<Document> Documents::add(Document::Info info) {
    auto document = std::make_shared<Document>(std::move(info), [self = weak_from_this()](Document& closed) {
        if (auto documents = self.lock()) {
            documents->forget(closed);
        }
    });
    m_open.push_back(document);
    return document;
}

std::shared_ptr<DrwDocument> Documents::Add(bool bVisible) {
    ++m_added;
    auto document = add({.name = "Drawing" + std::to_string(m_added), .visible = bVisible});
    if (bVisible) {
        activate(document);
    }
    return document;
}

std::shared_ptr<Document> Documents::openDiagram(const DiagramRow& diagram) {
    auto it = std::find_if(m_open.begin(), m_open.end(),
                           [&](const auto& document) { return document->diagramId() == diagram.id; });
    auto document = it != m_open.end() ? *it
                                       : add({.name = diagram.name,
                                              .visible = true,
                                              .diagramId = diagram.id,
                                              .diagramClass = diagram.diagramClass});
    activate(document);
    return document;
}

void Documents::activate(const std::shared_ptr<Document>& document) {
    if (!document || !document->visible() || document->closed()) {
        throw AutomationError(err::InvalidProcedureCall, DrawingErrorSource,
                              "Only an open, visible drawing can become active");
    }
    m_active = document;
    if (onActivated) {
        onActivated(document);
    }
}

void Documents::forget(Document& document) {
    std::erase_if(m_open, [&](const auto& open) { return open.get() == &document; });
    if (m_active.get() != &document) {
        return;
    }
    m_active.reset();
    // As in any drawing program, the most recently opened drawing still open takes over.
    auto next =
        std::find_if(m_open.rbegin(), m_open.rend(), [](const auto& open) { return open->visible(); });
    if (next != m_open.rend()) {
        activate(*next);
    }
}

} // namespace kv380::demo
