#pragma once

#include <memory>
#include <string>

namespace kv380 {
class ctlStockpile;
class IKVDwgApp;
} // namespace kv380

namespace kv380::demo {

// The demo's "Symbol Map..." command for the one object selected in the stock pile: opens the Symbol Map
// dialog modally over the stock pile and, when the user confirms, saves the chosen symbols into the stock
// pile's symbol map. Returns a line for the status bar. Failures throw AutomationError.
std::string runSymbolMapCommand(ctlStockpile& control, const std::shared_ptr<IKVDwgApp>& dwgApp);

} // namespace kv380::demo
