#include "settings/Settings.h"
#include "settings/ControlFolder.h"
#include "support/RecordingErrorReporter.h"
#include "support/TempRegistry.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace kv380 {
namespace {

using registry::HKEY_CURRENT_USER;
using registry::HKEY_LOCAL_MACHINE;
using registry::REG_DWORD;
using registry::REG_SZ;
using test::ReporterScope;
using test::TempRegistry;

const std::string R = "Software\\Tessivar\\Applications\\Kestrova380PFD.Application";
const std::string DocumentManager = R + "\\Environments\\Sketch\\DocumentManager";
const std::string Stockpile = R + "\\Environments\\Sketch\\Stockpile";
const std::string SymbolLibrary = R + "\\Environments\\Sketch\\Symbol Library";
const std::string Gapping = R + "\\Environments\\Sketch\\Gapping";
const std::string Transactions = R + "\\Environments\\Sketch\\Transactions";
const std::string ModifyField = R + "\\Environments\\Sketch\\Forms\\ModifyField";
const std::string ProductKey = "SOFTWARE\\Velmarck\\Corvane\\38.0";

// A registry of fresh hives, a recording error report and a known control folder, for one test.
struct SettingsTest : ::testing::Test {
    SettingsTest() { setControlFolderForTests("/opt/kv380"); }
    ~SettingsTest() override { setControlFolderForTests(std::nullopt); }

    TempRegistry reg;
    ReporterScope reporter;
    Settings settings;
};

// --- an empty machine ---

using SettingsDefaults = SettingsTest;

TEST_F(SettingsDefaults, EveryPropertyHasItsDefaultOnAMachineWithNoSettings) {
    EXPECT_EQ(settings.RefreshRate(), 0);
    EXPECT_EQ(settings.StockpileHeight(), 150);
    EXPECT_EQ(settings.SymbolLibraryWidth(), 170);
    EXPECT_EQ(settings.SymbolLibrarySeparatorTop(), 0);
    EXPECT_TRUE(settings.StockpileVisible());
    EXPECT_TRUE(settings.SymbolLibraryVisible());
    EXPECT_TRUE(settings.GapBarVisible());
    EXPECT_FALSE(settings.ModifyFieldFormExpanded());
    EXPECT_EQ(settings.ModifyFieldFormLastTab(), 0);
    EXPECT_TRUE(settings.AllowAllDocumentTypes());
    EXPECT_TRUE(settings.AllowAllDocumentStatii());
    EXPECT_EQ(settings.DocumentTypesCount(), 0);
    EXPECT_EQ(settings.DocumentTypeID(5), "0");
    EXPECT_EQ(settings.DocumentTypeDescription(5), "");
    EXPECT_EQ(settings.DocumentTypeExtension(5), "");
    EXPECT_EQ(settings.TransactionTimeOut(), 10000);
    EXPECT_EQ(settings.SymbolLibraryDefaultLibrary(), "Columns");
    EXPECT_EQ(settings.SymbolLibrarySymbolsPath(), "/opt/kv380\\Symbols");
    EXPECT_EQ(settings.DefaultBrokerPort(), -1);
    EXPECT_EQ(settings.LastLoginUserName(), "");
    EXPECT_EQ(settings.DefaultBrokerHost(), "");
    EXPECT_EQ(reporter->count(), 0u);
    // Reading wrote nothing.
    EXPECT_FALSE(reg.keyExists(HKEY_CURRENT_USER, "Software"));
}

// --- where each property is stored ---

using SettingsStorage = SettingsTest;

TEST_F(SettingsStorage, NumbersAreStoredAsDwordsUnderTheirKeys) {
    settings.setRefreshRate(5);
    settings.setStockpileHeight(2400);
    settings.setSymbolLibraryWidth(-3);
    settings.setSymbolLibrarySeparatorTop(99);
    settings.setModifyFieldFormLastTab(2);
    const struct {
        std::string key;
        const char* name;
        int32_t value;
    } expected[] = {{Stockpile, "RefreshRate", 5},
                    {Stockpile, "Height", 2400},
                    {SymbolLibrary, "Width", -3},
                    {SymbolLibrary, "Separator Top", 99},
                    {ModifyField, "LastTab", 2}};
    for (const auto& e : expected) {
        const auto value = reg.value(HKEY_CURRENT_USER, e.key, e.name);
        ASSERT_TRUE(value) << e.name;
        EXPECT_EQ(value->type, REG_DWORD) << e.name;
        const auto bits = static_cast<uint32_t>(e.value);
        EXPECT_EQ(value->data,
                  (std::vector<registry::BYTE>{registry::BYTE(bits), registry::BYTE(bits >> 8),
                                               registry::BYTE(bits >> 16), registry::BYTE(bits >> 24)}))
            << e.name;
    }
    EXPECT_EQ(settings.RefreshRate(), 5);
    EXPECT_EQ(settings.StockpileHeight(), 2400);
    EXPECT_EQ(settings.SymbolLibraryWidth(), -3);
    EXPECT_EQ(settings.SymbolLibrarySeparatorTop(), 99);
    EXPECT_EQ(settings.ModifyFieldFormLastTab(), 2);
}

TEST_F(SettingsStorage, BooleansAreStoredAsTrueOrFalseText) {
    settings.setStockpileVisible(false);
    settings.setSymbolLibraryVisible(true);
    settings.setGapBarVisible(false);
    settings.setModifyFieldFormExpanded(true);
    settings.setAllowAllDocumentTypes(false);
    settings.setAllowAllDocumentStatii(true);
    const struct {
        std::string key;
        const char* name;
        const char* text;
    } expected[] = {{Stockpile, "Visible", "False"},
                    {SymbolLibrary, "visible", "True"},
                    {Gapping, "Visible", "False"},
                    {ModifyField, "Expanded", "True"},
                    {DocumentManager, "AllowAllDocumentTypes", "False"},
                    {DocumentManager, "AllowAllDocumentStatii", "True"}};
    for (const auto& e : expected) {
        const auto value = reg.value(HKEY_CURRENT_USER, e.key, e.name);
        ASSERT_TRUE(value) << e.name;
        EXPECT_EQ(value->type, REG_SZ) << e.name;
        EXPECT_EQ(value->text(), e.text) << e.name;
    }
    EXPECT_FALSE(settings.StockpileVisible());
    EXPECT_TRUE(settings.SymbolLibraryVisible());
    EXPECT_FALSE(settings.GapBarVisible());
    EXPECT_TRUE(settings.ModifyFieldFormExpanded());
    EXPECT_FALSE(settings.AllowAllDocumentTypes());
    EXPECT_TRUE(settings.AllowAllDocumentStatii());
}

TEST_F(SettingsStorage, TextsAreStoredAsTheyAreAndReadTrimmed) {
    settings.setSymbolLibraryDefaultLibrary("  Valves ");
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, SymbolLibrary, "Default Library")->text(), "  Valves ");
    EXPECT_EQ(settings.SymbolLibraryDefaultLibrary(), "Valves");
    settings.setSymbolLibrarySymbolsPath("/srv/symbols\\");
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, SymbolLibrary, "Symbols Path")->text(), "/srv/symbols\\");
}

TEST_F(SettingsStorage, TwoSettingsObjectsSeeTheSameValuesAtOnce) {
    Settings other;
    settings.setRefreshRate(12);
    EXPECT_EQ(other.RefreshRate(), 12);
    other.setStockpileVisible(false);
    EXPECT_FALSE(settings.StockpileVisible());
}

TEST_F(SettingsStorage, ATimeoutIsNumericText) {
    reg.setText(HKEY_CURRENT_USER, Transactions, "Timeout", " 2500 ");
    EXPECT_EQ(settings.TransactionTimeOut(), 2500);
}

// --- Boolean texts ---

using SettingsBooleans = SettingsTest;

TEST_F(SettingsBooleans, DocumentFlagsAreTrueOnlyForTheWordTrueInAnyCase) {
    for (const char* text : {"true", "TRUE", "True", " tRuE "}) {
        reg.setText(HKEY_CURRENT_USER, DocumentManager, "AllowAllDocumentTypes", text);
        EXPECT_TRUE(settings.AllowAllDocumentTypes()) << text;
    }
    for (const char* text : {"1", "-1", "yes", ""}) {
        reg.setText(HKEY_CURRENT_USER, DocumentManager, "AllowAllDocumentTypes", text);
        EXPECT_FALSE(settings.AllowAllDocumentTypes()) << text;
    }
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SettingsBooleans, PanelFlagsAcceptWordsAndNumbers) {
    const struct {
        const char* text;
        bool expected;
    } cases[] = {{"0", false}, {"-1", true}, {"1", true}, {"FALSE", false}, {"true", true}};
    for (const auto& c : cases) {
        reg.setText(HKEY_CURRENT_USER, Stockpile, "Visible", c.text);
        EXPECT_EQ(settings.StockpileVisible(), c.expected) << c.text;
    }
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(SettingsBooleans, AnythingElseIsAReportedConversionErrorAndReadsFalse) {
    reg.setText(HKEY_CURRENT_USER, Stockpile, "Visible", "yes");
    EXPECT_FALSE(settings.StockpileVisible());
    ASSERT_EQ(reporter->count(), 1u);
    const auto& report = reporter->reports()[0];
    EXPECT_EQ(report.source, "projOpenDocument.Settings");
    EXPECT_EQ(report.number, 13);
    EXPECT_EQ(report.description, "Type mismatch");
    EXPECT_EQ(report.helpFile, "");
    EXPECT_EQ(report.helpContext, 0);
    EXPECT_EQ(report.procedure, "Get StockpileVisible");
    EXPECT_EQ(report.style, 48);
    EXPECT_EQ(report.reserved1, 0);
    EXPECT_EQ(report.reserved2, 0);

    reg.setText(HKEY_CURRENT_USER, SymbolLibrary, "visible", "maybe");
    reg.setText(HKEY_CURRENT_USER, Gapping, "Visible", "on");
    reg.setText(HKEY_CURRENT_USER, ModifyField, "Expanded", "x");
    reg.setText(HKEY_CURRENT_USER, Transactions, "Timeout", "soon");
    EXPECT_FALSE(settings.SymbolLibraryVisible());
    EXPECT_FALSE(settings.GapBarVisible());
    EXPECT_FALSE(settings.ModifyFieldFormExpanded());
    EXPECT_EQ(settings.TransactionTimeOut(), 0);
    EXPECT_EQ(
        reporter->procedures(),
        (std::vector<std::string>{"Get StockpileVisible", "Get SymbolLibraryVisible", "Get GapBarVisible",
                                  "Get ModifyFieldFormExpanded", "Get TransactionTimeOut"}));
}

TEST_F(SettingsBooleans, AFailingReportReachesTheCaller) {
    reg.setText(HKEY_CURRENT_USER, Stockpile, "Visible", "yes");
    reporter->failWith(AutomationError(70, "Reporter", "cannot report"));
    EXPECT_THROW(settings.StockpileVisible(), AutomationError);
}

// --- the document-type list ---

using DocumentTypes = SettingsTest;

TEST_F(DocumentTypes, AddingNumbersEntriesFromOneAndWritesTheCountLast) {
    settings.AddDocumentType("A", "Alpha", "a");
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, DocumentManager, "DocumentTypeID1")->text(), "A");
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, DocumentManager, "DocumentTypeDescription1")->text(), "Alpha");
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, DocumentManager, "DocumentTypeExtension1")->text(), "a");
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, DocumentManager, "DocumentTypesCount")->type, REG_DWORD);
    EXPECT_EQ(settings.DocumentTypesCount(), 1);

    reg.recordCalls();
    settings.AddDocumentType("B", " Beta ", "b");
    std::vector<std::string> written;
    for (const auto& call : reg.calls()) {
        if (std::string(call.entryPoint) == "RegSetValueExA") {
            written.push_back(call.name);
        }
    }
    EXPECT_EQ(written, (std::vector<std::string>{"DocumentTypeID2", "DocumentTypeDescription2",
                                                 "DocumentTypeExtension2", "DocumentTypesCount"}));
    EXPECT_EQ(settings.DocumentTypesCount(), 2);
    EXPECT_EQ(settings.DocumentTypeID(2), "B");
    EXPECT_EQ(settings.DocumentTypeDescription(2), "Beta");
    EXPECT_EQ(settings.DocumentTypeExtension(1), "a");
}

TEST_F(DocumentTypes, AFullListIsAReportedOverflowAndNothingIsWritten) {
    reg.setLong(HKEY_CURRENT_USER, DocumentManager, "DocumentTypesCount", INT32_MAX);
    settings.AddDocumentType("A", "Alpha", "a");
    ASSERT_EQ(reporter->count(), 1u);
    EXPECT_EQ(reporter->reports()[0].procedure, "AddDocumentType");
    EXPECT_EQ(reporter->reports()[0].number, 6);
    EXPECT_FALSE(reg.value(HKEY_CURRENT_USER, DocumentManager, "DocumentTypeID-2147483648"));
}

// --- login and broker ---

using ProductKeySettings = SettingsTest;

TEST_F(ProductKeySettings, TheUserNameComesFromTheMachineOnlyWhenTheUserHasNoProductKey) {
    reg.setText(HKEY_LOCAL_MACHINE, ProductKey, "User", "machine");
    EXPECT_EQ(settings.LastLoginUserName(), "machine");
    reg.setText(HKEY_CURRENT_USER, ProductKey, "BrokerHost", "h");
    EXPECT_EQ(settings.LastLoginUserName(), "");
    reg.setText(HKEY_CURRENT_USER, ProductKey, "User", "  ann  ");
    EXPECT_EQ(settings.LastLoginUserName(), "  ann  ");
}

TEST_F(ProductKeySettings, TheUserNameIsWrittenForTheUser) {
    settings.setLastLoginUserName("bob");
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, ProductKey, "User")->text(), "bob");
    EXPECT_FALSE(reg.keyExists(HKEY_LOCAL_MACHINE, ProductKey));
}

TEST_F(ProductKeySettings, TheBrokerHostFallsBackToTheMachineWhenTheUserHasNone) {
    reg.setText(HKEY_LOCAL_MACHINE, ProductKey, "BrokerHost", "machine-host");
    EXPECT_EQ(settings.DefaultBrokerHost(), "machine-host");
    reg.setText(HKEY_CURRENT_USER, ProductKey, "User", "ann");
    EXPECT_EQ(settings.DefaultBrokerHost(), "machine-host");
    reg.setText(HKEY_CURRENT_USER, ProductKey, "BrokerHost", " user-host ");
    EXPECT_EQ(settings.DefaultBrokerHost(), " user-host ");
}

TEST_F(ProductKeySettings, TheBrokerPortIsTheFirstNumericTextUserThenMachine) {
    reg.setText(HKEY_CURRENT_USER, ProductKey, "BrokerPort", "eighty");
    reg.setText(HKEY_LOCAL_MACHINE, ProductKey, "BrokerPort", "8080");
    EXPECT_EQ(settings.DefaultBrokerPort(), 8080);
    reg.setText(HKEY_CURRENT_USER, ProductKey, "BrokerPort", " 81 ");
    EXPECT_EQ(settings.DefaultBrokerPort(), 81);
    reg.setText(HKEY_CURRENT_USER, ProductKey, "BrokerPort", "x");
    reg.setText(HKEY_LOCAL_MACHINE, ProductKey, "BrokerPort", "y");
    EXPECT_EQ(settings.DefaultBrokerPort(), -1);
    EXPECT_EQ(reporter->count(), 0u);
}

TEST_F(ProductKeySettings, BrokerSettersStoreNothingAndReportNotImplemented) {
    settings.setDefaultBrokerHost("host");
    settings.setDefaultBrokerPort(8080);
    EXPECT_FALSE(reg.keyExists(HKEY_CURRENT_USER, "SOFTWARE"));
    EXPECT_FALSE(reg.keyExists(HKEY_LOCAL_MACHINE, "SOFTWARE"));
    ASSERT_EQ(reporter->count(), 2u);
    const char* procedures[] = {"Property Let DefaultBrokerHost", "Property Let DefaultBrokerPort"};
    for (int i = 0; i < 2; ++i) {
        const auto& report = reporter->reports()[i];
        EXPECT_EQ(report.source, "KVSettings");
        EXPECT_EQ(report.description, "Not Implemented");
        EXPECT_EQ(report.helpFile, "");
        EXPECT_EQ(report.helpContext, 0);
        EXPECT_EQ(report.number, 0);
        EXPECT_EQ(report.procedure, procedures[i]);
        EXPECT_EQ(report.style, 48);
        EXPECT_EQ(report.reserved1, 0);
        EXPECT_EQ(report.reserved2, 0);
    }
}

TEST_F(ProductKeySettings, ErrorsOfTheProductKeyGetsReachTheCaller) {
    reg.setText(HKEY_CURRENT_USER, ProductKey, "BrokerPort", "99999999999");
    EXPECT_THROW(settings.DefaultBrokerPort(), AutomationError);
    EXPECT_EQ(reporter->count(), 0u);
}

// --- the symbols path ---

struct SymbolsPath : SettingsTest {
    SymbolsPath() {
        symbols = reg.folder() + "/symbols";
        std::filesystem::create_directories(symbols + "/Blocks");
        std::ofstream(symbols + "/Blocks/pump.sym") << "pump";
        std::filesystem::create_directories(symbols + "/OnlyFolders/Sub");
        std::filesystem::create_directories(symbols + "/OnlyHidden");
        std::ofstream(symbols + "/OnlyHidden/.hidden") << "x";
    }
    std::string readWith(const std::string& stored) {
        reg.setText(HKEY_CURRENT_USER, SymbolLibrary, "Symbols Path", stored);
        return settings.SymbolLibrarySymbolsPath();
    }
    std::string symbols;
    const std::string fallback = "/opt/kv380\\Symbols";
};

TEST_F(SymbolsPath, AStoredFolderWithFilesOrAStoredFileIsKept) {
    EXPECT_EQ(readWith(symbols + "\\Blocks\\"), symbols + "\\Blocks\\");
    EXPECT_EQ(readWith(symbols + "/Blocks/"), symbols + "/Blocks/");
    EXPECT_EQ(readWith(symbols + "\\Blocks\\pump.sym"), symbols + "\\Blocks\\pump.sym");
    EXPECT_EQ(readWith("  " + symbols + "\\Blocks\\  "), symbols + "\\Blocks\\");
}

TEST_F(SymbolsPath, AnythingElseGivesTheControlsOwnSymbolsFolder) {
    EXPECT_EQ(readWith(symbols + "\\Missing\\"), fallback);
    EXPECT_EQ(readWith(symbols + "\\Blocks"), fallback); // a folder named without its separator
    EXPECT_EQ(readWith(symbols + "\\OnlyFolders\\"), fallback);
    EXPECT_EQ(readWith(symbols + "\\OnlyHidden\\"), fallback);
    EXPECT_EQ(readWith(""), fallback);
    EXPECT_EQ(readWith("   "), fallback);
    EXPECT_EQ(reporter->count(), 0u);
}

TEST(ControlFolder, IsTheFolderOfTheProgramWhenTheControlIsLinkedIntoIt) {
    char exe[4096];
    const ssize_t length = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    ASSERT_GT(length, 0);
    const std::string program(exe, static_cast<std::size_t>(length));
    EXPECT_EQ(ControlFolder(), program.substr(0, program.find_last_of('/')));
}

// --- failures inside the primitives ---

using SettingsFailures = SettingsTest;

TEST_F(SettingsFailures, AFailedWriteIsNoErrorAndAFailedPrimitiveReportsUnderItsOwnName) {
    reg.setText(HKEY_CURRENT_USER, Stockpile, "RefreshRate", "a long text");
    settings.setRefreshRate(5); // refused (234): the text stays, nothing is reported
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, Stockpile, "RefreshRate")->text(), "a long text");
    EXPECT_EQ(settings.RefreshRate(), 0); // not a number: the default
    EXPECT_FALSE(settings.SaveKVSettingLong(HKEY_CURRENT_USER, Stockpile, "RefreshRate", 5));
    EXPECT_EQ(reporter->count(), 0u);

    reg.recordCalls([](const registry::RegistryCall& call) -> registry::LONG {
        if (std::string(call.entryPoint) == "RegSetValueExA") {
            throw AutomationError(7, "Registry", "Out of memory", "reg.hlp", 3);
        }
        return 0;
    });
    settings.setStockpileHeight(300);
    ASSERT_EQ(reporter->count(), 1u);
    const auto& report = reporter->reports()[0];
    EXPECT_EQ(report.source, "projOpenDocument.Settings");
    EXPECT_EQ(report.procedure, "SaveKVSettingLong");
    EXPECT_EQ(report.number, 7);
    EXPECT_EQ(report.description, "Out of memory");
    EXPECT_EQ(report.helpFile, "reg.hlp");
    EXPECT_EQ(report.helpContext, 3);
    reg.recordCalls();
    EXPECT_EQ(settings.StockpileHeight(), 150);
}

} // namespace
} // namespace kv380
