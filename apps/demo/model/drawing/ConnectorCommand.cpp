#include "model/drawing/ConnectorCommand.h"

#include <charconv>

namespace kv380::demo {

std::optional<ConnectorCommand> parseConnectorCommand(std::string_view text) {
    if (!text.starts_with(ConnectorToolName)) {
        return std::nullopt;
    }
    text.remove_prefix(ConnectorToolName.size());
    if (!text.starts_with('"') || !text.ends_with('>')) {
        return std::nullopt;
    }
    text.remove_prefix(1);
    text.remove_suffix(1);
    // The identifier follows the last "<": a symbol path may hold one of its own.
    const std::size_t open = text.rfind('<');
    if (open == std::string_view::npos || open == 0) {
        return std::nullopt;
    }
    const std::string_view id = text.substr(open + 1);
    ConnectorCommand command;
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), command.objectId);
    if (id.empty() || error != std::errc() || end != id.data() + id.size()) {
        return std::nullopt;
    }
    command.symbol = std::string(text.substr(0, open));
    return command;
}

} // namespace kv380::demo
