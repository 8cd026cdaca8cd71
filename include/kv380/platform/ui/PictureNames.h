#pragma once

namespace kv380::ui {

// Names of the pictures the component shows. The model only carries names; the renderer maps each to an
// image of its own, so both sides must use these.
namespace picture {
// The refresh button's picture.
inline constexpr const char* Refresh = "Refresh";
// Folder images of the symbol folder tree, 16 by 16 pixels.
inline constexpr const char* FolderClosed = "FolderClosed";
inline constexpr const char* FolderOpen = "FolderOpen";
// Pointers while a splitter bar is dragged: double-headed arrows of 32 by 32 pixels, hot spot at the centre.
inline constexpr const char* DragArrowNS = "DragArrowNS";
inline constexpr const char* DragArrowWE = "DragArrowWE";
} // namespace picture

} // namespace kv380::ui
