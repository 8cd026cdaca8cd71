// The control's layout arithmetic over arbitrary sizes: no undefined behaviour (the sanitizer watches every
// float-to-integer conversion), and a run either completes with sizes the runtime accepts or stops with the
// runtime's own error.
#include "stockpile/Layout.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool acceptable(float size) {
    return std::isfinite(size) && size >= 0;
}

template <class Stop> void checkStop(const Stop& stop) {
    FUZZ_CHECK(stop.completes() || stop.error == 6 || stop.error == 380);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kv380;
    FuzzedDataProvider input(data, size);
    const auto anyFloat = [&] { return input.ConsumeFloatingPoint<float>(); };

    LayoutInput in;
    in.controlWidth = anyFloat();
    in.controlHeight = anyFloat();
    in.controlInnerHeight = anyFloat();
    in.tabStripLeft = anyFloat();
    in.tabStripClientTop = anyFloat();
    in.cmdRefreshHeight = anyFloat();
    in.fraOrganiseLeft = anyFloat();
    in.fraOrganiseTop = anyFloat();
    in.fraOrganiseWidth = anyFloat();
    in.fraOrganiseHeight = anyFloat();
    in.fraFilterWidth = anyFloat();
    in.fraFilterHeight = anyFloat();
    in.fraRefreshWidth = anyFloat();
    in.fraRefreshHeight = anyFloat();
    in.fraPageWidth = anyFloat();
    in.selectedTab = input.ConsumeIntegral<int32_t>();

    const LayoutResult r = layoutControl(in);
    checkStop(r.stop);
    if (r.stop.completes()) {
        FUZZ_CHECK(acceptable(r.tabStripWidth) && acceptable(r.tabStripHeight));
        FUZZ_CHECK(acceptable(r.fraRWLViewWidth) && acceptable(r.fraRWLViewHeight));
        FUZZ_CHECK(r.spacing >= 0 && r.spacing <= 60);
    }

    const ListElementLayout list = layoutListElement(anyFloat(), anyFloat());
    checkStop(list.stop);
    if (list.stop.completes()) {
        FUZZ_CHECK(acceptable(list.width) && acceptable(list.height));
    }

    const int32_t x = input.ConsumeIntegral<int32_t>();
    const int32_t y = input.ConsumeIntegral<int32_t>();
    const ResizeLayoutResult resized = resizeLayout(x, y, anyFloat(), anyFloat());
    checkStop(resized.stop);
    if (resized.acts) {
        FUZZ_CHECK(resized.x >= 240 && resized.y >= 100);
    }

    try {
        barHeight(input.ConsumeBool() ? std::optional<double>(input.ConsumeFloatingPoint<double>())
                                      : std::nullopt);
    } catch (const AutomationError& e) {
        FUZZ_CHECK(e.number() == 6);
    }
    return 0;
}
