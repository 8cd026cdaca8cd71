#include "platform/fs/FsError.h"

#include "platform/AutomationError.h"

namespace kv380::fs {

void raisePathNotFound() {
    throw AutomationError(PathNotFound, {}, "Path not found");
}

void raiseFolderError(std::error_code ec) {
    if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted) {
        throw AutomationError(PermissionDenied, {}, "Permission denied");
    }
    raisePathNotFound();
}

} // namespace kv380::fs
