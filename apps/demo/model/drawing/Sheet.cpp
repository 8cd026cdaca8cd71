#include "model/drawing/Sheet.h"

#include "model/drawing/Document.h"
#include "platform/AutomationError.h"
#include "platform/fs/FileLength.h"

namespace kv380::demo {

std::shared_ptr<DrwPlacedSymbol> Sheet::PlaceSymbol(int32_t lFlags, const std::string& symbolPath, double x,
                                                    double y) {
    auto document = m_document.lock();
    if (!document || document->closed()) {
        throw AutomationError(err::InvalidProcedureCall, DrawingErrorSource,
                              "The drawing of sheet " + m_name + " is closed");
    }
    if (!fs::fileLength(symbolPath)) {
        throw AutomationError(err::FileNotFound, DrawingErrorSource, "Symbol file not found: " + symbolPath);
    }
    auto placed = std::make_shared<PlacedSymbol>(symbolPath, lFlags, x, y);
    m_placements.push_back(placed);
    return placed;
}

} // namespace kv380::demo
