#include "model/workspace/DocumentMap.h"

#include "model/drawing/Document.h"
#include "model/workspace/DiagramDocument.h"

namespace kv380::demo {

std::shared_ptr<IKVDiagramDocument> DocumentMap::FindDocument(const std::shared_ptr<DrwDocument>& document) {
    auto drawing = std::dynamic_pointer_cast<Document>(document);
    if (!drawing || !drawing->diagramId()) {
        return nullptr;
    }
    auto row = m_context->database().diagram(*drawing->diagramId());
    return row ? std::make_shared<DiagramDocument>(std::move(*row)) : nullptr;
}

} // namespace kv380::demo
