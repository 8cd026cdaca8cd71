#include "support/FakeDocumentMap.h"

namespace kv380::test {

std::string FakeDiagramDocument::DiagramID() {
    m_ledger->enter("DiagramDocument.DiagramID");
    return m_data.diagramId;
}

std::string FakeDiagramDocument::DiagramClass() {
    m_ledger->enter("DiagramDocument.DiagramClass");
    return m_data.diagramClass;
}

std::shared_ptr<IKVDiagramDocument>
FakeDocumentMap::FindDocument(const std::shared_ptr<DrwDocument>& document) {
    m_ledger->enter("DocumentMap.FindDocument");
    for (const auto& [drawing, diagram] : m_entries) {
        if (document && drawing.get() == dynamic_cast<FakeDrawing*>(document.get())) {
            return diagram;
        }
    }
    return nullptr;
}

std::shared_ptr<FakeDiagramDocument> FakeDocumentMap::add(std::shared_ptr<FakeDrawing> drawing,
                                                          DiagramData data) {
    auto diagram = std::make_shared<FakeDiagramDocument>(m_ledger, std::move(data));
    m_entries.emplace_back(std::move(drawing), diagram);
    return diagram;
}

std::shared_ptr<FakeDrawing> FakeDocumentMap::drawingOf(const std::string& diagramId) const {
    for (const auto& [drawing, diagram] : m_entries) {
        if (diagram->data().diagramId == diagramId) {
            return drawing;
        }
    }
    return nullptr;
}

} // namespace kv380::test
