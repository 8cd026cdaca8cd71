#pragma once

#include "host/DrwApplication.h"
#include "host/IKVSymbolInfo.h"

#include <functional>
#include <memory>
#include <string>

namespace kv380 {

// How a caller reaches the drawing application; reaching it may fail like any host call.
using ReachDrawingApplication = std::function<std::shared_ptr<DrwApplication>()>;

// A symbol file's behaviour, as the drawing application reads it from a placed symbol: a hidden scratch
// drawing is opened, the symbol placed on its "tmp" sheet at the origin, read by a new symbol information
// object, and the drawing closed without saving. Any failure (reaching the application included) is
// reported with the context "ctlSymbolLibrary::GetSymbolBehaviour()" and gives nothing; a scratch drawing
// opened before the failure is closed all the same. The stock pile and the Symbol Map dialog share it; they
// differ only in how they reach the application.
std::shared_ptr<IKVSymbolInfo> GetSymbolBehaviour(const ReachDrawingApplication& application,
                                                  const std::string& strSymbolPath);

} // namespace kv380
