#include "model/drawing/PlaceObject.h"

#include "model/drawing/Documents.h"
#include "platform/AutomationError.h"

namespace kv380::demo {

std::string placeOnActiveDrawing(DrawingApplication& application, IKVPresentedObject& object) {
    const auto drawing = application.documents()->active();
    if (!drawing) {
        throw AutomationError(91, DrawingErrorSource,
                              "No drawing is active: double-click a drawing to place " + object.ObjectKey() +
                                  " on it");
    }
    deref(drawing->Sheet(PlacementSheet)).PlaceSymbol(0, object.Symbol(), PlacementX, PlacementY);
    return "Placed " + object.ObjectKey() + " on " + drawing->name();
}

} // namespace kv380::demo
