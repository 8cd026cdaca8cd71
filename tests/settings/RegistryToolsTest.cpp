#include "settings/RegistryTools.h"
#include "support/TempRegistry.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace kv380 {
namespace {

using namespace RegistryTools;
using registry::HKEY_CURRENT_USER;
using registry::HKEY_LOCAL_MACHINE;
using registry::RegistryCall;
using test::TempRegistry;

const std::string Key = "Software\\Vendor\\App";

// The entry points called, in order.
std::vector<std::string> entryPoints(const std::vector<RegistryCall>& calls) {
    std::vector<std::string> names;
    for (const auto& call : calls) {
        names.push_back(call.entryPoint);
    }
    return names;
}

// --- reading numbers ---

TEST(RegistryToolsLongs, AStoredNumberIsRead) {
    TempRegistry reg;
    reg.setLong(HKEY_CURRENT_USER, Key, "Height", -150);
    HKEY root = HKEY_CURRENT_USER;
    std::string key = Key;
    std::string name = "height";
    int32_t value = 0;
    EXPECT_TRUE(GetRegLongValue(root, key, value, name));
    EXPECT_EQ(value, -150);
}

TEST(RegistryToolsLongs, AMissingKeyOrValueIsFalseAndLeavesTheCallersValueAlone) {
    TempRegistry reg;
    reg.setLong(HKEY_CURRENT_USER, Key, "Height", 1);
    HKEY root = HKEY_CURRENT_USER;
    std::string missingKey = Key + "\\Nowhere";
    std::string name = "Height";
    int32_t value = 42;
    EXPECT_FALSE(GetRegLongValue(root, missingKey, value, name));
    EXPECT_EQ(value, 42);
    std::string key = Key;
    std::string missingName = "Width";
    EXPECT_FALSE(GetRegLongValue(root, key, value, missingName));
    EXPECT_EQ(value, 42);
}

TEST(RegistryToolsLongs, ANumberStoredAsTextIsNoNumberAndNothingIsWrittenPastFourBytes) {
    TempRegistry reg;
    reg.setText(HKEY_CURRENT_USER, Key, "Long", "1234567890");
    reg.setText(HKEY_CURRENT_USER, Key, "Short", "12");
    HKEY root = HKEY_CURRENT_USER;
    std::string key = Key;
    for (std::string name : {"Long", "Short"}) {
        int32_t value = 42;
        EXPECT_FALSE(GetRegLongValue(root, key, value, name)) << name;
        EXPECT_EQ(value, 42) << name;
    }
}

TEST(RegistryToolsLongs, AQueryOnNoKeyIsFalseWithoutCallingTheRegistry) {
    TempRegistry reg;
    reg.recordCalls();
    int32_t value = 42;
    EXPECT_FALSE(QueryRegLongValue(InvalidKey, "Height", value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(reg.calls().empty());
}

TEST(RegistryToolsLongs, TheReaderOpensForQueryReadsFourBytesAndClosesTheKey) {
    TempRegistry reg;
    reg.setLong(HKEY_CURRENT_USER, Key, "Height", 1);
    reg.recordCalls();
    HKEY root = HKEY_CURRENT_USER;
    std::string key = Key;
    std::string name = "Height";
    int32_t value = 0;
    GetRegLongValue(root, key, value, name);
    ASSERT_EQ(entryPoints(reg.calls()),
              (std::vector<std::string>{"RegOpenKeyExA", "RegQueryValueExA", "RegCloseKey"}));
    EXPECT_EQ(reg.calls()[0].key, HKEY_CURRENT_USER);
    EXPECT_EQ(reg.calls()[0].name, Key);
    EXPECT_EQ(reg.calls()[0].access, registry::KEY_QUERY_VALUE);
    EXPECT_EQ(reg.calls()[1].size, 4u);
}

// --- reading text ---

TEST(RegistryToolsStrings, TwoHundredFiftyFourCharactersAreReadWholeAndOneMoreIsNot) {
    TempRegistry reg;
    const std::string fits(254, 'x');
    reg.setText(HKEY_CURRENT_USER, Key, "Fits", fits);
    reg.setText(HKEY_CURRENT_USER, Key, "TooLong", fits + "y");
    std::string text = "before";
    EXPECT_TRUE(QueryRegStringValue(HKEY_CURRENT_USER, Key, text, "Fits"));
    EXPECT_EQ(text, fits);
    text = "before";
    EXPECT_FALSE(QueryRegStringValue(HKEY_CURRENT_USER, Key, text, "TooLong"));
    EXPECT_EQ(text, "");
}

TEST(RegistryToolsStrings, AnEmptyTextIsReadButAValueWithNoDataIsNot) {
    TempRegistry reg;
    reg.setText(HKEY_CURRENT_USER, Key, "Empty", "");
    reg.setRaw(HKEY_CURRENT_USER, Key, "NoData", registry::REG_SZ, {});
    std::string text = "before";
    EXPECT_TRUE(QueryRegStringValue(HKEY_CURRENT_USER, Key, text, "Empty"));
    EXPECT_EQ(text, "");
    text = "before";
    EXPECT_FALSE(QueryRegStringValue(HKEY_CURRENT_USER, Key, text, "NoData"));
    EXPECT_EQ(text, "");
}

TEST(RegistryToolsStrings, AMissingValueEmptiesTheTextButAMissingKeyLeavesIt) {
    TempRegistry reg;
    reg.setText(HKEY_CURRENT_USER, Key, "Name", "x");
    std::string text = "before";
    EXPECT_FALSE(QueryRegStringValue(HKEY_CURRENT_USER, Key, text, "Other"));
    EXPECT_EQ(text, "");
    text = "before";
    EXPECT_FALSE(QueryRegStringValue(HKEY_CURRENT_USER, Key + "\\Nowhere", text, "Name"));
    EXPECT_EQ(text, "before");
}

TEST(RegistryToolsStrings, AnEmptySubKeyReadsFromTheGivenKeyItself) {
    TempRegistry reg;
    reg.setText(HKEY_LOCAL_MACHINE, Key, "Name", "machine");
    const HKEY key = OpenRegKey(HKEY_LOCAL_MACHINE, Key, 0, registry::KEY_READ);
    ASSERT_NE(key, InvalidKey);
    reg.recordCalls();
    std::string text;
    EXPECT_TRUE(QueryRegStringValue(key, "", text, "Name"));
    EXPECT_EQ(text, "machine");
    // A second handle, opened for query, read with the 255-byte buffer and closed; the caller's stays open.
    ASSERT_EQ(entryPoints(reg.calls()),
              (std::vector<std::string>{"RegOpenKeyExA", "RegQueryValueExA", "RegCloseKey"}));
    EXPECT_EQ(reg.calls()[0].access, registry::KEY_QUERY_VALUE);
    EXPECT_EQ(reg.calls()[1].size, 255u);
    EXPECT_NE(reg.calls()[2].key, key);
    CloseRegKey(key);
}

TEST(RegistryToolsStrings, ReadersTurnUnexpectedErrorsIntoFalse) {
    TempRegistry reg;
    reg.setText(HKEY_CURRENT_USER, Key, "Name", "x");
    reg.setLong(HKEY_CURRENT_USER, Key, "N", 1);
    reg.recordCalls([](const RegistryCall& call) -> registry::LONG {
        if (std::string(call.entryPoint) == "RegQueryValueExA") {
            throw std::runtime_error("disk on fire");
        }
        return 0;
    });
    std::string text;
    EXPECT_FALSE(QueryRegStringValue(HKEY_CURRENT_USER, Key, text, "Name"));
    HKEY root = HKEY_CURRENT_USER;
    std::string key = Key;
    std::string name = "N";
    int32_t value = 0;
    EXPECT_FALSE(GetRegLongValue(root, key, value, name));
}

// --- opening ---

TEST(RegistryToolsOpen, OpenPassesTheCallersMaskAndGivesMinusOneOnFailure) {
    TempRegistry reg;
    reg.setText(HKEY_CURRENT_USER, Key, "Name", "x");
    reg.recordCalls();
    const HKEY key = OpenRegKey(HKEY_CURRENT_USER, Key, 0, registry::KEY_READ);
    EXPECT_NE(key, InvalidKey);
    ASSERT_EQ(reg.calls().size(), 1u);
    EXPECT_EQ(reg.calls()[0].access, 0x20019u);
    CloseRegKey(key);
    EXPECT_EQ(OpenRegKey(HKEY_CURRENT_USER, Key + "\\Nowhere", 0, registry::KEY_READ), InvalidKey);
    EXPECT_EQ(OpenRegKey(0x1234, Key, 0, registry::KEY_READ), InvalidKey);
}

// --- writing ---

TEST(RegistryToolsWrite, WritingCreatesEveryMissingKeyOnThePath) {
    TempRegistry reg;
    EXPECT_EQ(SetRegLongValue(HKEY_CURRENT_USER, "Software\\A\\B\\C", "N", 7), 0);
    EXPECT_EQ(SetRegStringValue(HKEY_CURRENT_USER, "Software\\X\\Y", "T", "t"), 0);
    EXPECT_TRUE(reg.keyExists(HKEY_CURRENT_USER, "Software\\A\\B"));
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\A\\B\\C", "N")->data,
              (std::vector<registry::BYTE>{7, 0, 0, 0}));
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\X\\Y", "T")->text(), "t");
}

TEST(RegistryToolsWrite, ALongReplacesALongAndAShortTextButNotALongerText) {
    TempRegistry reg;
    reg.setLong(HKEY_CURRENT_USER, Key, "Number", 1);
    reg.setText(HKEY_CURRENT_USER, Key, "Short", "abc"); // 4 bytes with its terminator
    reg.setText(HKEY_CURRENT_USER, Key, "Long", "abcd"); // 5 bytes
    EXPECT_EQ(SetRegLongValue(HKEY_CURRENT_USER, Key, "Number", 2), 0);
    EXPECT_EQ(SetRegLongValue(HKEY_CURRENT_USER, Key, "Short", 3), 0);
    EXPECT_EQ(SetRegLongValue(HKEY_CURRENT_USER, Key, "Long", 4), 234);
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, Key, "Number")->data, (std::vector<registry::BYTE>{2, 0, 0, 0}));
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, Key, "Short")->type, registry::REG_DWORD);
    const auto kept = reg.value(HKEY_CURRENT_USER, Key, "Long");
    EXPECT_EQ(kept->type, registry::REG_SZ);
    EXPECT_EQ(kept->text(), "abcd");
}

TEST(RegistryToolsWrite, TextReplacesAnything) {
    TempRegistry reg;
    reg.setLong(HKEY_CURRENT_USER, Key, "Number", 1);
    reg.setText(HKEY_CURRENT_USER, Key, "Text", std::string(1000, 'x'));
    reg.setRaw(HKEY_CURRENT_USER, Key, "Binary", registry::REG_BINARY, std::vector<registry::BYTE>(300, 9));
    for (const char* name : {"Number", "Text", "Binary", "New"}) {
        EXPECT_EQ(SetRegStringValue(HKEY_CURRENT_USER, Key, name, "replaced"), 0) << name;
        const auto value = reg.value(HKEY_CURRENT_USER, Key, name);
        EXPECT_EQ(value->type, registry::REG_SZ) << name;
        EXPECT_EQ(value->text(), "replaced") << name;
    }
    // An empty text is one NUL byte.
    EXPECT_EQ(SetRegStringValue(HKEY_CURRENT_USER, Key, "Empty", ""), 0);
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, Key, "Empty")->data, (std::vector<registry::BYTE>{0}));
}

TEST(RegistryToolsWrite, WritersCreateWithFullAccessProbeFourBytesAndWriteTheData) {
    TempRegistry reg;
    reg.recordCalls();
    SetRegStringValue(HKEY_CURRENT_USER, Key, "Name", "abc");
    ASSERT_EQ(entryPoints(reg.calls()), (std::vector<std::string>{"RegCreateKeyExA", "RegQueryValueExA",
                                                                  "RegSetValueExA", "RegCloseKey"}));
    EXPECT_EQ(reg.calls()[0].key, HKEY_CURRENT_USER);
    EXPECT_EQ(reg.calls()[0].name, Key);
    EXPECT_EQ(reg.calls()[0].access, 63u);
    EXPECT_EQ(reg.calls()[1].name, "Name");
    EXPECT_EQ(reg.calls()[1].size, 4u);
    EXPECT_EQ(reg.calls()[2].type, registry::REG_SZ);
    EXPECT_EQ(reg.calls()[2].size, 4u);

    reg.recordCalls();
    SetRegLongValue(HKEY_CURRENT_USER, Key, "Number", 5);
    ASSERT_EQ(reg.calls().size(), 4u);
    EXPECT_EQ(reg.calls()[0].access, 63u);
    EXPECT_EQ(reg.calls()[1].size, 4u);
    EXPECT_EQ(reg.calls()[2].type, registry::REG_DWORD);
    EXPECT_EQ(reg.calls()[2].size, 4u);
}

TEST(RegistryToolsWrite, AFailedCreateWritesNothingAndTheProbeReportsTheMissingHandle) {
    TempRegistry reg;
    reg.recordCalls([](const RegistryCall& call) -> registry::LONG {
        return std::string(call.entryPoint) == "RegCreateKeyExA" ? registry::ERROR_ACCESS_DENIED : 0;
    });
    EXPECT_EQ(SetRegLongValue(HKEY_CURRENT_USER, Key, "N", 1), registry::ERROR_INVALID_HANDLE);
    EXPECT_EQ(SetRegStringValue(HKEY_CURRENT_USER, Key, "T", "t"), registry::ERROR_INVALID_HANDLE);
    EXPECT_FALSE(reg.keyExists(HKEY_CURRENT_USER, Key));
}

TEST(RegistryToolsWrite, WritersPassUnexpectedErrorsOnAndKeepNothingOfTheFailedWrite) {
    TempRegistry reg;
    reg.recordCalls([](const RegistryCall& call) -> registry::LONG {
        if (std::string(call.entryPoint) == "RegSetValueExA") {
            throw std::runtime_error("disk on fire");
        }
        return 0;
    });
    EXPECT_THROW(SetRegStringValue(HKEY_CURRENT_USER, Key, "T", "t"), std::runtime_error);
    EXPECT_THROW(SetRegLongValue(HKEY_CURRENT_USER, Key, "N", 1), std::runtime_error);
    reg.recordCalls();
    EXPECT_FALSE(reg.keyExists(HKEY_CURRENT_USER, Key));
}

} // namespace
} // namespace kv380
