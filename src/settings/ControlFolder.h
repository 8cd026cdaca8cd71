#pragma once

#include <optional>
#include <string>

namespace kv380 {

// The folder the control was loaded from: that of the shared library holding this code, or of the
// executable when the code is linked into it. Empty when neither can be found.
std::string ControlFolder();

// Makes ControlFolder answer a folder of the test's choosing; nullopt goes back to the real lookup.
void setControlFolderForTests(std::optional<std::string> folder);

} // namespace kv380
