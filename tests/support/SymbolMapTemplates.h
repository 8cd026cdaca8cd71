#pragma once

namespace kv380::test {

// The drawing templates of the Symbol Map dialog's tests: PPID's template shows Pumps and, with its disk
// folders, Valves; Sim's shows Blocks.
inline const char* symbolMapTemplates() {
    return R"(<DrawingTemplates>
      <Template Name="PPID"><SymbolLibrary>
        <Folder Name="Pumps" State="Shown" Path="Pumps"/>
        <Folder Name="Valves" State="Shown" Path="Valves\*"/>
      </SymbolLibrary></Template>
      <Template Name="Sim"><SymbolLibrary>
        <Folder Name="Blocks" State="Shown" Path="Blocks"/>
      </SymbolLibrary></Template>
    </DrawingTemplates>)";
}

} // namespace kv380::test
