#pragma once

#include "platform/AutomationError.h"
#include "platform/registry/RegistryApi.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kv380 {

// The preferences of the drawing application's sketch environment (module KVSettings): typed properties over
// the current user's registry branch, each one named value under a fixed key with a fixed default. Nothing
// is cached: every Get reads the registry and every Let writes it at once, so two Settings objects always
// agree. Errors are reported through the common error report and the procedure ends normally; Gets then
// return their type's empty value (false, 0, ""), not the default.
class Settings {
public:
    using HKEY = registry::HKEY;

    // Document manager: the document-type list (numbered 1 to DocumentTypesCount) and two flags.
    bool AllowAllDocumentTypes();
    void setAllowAllDocumentTypes(bool value);
    bool AllowAllDocumentStatii();
    void setAllowAllDocumentStatii(bool value);
    int32_t DocumentTypesCount();
    std::string DocumentTypeID(int16_t intIndex);
    std::string DocumentTypeDescription(int16_t intIndex);
    std::string DocumentTypeExtension(int16_t intIndex);
    // Appends an entry: its three texts under the next number, then the new count.
    void AddDocumentType(std::string strDocTypeID, std::string strDocTypeDesc,
                         std::string strDocTypeExtension);

    // The stockpile panel.
    int32_t RefreshRate();
    void setRefreshRate(int32_t value);
    bool StockpileVisible();
    void setStockpileVisible(bool value);
    int32_t StockpileHeight();
    void setStockpileHeight(int32_t value);

    // The symbol library panel.
    int32_t SymbolLibraryWidth();
    void setSymbolLibraryWidth(int32_t value);
    int32_t SymbolLibrarySeparatorTop();
    void setSymbolLibrarySeparatorTop(int32_t value);
    bool SymbolLibraryVisible();
    void setSymbolLibraryVisible(bool value);
    std::string SymbolLibraryDefaultLibrary();
    void setSymbolLibraryDefaultLibrary(const std::string& value);
    // The stored path when it names an existing file or a folder (ending in a separator) with a file in it;
    // otherwise the control's own folder followed by "\Symbols".
    std::string SymbolLibrarySymbolsPath();
    void setSymbolLibrarySymbolsPath(const std::string& value);

    // The gap bar, transactions and the modify-field form.
    bool GapBarVisible();
    void setGapBarVisible(bool value);
    int32_t TransactionTimeOut();
    int32_t ModifyFieldFormLastTab();
    void setModifyFieldFormLastTab(int32_t value);
    bool ModifyFieldFormExpanded();
    void setModifyFieldFormExpanded(bool value);

    // Login and broker, under the product key: the user's first, the machine's second. These Gets report
    // nothing; their errors reach the caller.
    std::string LastLoginUserName();
    void setLastLoginUserName(const std::string& value);
    std::string DefaultBrokerHost();
    // Stores nothing: one "Not Implemented" report.
    void setDefaultBrokerHost(const std::string& value);
    int32_t DefaultBrokerPort();
    // Stores nothing: one "Not Implemented" report.
    void setDefaultBrokerPort(int32_t value);

    // The storage primitives every property is one call of. The Saves answer whether the registry took the
    // value; the Gets answer the stored value, or the default when there is none.
    bool SaveKVSettingLong(HKEY hKeyRoot, const std::string& strKey, const std::string& strValueName,
                           int32_t lValue);
    bool SaveKVSettingString(HKEY hKeyRoot, const std::string& strKey, const std::string& strValueName,
                             const std::string& strValue);
    int32_t GetKVSettingLong(HKEY hKeyRoot, const std::string& strKey, const std::string& strValueName,
                             int32_t& lDefault);
    // The stored text with leading and trailing spaces removed; the default as it is.
    std::string GetKVSettingString(HKEY hKeyRoot, const std::string& strKey, const std::string& strValueName,
                                   std::string& strDefault);

private:
    std::string ProductSettingsKey();
    bool PathExists(const std::string& strPath);
    // The class's route to the common error report: source "projOpenDocument.Settings".
    void ReportError(const AutomationError& error, std::string_view procedure);
    // Runs a procedure's body, reporting what it throws with the procedure's context text.
    template <class Body> void trapped(std::string_view procedure, Body&& body);

    // One property Get or Let under HKEY_CURRENT_USER, trapped with its context text.
    int32_t longSetting(const std::string& key, const char* name, int32_t defaultValue,
                        std::string_view procedure);
    void saveLong(const std::string& key, const char* name, int32_t value, std::string_view procedure);
    std::string textSetting(const std::string& key, const std::string& name, const char* defaultText,
                            std::string_view procedure);
    void saveText(const std::string& key, const char* name, const std::string& value,
                  std::string_view procedure);
    // A Boolean stored as text, read with the Boolean text conversion; written as "True" or "False".
    bool booleanSetting(const std::string& key, const char* name, const char* defaultText,
                        std::string_view procedure);
    void saveBoolean(const std::string& key, const char* name, bool value, std::string_view procedure);
};

} // namespace kv380
