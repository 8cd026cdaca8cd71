#include "platform/registry/RegistryApi.h"
#include "support/TempRegistry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace kv380::registry {
namespace {

using test::TempRegistry;

HKEY create(HKEY root, const char* path, DWORD access = KEY_ALL_ACCESS, DWORD* disposition = nullptr) {
    HKEY key = 0;
    EXPECT_EQ(
        RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, disposition),
        ERROR_SUCCESS)
        << path;
    return key;
}

LONG openKey(HKEY root, const char* path, HKEY& key, DWORD access = KEY_READ) {
    return RegOpenKeyExA(root, path, 0, access, &key);
}

LONG setText(HKEY key, const char* name, const std::string& text) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

LONG setLong(HKEY key, const char* name, uint32_t value) {
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
}

// --- keys ---

TEST(RegistryKeys, CreatingAKeyCreatesEveryMissingKeyOnThePath) {
    TempRegistry reg;
    DWORD disposition = 0;
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Vendor\\App\\Panel", KEY_ALL_ACCESS, &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_TRUE(reg.keyExists(HKEY_CURRENT_USER, "Software"));
    EXPECT_TRUE(reg.keyExists(HKEY_CURRENT_USER, "Software\\Vendor"));
    EXPECT_TRUE(reg.keyExists(HKEY_CURRENT_USER, "Software\\Vendor\\App"));
    RegCloseKey(key);

    RegCloseKey(create(HKEY_CURRENT_USER, "Software\\Vendor\\App\\Panel", KEY_ALL_ACCESS, &disposition));
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    // The two hives are separate stores.
    EXPECT_FALSE(reg.keyExists(HKEY_LOCAL_MACHINE, "Software"));
}

TEST(RegistryKeys, OpeningAMissingKeyIsNotFoundAndCreatesNothing) {
    TempRegistry reg;
    HKEY key = 77;
    EXPECT_EQ(openKey(HKEY_CURRENT_USER, "Software\\Nowhere", key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, 77u);
    EXPECT_FALSE(reg.keyExists(HKEY_CURRENT_USER, "Software"));
}

TEST(RegistryKeys, PathsCompareWithoutRegardToCaseAndToleratesDoubledSeparators) {
    TempRegistry reg;
    reg.setText(HKEY_CURRENT_USER, "Software\\Vendor\\App", "Name", "one");
    for (const char* path : {"SOFTWARE\\vendor\\APP", "Software\\\\Vendor\\App", "\\Software\\Vendor\\App\\",
                             "software\\\\\\VENDOR\\\\app"}) {
        const auto value = reg.value(HKEY_CURRENT_USER, path, "name");
        ASSERT_TRUE(value) << path;
        EXPECT_EQ(value->text(), "one") << path;
    }
    DWORD disposition = 0;
    RegCloseKey(create(HKEY_CURRENT_USER, "SOFTWARE\\\\VENDOR\\APP", KEY_ALL_ACCESS, &disposition));
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
}

TEST(RegistryKeys, KeysOpenRelativeToAnOpenKeyAndAnEmptySubKeyReopensIt) {
    TempRegistry reg;
    reg.setText(HKEY_CURRENT_USER, "Software\\Vendor\\App", "Name", "one");
    HKEY vendor = 0;
    ASSERT_EQ(openKey(HKEY_CURRENT_USER, "Software\\Vendor", vendor), ERROR_SUCCESS);
    HKEY app = 0;
    ASSERT_EQ(openKey(vendor, "App", app), ERROR_SUCCESS);
    HKEY same = 0;
    ASSERT_EQ(openKey(app, "", same), ERROR_SUCCESS);
    EXPECT_NE(same, app);
    char text[8]{};
    DWORD size = sizeof text;
    EXPECT_EQ(RegQueryValueExA(same, "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, "one");
    for (HKEY key : {vendor, app, same}) {
        EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    }
}

// --- handles ---

TEST(RegistryHandles, AClosedOrMadeUpHandleIsInvalid) {
    TempRegistry reg;
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Vendor");
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    DWORD size = 4;
    BYTE data[4]{};
    HKEY other = 0;
    for (HKEY bad : {key, HKEY(0), HKEY(0xFFFFFFFF), HKEY(0x12345678), HKEY(0x80000000), HKEY(0x80000003)}) {
        EXPECT_EQ(RegQueryValueExA(bad, "x", nullptr, nullptr, data, &size), ERROR_INVALID_HANDLE) << bad;
        EXPECT_EQ(setLong(bad, "x", 1), ERROR_INVALID_HANDLE) << bad;
        EXPECT_EQ(openKey(bad, "", other), ERROR_INVALID_HANDLE) << bad;
        EXPECT_EQ(RegCreateKeyExA(bad, "y", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &other, nullptr),
                  ERROR_INVALID_HANDLE)
            << bad;
        EXPECT_EQ(RegCloseKey(bad), ERROR_INVALID_HANDLE) << bad;
    }
    // A new key does not get the closed key's number back.
    const HKEY next = create(HKEY_CURRENT_USER, "Software\\Vendor");
    EXPECT_NE(next, key);
    RegCloseKey(next);
    // Closing a predefined root is allowed and changes nothing.
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(setLong(HKEY_CURRENT_USER, "AtTheRoot", 5), ERROR_SUCCESS);
}

TEST(RegistryHandles, AHandleCanOnlyDoWhatItWasOpenedFor) {
    TempRegistry reg;
    reg.setText(HKEY_CURRENT_USER, "Software\\Vendor", "Name", "one");
    HKEY readOnly = 0;
    ASSERT_EQ(openKey(HKEY_CURRENT_USER, "Software\\Vendor", readOnly, KEY_READ), ERROR_SUCCESS);
    EXPECT_EQ(setText(readOnly, "Name", "two"), ERROR_ACCESS_DENIED);
    HKEY child = 0;
    EXPECT_EQ(RegCreateKeyExA(readOnly, "Child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr),
              ERROR_ACCESS_DENIED);
    HKEY writeOnly = 0;
    ASSERT_EQ(openKey(HKEY_CURRENT_USER, "Software\\Vendor", writeOnly, KEY_SET_VALUE), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(writeOnly, "Name", nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Name")->text(), "one");
    RegCloseKey(readOnly);
    RegCloseKey(writeOnly);
}

// --- values ---

TEST(RegistryValues, NamesCompareWithoutRegardToAsciiCaseOnly) {
    TempRegistry reg;
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Vendor");
    ASSERT_EQ(setText(key, "Refresh Rate", "5"), ERROR_SUCCESS);
    ASSERT_EQ(setText(key, "REFRESH rate", "6"), ERROR_SUCCESS); // the same value
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "refresh RATE")->text(), "6");

    // Letters outside ASCII are bytes: "É" and "é" are two names, each found exactly.
    ASSERT_EQ(setText(key, "Caf\xC3\xA9", "lower"), ERROR_SUCCESS);
    ASSERT_EQ(setText(key, "CAF\xC3\x89", "upper"), ERROR_SUCCESS);
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "cAF\xC3\xA9")->text(), "lower");
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "caf\xC3\x89")->text(), "upper");
    // Bytes that are not UTF-8 at all are names too.
    ASSERT_EQ(setText(key, "\xFF\xFE name", "raw"), ERROR_SUCCESS);
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "\xFF\xFE NAME")->text(), "raw");
    RegCloseKey(key);
}

TEST(RegistryValues, TheEmptyNameIsTheKeysDefaultValueAndANullNameTheSame) {
    TempRegistry reg;
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Vendor");
    ASSERT_EQ(setText(key, "", "default"), ERROR_SUCCESS);
    char text[16]{};
    DWORD size = sizeof text;
    ASSERT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, "default");
    EXPECT_FALSE(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", " "));
    RegCloseKey(key);
}

TEST(RegistryValues, TextAndNumbersKeepTheirTypesAndBytes) {
    TempRegistry reg;
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Vendor");
    ASSERT_EQ(setLong(key, "Height", 0x01020304), ERROR_SUCCESS);
    ASSERT_EQ(setText(key, "Label", "1234"), ERROR_SUCCESS);
    const auto number = reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Height");
    EXPECT_EQ(number->type, REG_DWORD);
    EXPECT_EQ(number->data, (std::vector<BYTE>{4, 3, 2, 1}));
    const auto text = reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Label");
    EXPECT_EQ(text->type, REG_SZ);
    EXPECT_EQ(text->data, (std::vector<BYTE>{'1', '2', '3', '4', 0}));
    // Writing a value replaces its type as well as its data.
    ASSERT_EQ(setText(key, "Height", "tall"), ERROR_SUCCESS);
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Height")->type, REG_SZ);
    // Data of no bytes is a value, distinct from a missing one.
    ASSERT_EQ(RegSetValueExA(key, "Empty", 0, REG_SZ, nullptr, 0), ERROR_SUCCESS);
    const auto empty = reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Empty");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->data.empty());
    RegCloseKey(key);
}

TEST(RegistryValues, DataThatDoesNotFitReportsItsSizeAndLeavesTheBufferAlone) {
    TempRegistry reg;
    reg.setText(HKEY_CURRENT_USER, "Software\\Vendor", "Name", "ABCDEFGH"); // 9 bytes
    HKEY key = 0;
    ASSERT_EQ(openKey(HKEY_CURRENT_USER, "Software\\Vendor", key), ERROR_SUCCESS);
    BYTE buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 9u);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(std::string(buffer, buffer + 8), "########");

    // Without a buffer only the size and type are asked for.
    size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Name", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 9u);

    // A missing value touches nothing either.
    size = sizeof buffer;
    type = 99;
    EXPECT_EQ(RegQueryValueExA(key, "Other", nullptr, &type, buffer, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(type, 99u);
    RegCloseKey(key);
}

TEST(RegistryValues, AMebibyteValueIsStoredWhole) {
    TempRegistry reg;
    std::vector<BYTE> big(1 << 20);
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<BYTE>(i * 7 + i / 251);
    }
    reg.setRaw(HKEY_CURRENT_USER, "Software\\Vendor", "Blob", REG_BINARY, big);
    resetForTests(); // read it back from the file, not from anything held in memory
    const auto value = reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Blob");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, REG_BINARY);
    EXPECT_TRUE(value->data == big);
}

// --- transactions ---

TEST(RegistryTransactions, WritesInsideATransactionAreKeptOnlyWhenItCommits) {
    TempRegistry reg;
    {
        WriteTransaction transaction(HKEY_CURRENT_USER);
        const HKEY key = create(HKEY_CURRENT_USER, "Software\\Dropped");
        EXPECT_EQ(setLong(key, "N", 1), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    EXPECT_FALSE(reg.keyExists(HKEY_CURRENT_USER, "Software\\Dropped"));
    {
        WriteTransaction transaction(HKEY_CURRENT_USER);
        const HKEY key = create(HKEY_CURRENT_USER, "Software\\Kept");
        EXPECT_EQ(setLong(key, "N", 1), ERROR_SUCCESS);
        RegCloseKey(key);
        EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
    }
    EXPECT_TRUE(reg.value(HKEY_CURRENT_USER, "Software\\Kept", "N"));
}

TEST(RegistryTransactions, AWriteInsideAReadTransactionEndsItAndIsStoredOnItsOwn) {
    TempRegistry reg;
    reg.setText(HKEY_CURRENT_USER, "Software\\Vendor", "Name", "one");
    {
        ReadTransaction reading(HKEY_CURRENT_USER);
        EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Name")->text(), "one");
        reg.setText(HKEY_CURRENT_USER, "Software\\Vendor", "Name", "two");
        EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Name")->text(), "two");
        // Inside a write transaction a read transaction has nothing to add.
        WriteTransaction transaction(HKEY_CURRENT_USER);
        ReadTransaction inner(HKEY_CURRENT_USER);
        reg.setText(HKEY_CURRENT_USER, "Software\\Vendor", "Other", "three");
        EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
    }
    resetForTests();
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Name")->text(), "two");
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Other")->text(), "three");
}

} // namespace
} // namespace kv380::registry
