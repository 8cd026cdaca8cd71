#pragma once

#include <string>
#include <string_view>

// What a click on the stock pile's list says and does, as rules over what is known at that moment.
namespace kv380 {

// The list's status texts, shown as its tooltip after a click.
namespace status {
inline constexpr std::string_view NoActiveDocument = "No active document";
inline constexpr std::string_view SelectAnObject = "Select an object.";
inline constexpr std::string_view RuleMapped = "Rule or ObjectMapper mapped symbol exists.";
inline constexpr std::string_view MultipleMapped = "Multiple mapped symbols exist.";
inline constexpr std::string_view DefaultMapped = "Default mapped symbol exists.";
inline constexpr std::string_view NoneMapped = "No mapped symbol exists.";
} // namespace status

// The status of one selected object without a map symbol of its own, from the Symbol Library's mapping of
// its symbol: several symbols (a ";" in it), one, or none.
std::string_view mappingStatus(std::string_view mapping);

// The behaviour code of a symbol that is drawn as a connector.
inline constexpr int ConnectorBehaviour = 3;

// The drawing application's command that starts drawing a connector for an object: the connector tool's
// name, a double quote, the symbol path and the object's identifier in angle brackets.
std::string connectorCommand(std::string_view symbolPath, std::string_view objectId);

// The background menu's check marks as they stand when it has closed, and the sort flag it was shown with.
struct BackgroundMarks {
    bool sortBefore{false};
    bool sort{false};
    bool refresh{false};
    bool gotoOptions{false};
    bool autoRefresh{false};
    bool largeIcons{false};
    bool smallIcons{false};
};

// What the stock pile does after the background menu: one action, the first that applies in this order.
enum class BackgroundAction { None, Sort, Refresh, GotoOptions, AutoRefresh, LargeIcons, SmallIcons };
BackgroundAction backgroundAction(const BackgroundMarks& marks);

} // namespace kv380
