#include "settings/Settings.h"

#include "host/ErrorReporter.h"
#include "host/Guarded.h"
#include "platform/convert/Checked.h"
#include "platform/convert/Convert.h"
#include "platform/fs/FileListing.h"
#include "settings/ControlFolder.h"
#include "settings/RegistryTools.h"

#include <exception>

namespace kv380 {

using namespace RegistryTools;
using registry::HKEY_CURRENT_USER;
using registry::HKEY_LOCAL_MACHINE;
using registry::KEY_READ;

namespace {

const std::string ApplicationKey = "Software\\Tessivar\\Applications\\Kestrova380PFD.Application";
const std::string DocumentManagerKey = ApplicationKey + "\\Environments\\Sketch\\DocumentManager";
const std::string StockpileKey = ApplicationKey + "\\Environments\\Sketch\\Stockpile";
const std::string SymbolLibraryKey = ApplicationKey + "\\Environments\\Sketch\\Symbol Library";
const std::string GappingKey = ApplicationKey + "\\Environments\\Sketch\\Gapping";
const std::string TransactionsKey = ApplicationKey + "\\Environments\\Sketch\\Transactions";
const std::string ModifyFieldKey = ApplicationKey + "\\Environments\\Sketch\\Forms\\ModifyField";

std::string upperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

void reportNotImplemented(const char* procedure) {
    sharedErrorReporter().Report("KVSettings", "Not Implemented", "", 0, 0, procedure,
                                 ErrorReporter::ExclamationStyle, 0, 0);
}

} // namespace

void Settings::ReportError(const AutomationError& error, std::string_view procedure) {
    reportError(error, procedure, std::string("projOpenDocument.") + "Settings");
}

template <class Body> void Settings::trapped(std::string_view procedure, Body&& body) {
    // A failing report is not caught here: it reaches the caller.
    try {
        body();
    } catch (const AutomationError& e) {
        ReportError(e, procedure);
    } catch (const std::exception& e) {
        ReportError(toAutomationError(e), procedure);
    }
}

// --- the document manager ---

bool Settings::AllowAllDocumentTypes() {
    bool result = false;
    trapped("Get AllowAllDocumentTypes", [&] {
        std::string fallback = "True";
        result = upperCase(GetKVSettingString(HKEY_CURRENT_USER, DocumentManagerKey, "AllowAllDocumentTypes",
                                              fallback)) == "TRUE";
    });
    return result;
}

void Settings::setAllowAllDocumentTypes(bool value) {
    saveBoolean(DocumentManagerKey, "AllowAllDocumentTypes", value, "Let AllowAllDocumentTypes");
}

bool Settings::AllowAllDocumentStatii() {
    bool result = false;
    trapped("Get AllowAllDocumentStatii", [&] {
        std::string fallback = "True";
        result = upperCase(GetKVSettingString(HKEY_CURRENT_USER, DocumentManagerKey, "AllowAllDocumentStatii",
                                              fallback)) == "TRUE";
    });
    return result;
}

void Settings::setAllowAllDocumentStatii(bool value) {
    saveBoolean(DocumentManagerKey, "AllowAllDocumentStatii", value, "Let AllowAllDocumentStatii");
}

int32_t Settings::DocumentTypesCount() {
    return longSetting(DocumentManagerKey, "DocumentTypesCount", 0, "DocumentTypesCount");
}

std::string Settings::DocumentTypeID(int16_t intIndex) {
    return textSetting(DocumentManagerKey, "DocumentTypeID" + std::to_string(intIndex), "0",
                       "Get DocumentTypeID");
}

std::string Settings::DocumentTypeDescription(int16_t intIndex) {
    return textSetting(DocumentManagerKey, "DocumentTypeDescription" + std::to_string(intIndex), "",
                       "Get DocumentTypeDescription");
}

std::string Settings::DocumentTypeExtension(int16_t intIndex) {
    return textSetting(DocumentManagerKey, "DocumentTypeExtension" + std::to_string(intIndex), "",
                       "Get DocumentTypeExtension");
}

void Settings::AddDocumentType(std::string strDocTypeID, std::string strDocTypeDesc,
                               std::string strDocTypeExtension) {
    trapped("AddDocumentType", [&] {
        const int32_t next = checked::add(DocumentTypesCount(), 1);
        const std::string index = std::to_string(next);
        SaveKVSettingString(HKEY_CURRENT_USER, DocumentManagerKey, "DocumentTypeID" + index, strDocTypeID);
        SaveKVSettingString(HKEY_CURRENT_USER, DocumentManagerKey, "DocumentTypeDescription" + index,
                            strDocTypeDesc);
        SaveKVSettingString(HKEY_CURRENT_USER, DocumentManagerKey, "DocumentTypeExtension" + index,
                            strDocTypeExtension);
        // The count last, so a reader never sees a number whose entry is not there yet.
        SaveKVSettingLong(HKEY_CURRENT_USER, DocumentManagerKey, "DocumentTypesCount", next);
    });
}

// --- the stockpile panel ---

int32_t Settings::RefreshRate() {
    return longSetting(StockpileKey, "RefreshRate", 0, "Get RefreshRate");
}
void Settings::setRefreshRate(int32_t value) {
    saveLong(StockpileKey, "RefreshRate", value, "Let RefreshRate");
}

bool Settings::StockpileVisible() {
    return booleanSetting(StockpileKey, "Visible", "true", "Get StockpileVisible");
}
void Settings::setStockpileVisible(bool value) {
    saveBoolean(StockpileKey, "Visible", value, "Let StockpileVisible");
}

int32_t Settings::StockpileHeight() {
    return longSetting(StockpileKey, "Height", 150, "Get StockpileHeight");
}
void Settings::setStockpileHeight(int32_t value) {
    saveLong(StockpileKey, "Height", value, "Let StockpileHeight");
}

// --- the symbol library panel ---

int32_t Settings::SymbolLibraryWidth() {
    return longSetting(SymbolLibraryKey, "Width", 170, "Get SymbolLibraryWidth");
}
void Settings::setSymbolLibraryWidth(int32_t value) {
    saveLong(SymbolLibraryKey, "Width", value, "Let SymbolLibraryWidth");
}

int32_t Settings::SymbolLibrarySeparatorTop() {
    return longSetting(SymbolLibraryKey, "Separator Top", 0, "Get SymbolLibrarySeparatorTop");
}
void Settings::setSymbolLibrarySeparatorTop(int32_t value) {
    saveLong(SymbolLibraryKey, "Separator Top", value, "Let SymbolLibrarySeparatorTop");
}

bool Settings::SymbolLibraryVisible() {
    return booleanSetting(SymbolLibraryKey, "visible", "true", "Get SymbolLibraryVisible");
}
void Settings::setSymbolLibraryVisible(bool value) {
    saveBoolean(SymbolLibraryKey, "visible", value, "Let SymbolLibraryVisible");
}

std::string Settings::SymbolLibraryDefaultLibrary() {
    return textSetting(SymbolLibraryKey, "Default Library", "Columns", "Get SymbolLibraryDefaultLibrary");
}
void Settings::setSymbolLibraryDefaultLibrary(const std::string& value) {
    saveText(SymbolLibraryKey, "Default Library", value, "Let SymbolLibraryDefaultLibrary");
}

std::string Settings::SymbolLibrarySymbolsPath() {
    std::string result;
    trapped("Get SymbolLibrarySymbolsPath", [&] {
        std::string fallback = ControlFolder() + "\\Symbols";
        const std::string stored =
            GetKVSettingString(HKEY_CURRENT_USER, SymbolLibraryKey, "Symbols Path", fallback);
        result = !stored.empty() && PathExists(stored) ? stored : fallback;
    });
    return result;
}
void Settings::setSymbolLibrarySymbolsPath(const std::string& value) {
    saveText(SymbolLibraryKey, "Symbols Path", value, "Let SymbolLibrarySymbolsPath");
}

// --- the gap bar, transactions and the modify-field form ---

bool Settings::GapBarVisible() {
    return booleanSetting(GappingKey, "Visible", "true", "Get GapBarVisible");
}
void Settings::setGapBarVisible(bool value) {
    saveBoolean(GappingKey, "Visible", value, "Let GapBarVisible");
}

int32_t Settings::TransactionTimeOut() {
    int32_t result = 0;
    trapped("Get TransactionTimeOut", [&] {
        std::string fallback = "10000";
        result = convert::toLong(GetKVSettingString(HKEY_CURRENT_USER, TransactionsKey, "Timeout", fallback));
    });
    return result;
}

int32_t Settings::ModifyFieldFormLastTab() {
    return longSetting(ModifyFieldKey, "LastTab", 0, "Get ModifyFieldFormLastTab");
}
void Settings::setModifyFieldFormLastTab(int32_t value) {
    saveLong(ModifyFieldKey, "LastTab", value, "Let ModifyFieldLastTab");
}

bool Settings::ModifyFieldFormExpanded() {
    return booleanSetting(ModifyFieldKey, "Expanded", "False", "Get ModifyFieldFormExpanded");
}
void Settings::setModifyFieldFormExpanded(bool value) {
    saveBoolean(ModifyFieldKey, "Expanded", value, "Let ModifyFieldExpanded");
}

// --- login and broker: the product key, the user's before the machine's ---

std::string Settings::ProductSettingsKey() {
    return std::string("SOFTWARE\\Velmarck\\Corvane") + "\\" + "38.0";
}

std::string Settings::LastLoginUserName() {
    HKEY key = OpenRegKey(HKEY_CURRENT_USER, ProductSettingsKey(), 0, KEY_READ);
    // The machine's name is consulted only when the user has no product key at all.
    if (key == InvalidKey) {
        key = OpenRegKey(HKEY_LOCAL_MACHINE, ProductSettingsKey(), 0, KEY_READ);
    }
    if (key == InvalidKey) {
        return {};
    }
    std::string text;
    QueryRegStringValue(key, "", text, "User");
    CloseRegKey(key);
    return text;
}

void Settings::setLastLoginUserName(const std::string& value) {
    trapped("Let LastLoginUserName",
            [&] { SaveKVSettingString(HKEY_CURRENT_USER, ProductSettingsKey(), "User", value); });
}

std::string Settings::DefaultBrokerHost() {
    std::string text;
    if (HKEY key = OpenRegKey(HKEY_CURRENT_USER, ProductSettingsKey(), 0, KEY_READ); key != InvalidKey) {
        const bool read = QueryRegStringValue(key, "", text, "BrokerHost");
        CloseRegKey(key);
        if (read) {
            return text;
        }
    }
    if (HKEY key = OpenRegKey(HKEY_LOCAL_MACHINE, ProductSettingsKey(), 0, KEY_READ); key != InvalidKey) {
        QueryRegStringValue(key, "", text, "BrokerHost");
        CloseRegKey(key);
    }
    return text;
}

void Settings::setDefaultBrokerHost(const std::string&) {
    reportNotImplemented("Property Let DefaultBrokerHost");
}

int32_t Settings::DefaultBrokerPort() {
    std::string text;
    if (QueryRegStringValue(HKEY_CURRENT_USER, ProductSettingsKey(), text, "BrokerPort") &&
        convert::isNumeric(text)) {
        return convert::toLong(text);
    }
    bool read = false;
    if (HKEY key = OpenRegKey(HKEY_LOCAL_MACHINE, ProductSettingsKey(), 0, KEY_READ); key != InvalidKey) {
        read = QueryRegStringValue(key, "", text, "BrokerPort");
        CloseRegKey(key);
    }
    return read && convert::isNumeric(text) ? convert::toLong(text) : -1;
}

void Settings::setDefaultBrokerPort(int32_t) {
    reportNotImplemented("Property Let DefaultBrokerPort");
}

// --- the storage primitives ---

bool Settings::SaveKVSettingLong(HKEY hKeyRoot, const std::string& strKey, const std::string& strValueName,
                                 int32_t lValue) {
    bool result = false;
    trapped("SaveKVSettingLong",
            [&] { result = SetRegLongValue(hKeyRoot, strKey, strValueName, lValue) == 0; });
    return result;
}

bool Settings::SaveKVSettingString(HKEY hKeyRoot, const std::string& strKey, const std::string& strValueName,
                                   const std::string& strValue) {
    bool result = false;
    trapped("SaveKVSettingString",
            [&] { result = SetRegStringValue(hKeyRoot, strKey, strValueName, strValue) == 0; });
    return result;
}

int32_t Settings::GetKVSettingLong(HKEY hKeyRoot, const std::string& strKey, const std::string& strValueName,
                                   int32_t& lDefault) {
    int32_t result = 0;
    trapped("GetKVSettingLong", [&] {
        HKEY root = hKeyRoot;
        std::string key = strKey;
        std::string name = strValueName;
        int32_t value = 0;
        result = GetRegLongValue(root, key, value, name) ? value : lDefault;
    });
    return result;
}

std::string Settings::GetKVSettingString(HKEY hKeyRoot, const std::string& strKey,
                                         const std::string& strValueName, std::string& strDefault) {
    std::string result;
    trapped("GetKVSettingString", [&] {
        std::string value;
        result = QueryRegStringValue(hKeyRoot, strKey, value, strValueName) ? convert::trimSpaces(value)
                                                                            : strDefault;
    });
    return result;
}

// --- helpers ---

bool Settings::PathExists(const std::string& strPath) {
    try {
        // The path read as a listing pattern of plain files: its last part is the pattern (a trailing
        // separator lists the folder), so a folder named without one does not match.
        const auto split = strPath.find_last_of("\\/");
        std::string folder = ".";
        std::string pattern = strPath;
        if (split != std::string::npos) {
            folder = split == 0 ? strPath.substr(0, 1) : strPath.substr(0, split);
            pattern = strPath.substr(split + 1);
        }
        if (pattern.empty()) {
            pattern = "*";
        }
        return !fs::listFiles(folder, pattern, fs::MatchCase::Exact).empty();
    } catch (const std::exception&) {
        return false;
    }
}

int32_t Settings::longSetting(const std::string& key, const char* name, int32_t defaultValue,
                              std::string_view procedure) {
    int32_t result = 0;
    trapped(procedure, [&] { result = GetKVSettingLong(HKEY_CURRENT_USER, key, name, defaultValue); });
    return result;
}

void Settings::saveLong(const std::string& key, const char* name, int32_t value, std::string_view procedure) {
    trapped(procedure, [&] { SaveKVSettingLong(HKEY_CURRENT_USER, key, name, value); });
}

std::string Settings::textSetting(const std::string& key, const std::string& name, const char* defaultText,
                                  std::string_view procedure) {
    std::string result;
    trapped(procedure, [&] {
        std::string fallback = defaultText;
        result = GetKVSettingString(HKEY_CURRENT_USER, key, name, fallback);
    });
    return result;
}

void Settings::saveText(const std::string& key, const char* name, const std::string& value,
                        std::string_view procedure) {
    trapped(procedure, [&] { SaveKVSettingString(HKEY_CURRENT_USER, key, name, value); });
}

bool Settings::booleanSetting(const std::string& key, const char* name, const char* defaultText,
                              std::string_view procedure) {
    bool result = false;
    trapped(procedure, [&] {
        std::string fallback = defaultText;
        result = convert::toBoolean(GetKVSettingString(HKEY_CURRENT_USER, key, name, fallback));
    });
    return result;
}

void Settings::saveBoolean(const std::string& key, const char* name, bool value, std::string_view procedure) {
    trapped(procedure,
            [&] { SaveKVSettingString(HKEY_CURRENT_USER, key, name, convert::booleanText(value)); });
}

} // namespace kv380
