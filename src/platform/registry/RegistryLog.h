#pragma once

#include <functional>
#include <string>

// The registry layer sits below the common error report, so it tells of its problems (a damaged hive set
// aside, a folder it cannot create, a hive it cannot write) with one line each on standard error.
namespace kv380::registry {

void logProblem(const std::string& message);

// Where the lines go. Empty: standard error. Tests put a recorder here.
using LogSink = std::function<void(const std::string& line)>;
void setLogSink(LogSink sink);

} // namespace kv380::registry
