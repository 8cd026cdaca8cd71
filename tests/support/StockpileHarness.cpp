#include "support/StockpileHarness.h"

#include "platform/registry/RegistryApi.h"

namespace kv380::test {

namespace {
const std::string kStockpileKey =
    "Software\\Tessivar\\Applications\\Kestrova380PFD.Application\\Environments\\Sketch\\Stockpile";

// Seeds the stored rate before the control reads it at start-up; returns the builder unchanged so the
// registry exists before the host and the control.
const FakeHost::Builder& seeded(TempRegistry& registry, int32_t rate, const FakeHost::Builder& builder) {
    if (rate != 0) {
        registry.setLong(registry::HKEY_CURRENT_USER, kStockpileKey, "RefreshRate", rate);
    }
    return builder;
}
} // namespace

StockpileHarness::StockpileHarness(const FakeHost::Builder& builder, int32_t storedRefreshRate)
    : host(seeded(registry, storedRefreshRate, builder).build()), control(std::make_unique<ctlStockpile>()) {}

StockpileHarness::~StockpileHarness() {
    control.reset();
}

void StockpileHarness::attach() {
    control->setApplicationObject(host.application());
    control->setDialogBar(host.bar("Stockpile"));
}

void StockpileHarness::attachAndOpen() {
    attach();
    host.openWorkspace();
    host.completeLoads();
}

void StockpileHarness::selectTab(int index, bool completeLoads) {
    control->TabStrip.selectTab(index);
    if (completeLoads) {
        host.completeLoads();
    }
}

std::vector<std::string> StockpileHarness::tabCaptions() const {
    std::vector<std::string> captions;
    for (int i = 1; i <= control->TabStrip.tabCount(); ++i) {
        captions.push_back(control->TabStrip.tab(i).caption);
    }
    return captions;
}

std::optional<int32_t> StockpileHarness::storedStockpileNumber(const std::string& name) const {
    const auto raw = registry.value(registry::HKEY_CURRENT_USER, kStockpileKey, name);
    if (!raw || raw->type != registry::REG_DWORD || raw->data.size() != 4) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | raw->data[static_cast<std::size_t>(i)];
    }
    return static_cast<int32_t>(value);
}

FakeHost::Builder organisationWithViews(const std::string& organisation, int views) {
    FakeHost::Builder builder;
    builder.organisation(organisation);
    for (int i = 1; i <= views; ++i) {
        builder.view("View " + std::to_string(i));
    }
    return builder;
}

} // namespace kv380::test
