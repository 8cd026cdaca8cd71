#pragma once

#include "platform/Export.h"

#include <cstdint>

namespace kv380::ui {

// Error numbers of the forms runtime and its common controls that the general list does not carry.
namespace uierr {
inline constexpr int32_t ObjectAlreadyLoaded = 360;       // loading a control-array element that exists
inline constexpr int32_t CannotUnloadDesignElement = 362; // unloading an element created at design time
inline constexpr int32_t CannotUnloadInContext = 365;     // unloading an element from inside its own event
inline constexpr int32_t ElementNotFound = 35601;         // no tree node or list item with that key
inline constexpr int32_t ImageListNotInitialized = 35613; // a node image named without an image list
} // namespace uierr

// Throws the runtime's error with its description, for the numbers above and the general ones.
[[noreturn]] KV380_API void raiseUi(int32_t number);

} // namespace kv380::ui
