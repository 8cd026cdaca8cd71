#include "platform/locale/Locale.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kv380 {
namespace {

TEST(Locale, PosixLocaleNamesGiveTheirWindowsIdentifiers) {
    EXPECT_EQ(lcidFromLocaleName("ja_JP.UTF-8"), 1041);
    EXPECT_EQ(lcidFromLocaleName("ja_JP.eucJP@euro"), 1041);
    EXPECT_EQ(lcidFromLocaleName("en_US.UTF-8"), 1033);
    EXPECT_EQ(lcidFromLocaleName("zh_CN.GB18030"), 2052);
    EXPECT_EQ(lcidFromLocaleName("ja"), 1041);
    EXPECT_EQ(lcidFromLocaleName("C"), 1033);
    EXPECT_EQ(lcidFromLocaleName("POSIX"), 1033);
    EXPECT_EQ(lcidFromLocaleName("C.UTF-8"), 1033);
    EXPECT_EQ(lcidFromLocaleName(""), 1033);
    EXPECT_EQ(lcidFromLocaleName("xx_YY"), 1033);
}

TEST(Locale, TheSystemDefaultFollowsLcAllThenLcCtypeThenLang) {
    // Keep what the test process had, and put it back afterwards.
    std::string saved[3];
    bool had[3] = {};
    const char* names[3] = {"LC_ALL", "LC_CTYPE", "LANG"};
    for (int i = 0; i < 3; ++i) {
        if (const char* v = std::getenv(names[i])) {
            saved[i] = v;
            had[i] = true;
        }
    }
    ::unsetenv("LC_ALL");
    ::setenv("LC_CTYPE", "zh_CN.UTF-8", 1);
    ::setenv("LANG", "en_US.UTF-8", 1);
    EXPECT_EQ(GetSystemDefaultLCID(), 2052);
    ::setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(GetSystemDefaultLCID(), 1041);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_CTYPE");
    EXPECT_EQ(GetSystemDefaultLCID(), 1033);
    for (int i = 0; i < 3; ++i) {
        if (had[i]) {
            ::setenv(names[i], saved[i].c_str(), 1);
        } else {
            ::unsetenv(names[i]);
        }
    }
}

} // namespace
} // namespace kv380
