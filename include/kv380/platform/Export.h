#pragma once

// What the component's shared library offers its hosts. The library is built with every symbol hidden; the
// classes and functions of the public headers are marked with KV380_API so that a host (and the Qt renderer's
// library) can reach them, and their type information is one and the same in every module, so that errors
// are caught and objects cast across the library's edge.
#if defined(__GNUC__) || defined(__clang__)
#define KV380_API __attribute__((visibility("default")))
#else
#define KV380_API
#endif
