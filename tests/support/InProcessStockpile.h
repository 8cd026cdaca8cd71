#pragma once

#include "control/_ctlStockpile.h"
#include "platform/hosting/Com.h"

namespace kv380::test {

// A stock pile made by the class factory linked into the test program itself, as a host gets one through
// the library's entry point, without loading the shared library (whose second copy of the process-wide
// slots a test could not reach).
hosting::ComPtr<_ctlStockpile> inProcessStockpile();

} // namespace kv380::test
