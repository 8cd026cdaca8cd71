#pragma once

#include "host/HostDocuments.h"
#include "support/FakeDrawingApplication.h"
#include "support/FakeHostLedger.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kv380::test {

struct DiagramData {
    std::string diagramId{};
    std::string diagramClass{};
};

class FakeDiagramDocument : public IKVDiagramDocument {
public:
    FakeDiagramDocument(std::shared_ptr<FakeHostLedger> ledger, DiagramData data)
        : m_ledger(std::move(ledger)), m_data(std::move(data)) {}

    std::string DiagramID() override;
    std::string DiagramClass() override;

    DiagramData& data() { return m_data; }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    DiagramData m_data;
};

// The host's records of the drawings it knows; FindDocument answers nothing for any other drawing.
class FakeDocumentMap : public IKVDocumentMap {
public:
    explicit FakeDocumentMap(std::shared_ptr<FakeHostLedger> ledger) : m_ledger(std::move(ledger)) {}

    std::shared_ptr<IKVDiagramDocument> FindDocument(const std::shared_ptr<DrwDocument>& document) override;

    std::shared_ptr<FakeDiagramDocument> add(std::shared_ptr<FakeDrawing> drawing, DiagramData data);
    // The drawing of the diagram with that identifier, or nothing.
    std::shared_ptr<FakeDrawing> drawingOf(const std::string& diagramId) const;

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::vector<std::pair<std::shared_ptr<FakeDrawing>, std::shared_ptr<FakeDiagramDocument>>> m_entries;
};

} // namespace kv380::test
