// Settings whose hive another process holds locked past the busy timeout.
#include "settings/RegistryTools.h"
#include "settings/Settings.h"
#include "support/ChildProcess.h"
#include "support/RecordingErrorReporter.h"
#include "support/TempRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace kv380 {
namespace {

using registry::HKEY_CURRENT_USER;
using test::ChildProcess;
using test::ReporterScope;
using test::TempRegistry;

const std::string Stockpile =
    "Software\\Tessivar\\Applications\\Kestrova380PFD.Application\\Environments\\Sketch\\Stockpile";

#ifdef KV380_REGISTRY_WRITER

TEST(SettingsLockedHive, AWriteThatCannotStartStoresNothingAndEndsAsAnyFailedWriteDoes) {
    TempRegistry reg;
    ReporterScope reporter;
    Settings settings;
    settings.setStockpileHeight(200);
    settings.setSymbolLibraryDefaultLibrary("Vessels");

    ChildProcess holder({KV380_REGISTRY_WRITER, "hold", "HKCU", reg.userHive()});
    ASSERT_TRUE(holder.started());
    ASSERT_EQ(holder.readLine(), "held");
    // Each waits out the busy timeout, then gives up without writing.
    EXPECT_EQ(RegistryTools::SetRegStringValue(HKEY_CURRENT_USER, Stockpile, "Visible", "False"),
              registry::ERROR_BUSY);
    settings.setStockpileHeight(300);
    // Reading goes on meanwhile, and sees that nothing was stored.
    EXPECT_EQ(settings.StockpileHeight(), 200);
    EXPECT_TRUE(settings.StockpileVisible());
    EXPECT_EQ(settings.SymbolLibraryDefaultLibrary(), "Vessels");
    // A failed write is no error to report: the registry says so on its log, once per write.
    EXPECT_EQ(reporter->count(), 0u);
    EXPECT_EQ(reg.logLines().size(), 2u);
    for (const auto& line : reg.logLines()) {
        EXPECT_NE(line.find("starting a write failed"), std::string::npos) << line;
    }

    holder.closeInput();
    EXPECT_EQ(holder.wait(), 0);
    settings.setStockpileHeight(300);
    EXPECT_EQ(settings.StockpileHeight(), 300);
}

#else

TEST(SettingsLockedHive, AWriteThatCannotStartStoresNothingAndEndsAsAnyFailedWriteDoes) {
    GTEST_SKIP() << "built without the writer program";
}

#endif

} // namespace
} // namespace kv380
