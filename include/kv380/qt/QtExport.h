#pragma once

// What the Qt renderer's shared library offers its hosts (see platform/Export.h).
#if defined(__GNUC__) || defined(__clang__)
#define KV380_QT_API __attribute__((visibility("default")))
#else
#define KV380_QT_API
#endif
