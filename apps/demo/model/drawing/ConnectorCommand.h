#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv380::demo {

// The command text that starts the connector tool for a connection object: the tool's name, a double quote,
// the connector's symbol file and the object's identifier in angle brackets:
//
//   KV380Connector.ctlCreateConnector"/srv/symbols\Lines\Process Line.sym<201>
inline constexpr std::string_view ConnectorToolName = "KV380Connector.ctlCreateConnector";

struct ConnectorCommand {
    std::string symbol{};
    int64_t objectId = 0;
};

// The connector and object a command text names; nothing for any other command, or one without a symbol or
// whose identifier is not a whole number.
std::optional<ConnectorCommand> parseConnectorCommand(std::string_view text);

} // namespace kv380::demo
