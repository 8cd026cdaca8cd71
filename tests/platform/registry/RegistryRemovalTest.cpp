// Removing values and keys, and counting what a key holds: what self-registration needs to take back
// exactly what it wrote.
#include "platform/registry/RegistryApi.h"
#include "support/TempRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace kv380::registry {
namespace {

using test::TempRegistry;

HKEY create(HKEY root, const char* path, DWORD access = KEY_ALL_ACCESS) {
    HKEY key = 0;
    EXPECT_EQ(
        RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr),
        ERROR_SUCCESS)
        << path;
    return key;
}

LONG setText(HKEY key, const char* name, const std::string& text) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

void contents(HKEY key, DWORD& subKeys, DWORD& values) {
    ASSERT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                               nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
}

TEST(RegistryRemoval, AValueIsRemovedByNameInAnyCaseAndOnlyOnce) {
    TempRegistry reg;
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Vendor");
    ASSERT_EQ(setText(key, "Colour", "blue"), ERROR_SUCCESS);
    ASSERT_EQ(setText(key, "", "default"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(key, "COLOUR"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(key, "Colour"), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "Colour").has_value());
    EXPECT_EQ(reg.value(HKEY_CURRENT_USER, "Software\\Vendor", "")->text(), "default");
    RegCloseKey(key);

    const HKEY readOnly = create(HKEY_CURRENT_USER, "Software\\Vendor", KEY_READ);
    EXPECT_EQ(RegDeleteValueA(readOnly, ""), ERROR_ACCESS_DENIED);
    RegCloseKey(readOnly);
    EXPECT_EQ(RegDeleteValueA(0x1234, ""), ERROR_INVALID_HANDLE);
}

TEST(RegistryRemoval, AKeyGoesWithItsValuesButOnlyWithoutSubKeys) {
    TempRegistry reg;
    const HKEY parent = create(HKEY_CURRENT_USER, "Software\\Vendor");
    RegCloseKey(create(HKEY_CURRENT_USER, "Software\\Vendor\\App\\Panel"));
    EXPECT_EQ(RegDeleteKeyA(parent, "App"), ERROR_ACCESS_DENIED); // sub-keys first
    EXPECT_EQ(RegDeleteKeyA(parent, "app\\PANEL"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(parent, "App\\Panel"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyA(parent, ""), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, nullptr), ERROR_INVALID_PARAMETER);

    const HKEY app = create(HKEY_CURRENT_USER, "Software\\Vendor\\App");
    ASSERT_EQ(setText(app, "Name", "x"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(parent, "App"), ERROR_SUCCESS);
    EXPECT_FALSE(reg.keyExists(HKEY_CURRENT_USER, "Software\\Vendor\\App"));
    // A handle still open on the removed key writes nowhere.
    EXPECT_EQ(setText(app, "Name", "y"), ERROR_KEY_DELETED);
    RegCloseKey(app);
    // Created again, it starts empty.
    const HKEY again = create(HKEY_CURRENT_USER, "Software\\Vendor\\App");
    DWORD subKeys = 9;
    DWORD values = 9;
    contents(again, subKeys, values);
    EXPECT_EQ(subKeys, 0u);
    EXPECT_EQ(values, 0u);
    RegCloseKey(again);
    RegCloseKey(parent);
}

TEST(RegistryRemoval, AKeyCountsItsOwnSubKeysAndValuesOnly) {
    TempRegistry reg;
    for (const char* path :
         {"Software\\A\\One", "Software\\A\\Two\\Deep", "Software\\AB", "Software\\A\\Three"}) {
        RegCloseKey(create(HKEY_CURRENT_USER, path));
    }
    const HKEY a = create(HKEY_CURRENT_USER, "Software\\A");
    ASSERT_EQ(setText(a, "x", "1"), ERROR_SUCCESS);
    ASSERT_EQ(setText(a, "y", "2"), ERROR_SUCCESS);
    DWORD subKeys = 0;
    DWORD values = 0;
    contents(a, subKeys, values);
    EXPECT_EQ(subKeys, 3u); // One, Two, Three: not Deep, not the sibling AB
    EXPECT_EQ(values, 2u);
    RegCloseKey(a);

    contents(HKEY_CURRENT_USER, subKeys, values);
    EXPECT_EQ(subKeys, 1u); // Software
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\A\\Two\\Deep"), ERROR_SUCCESS);
}

} // namespace
} // namespace kv380::registry
