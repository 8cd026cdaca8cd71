#pragma once

#include <functional>
#include <string>
#include <string_view>

// The texts the host is answered with about one object: its mapped symbol and, for a connection, which
// objects it joins.
namespace kv380 {

// A mapped symbol as the host places it: one whose first seven characters are exactly "Blocks\" (letter
// case counts) lies in the "Unit Operations\" folder, which is put in front; any other is unchanged.
std::string withUnitOperationsFolder(std::string_view mapSymbol);

// A connection described by its ends: the object's name, then " From " and the name of the from-end and
// " To " and the name of the to-end. An end that is "" or is `endObject` (the object the connection is
// dropped onto) is left out. `nameOf` is asked only for the ends that are described.
std::string connectionDescription(std::string_view name, const std::string& fromId, const std::string& toId,
                                  std::string_view endObject,
                                  const std::function<std::string(const std::string&)>& nameOf);

} // namespace kv380
