#include "model/db/DatabaseError.h"

#include "platform/AutomationError.h"

#include <sqlite3.h>

namespace kv380::demo {

void raiseDatabaseError(sqlite3* db, const std::string& what) {
    const std::string reason = db ? sqlite3_errmsg(db) : "out of memory";
    throw AutomationError(err::InternalError, WorkspaceErrorSource, what + ": " + reason);
}

} // namespace kv380::demo
