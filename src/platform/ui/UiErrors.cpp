#include "platform/ui/UiErrors.h"

#include "platform/AutomationError.h"

namespace kv380::ui {

void raiseUi(int32_t number) {
    switch (number) {
    case uierr::ObjectAlreadyLoaded:
        throw AutomationError(number, {}, "Object already loaded");
    case uierr::CannotUnloadDesignElement:
        throw AutomationError(number, {}, "Can't unload controls created at design time");
    case uierr::CannotUnloadInContext:
        throw AutomationError(number, {}, "Unable to unload within this context");
    case uierr::ElementNotFound:
        throw AutomationError(number, {}, "Element not found");
    case uierr::ImageListNotInitialized:
        throw AutomationError(number, {}, "ImageList must be initialized before it can be used");
    default:
        raise(number);
    }
}

} // namespace kv380::ui
