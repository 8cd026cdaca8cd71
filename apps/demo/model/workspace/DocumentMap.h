#pragma once

#include "host/HostDocuments.h"
#include "model/HostContext.h"

#include <memory>

namespace kv380::demo {

// Finds the workspace diagram a drawing of the drawing application shows.
class DocumentMap : public IKVDocumentMap {
public:
    explicit DocumentMap(std::shared_ptr<HostContext> context) : m_context(std::move(context)) {}

    // The record of a drawing opened for a diagram of the workspace; nothing for scratch drawings, other
    // applications' documents, nothing at all, or a diagram deleted meanwhile.
    std::shared_ptr<IKVDiagramDocument> FindDocument(const std::shared_ptr<DrwDocument>& document) override;

private:
    std::shared_ptr<HostContext> m_context;
};

} // namespace kv380::demo
