#pragma once

#include "host/HostDocuments.h"
#include "model/db/WorkspaceRows.h"

#include <string>

namespace kv380::demo {

// The host's record of one drawing: the diagram of the workspace it shows.
class DiagramDocument : public IKVDiagramDocument {
public:
    explicit DiagramDocument(DiagramRow row) : m_row(std::move(row)) {}

    // The diagram's identifier, as numeric text.
    std::string DiagramID() override { return std::to_string(m_row.id); }
    // The diagram's class ("PFD", "PPID", "Sim").
    std::string DiagramClass() override { return m_row.diagramClass; }

    const DiagramRow& row() const { return m_row; }

private:
    DiagramRow m_row;
};

} // namespace kv380::demo
