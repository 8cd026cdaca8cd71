#pragma once

#include "host/HostObjectModel.h"
#include "model/drawing/DrawingApplication.h"

#include <string>

namespace kv380::demo {

// The sheet a placement from the stock pile goes to, and where on it: the middle of the demo's A3 sheet
// (millimetres), which stands for the centre of the drawing's view.
inline constexpr const char* PlacementSheet = "Sheet1";
inline constexpr double PlacementX = 210.0;
inline constexpr double PlacementY = 148.5;

// Places a presented object's symbol on the active drawing, as the stock pile's place request asks, and
// returns the status text that says so ("Placed P-101 on PFD-100 Feed"). Without an active drawing it is
// error 91; a symbol file that is not there is the sheet's error 53.
std::string placeOnActiveDrawing(DrawingApplication& application, IKVPresentedObject& object);

} // namespace kv380::demo
