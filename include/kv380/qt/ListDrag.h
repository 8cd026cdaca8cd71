#pragma once

namespace kv380::qt {

// The format a list element's drag carries besides plain text: the dragged items' keys, UTF-8, one a line.
// A drawing that takes the stock pile's objects accepts this format; what it places it reads from the
// control's DragDropObject while the drag lasts, not from the keys.
inline constexpr const char* StockpileObjectsMimeType = "application/x-kv380-stockpile-objects";

} // namespace kv380::qt
