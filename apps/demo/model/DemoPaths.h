#pragma once

#include <string>

namespace kv380::demo {

// Where the demo host finds its sample files and keeps its data.

// The examples folder: $KV380_DEMO_EXAMPLES when set, else the source tree's examples/ the host was built
// from.
std::string defaultExamplesFolder();

// The folder of the workspace database: $KV380_DEMO_DATA when set (tests point it at a temporary folder),
// else $XDG_DATA_HOME/kv380/demo, else ~/.local/share/kv380/demo.
std::string defaultDataFolder();

// A folder path as a symbol root in system form: absolute, "." and ".." resolved, no trailing separator.
std::string symbolRootOf(const std::string& folder);

} // namespace kv380::demo
