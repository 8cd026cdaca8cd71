#pragma once

#include "qt/QtDesktop.h"

namespace kv380::demo {

// The Qt desktop for a run nobody watches (a screenshot): message boxes are not shown but answered with
// their default button and written to standard error, so the run never waits for a click.
class UnattendedDesktop : public qt::QtDesktop {
public:
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
};

} // namespace kv380::demo
