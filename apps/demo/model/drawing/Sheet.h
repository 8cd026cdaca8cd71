#pragma once

#include "host/DrwApplication.h"
#include "model/drawing/PlacedSymbol.h"

#include <memory>
#include <string>
#include <vector>

namespace kv380::demo {

class Document;

// A sheet of a drawing, holding the symbols placed on it.
class Sheet : public DrwSheet {
public:
    Sheet(std::weak_ptr<Document> document, std::string name)
        : m_document(std::move(document)), m_name(std::move(name)) {}

    // Places a symbol file (system-form path) at a position. A file that is not there is error 53; a sheet
    // of a closed drawing is error 5.
    std::shared_ptr<DrwPlacedSymbol> PlaceSymbol(int32_t lFlags, const std::string& symbolPath, double x,
                                                 double y) override;

    const std::string& name() const { return m_name; }
    const std::vector<std::shared_ptr<PlacedSymbol>>& placements() const { return m_placements; }

private:
    std::weak_ptr<Document> m_document;
    std::string m_name;
    std::vector<std::shared_ptr<PlacedSymbol>> m_placements;
};

} // namespace kv380::demo
