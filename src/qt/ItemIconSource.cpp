#include "qt/ItemIconSource.h"

namespace kv380::qt {

ItemIconSource::~ItemIconSource() = default;

} // namespace kv380::qt
