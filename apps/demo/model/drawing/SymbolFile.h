#pragma once

#include <cstdint>
#include <string>

namespace kv380::demo {

// What a symbol file says about itself. A ".sym" file is a small SVG drawing whose root element carries
// the symbol's behaviour:
//
//   <svg xmlns="http://www.w3.org/2000/svg" ... data-behaviour="11" data-expansion-class="Pump">
//
// data-behaviour is the behaviour code (0 when absent; 3 a connector, 11 an expansion symbol) and
// data-expansion-class the object type an expansion symbol expands into.
struct SymbolFileInfo {
    int32_t behaviour = 0;
    std::string expansionClass{};
    std::string title{};
};

// Reads a symbol file at a system-form path. A missing file is error 53; a file that is not an SVG drawing
// is error 5; a behaviour that is not a number is 13, one outside 16 bits 6.
SymbolFileInfo readSymbolFile(const std::string& systemPath);

} // namespace kv380::demo
