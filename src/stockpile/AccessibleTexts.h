#pragma once

#include "stockpile/StockpileDesign.h"

namespace kv380 {

// Gives every child control of the stock pile the name and description assistive technology announces.
// List elements loaded later copy them from the designed element.
void describeForAccessibility(StockpileDesign& design);

} // namespace kv380
