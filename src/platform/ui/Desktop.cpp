#include "platform/ui/Desktop.h"

#include "platform/locale/Locale.h"
#include "platform/ui/HeadlessDesktop.h"

#include <utility>

namespace kv380::ui {

namespace {
std::shared_ptr<Desktop>& currentSlot() {
    static std::shared_ptr<Desktop> slot = std::make_shared<HeadlessDesktop>();
    return slot;
}
} // namespace

int32_t Desktop::systemDefaultLCID() const {
    return GetSystemDefaultLCID();
}

Desktop& currentDesktop() {
    return *currentSlot();
}

void setCurrentDesktop(std::shared_ptr<Desktop> desktop) {
    currentSlot() = desktop ? std::move(desktop) : std::make_shared<HeadlessDesktop>();
}

} // namespace kv380::ui
