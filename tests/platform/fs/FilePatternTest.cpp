#include "platform/fs/FilePattern.h"

#include <gtest/gtest.h>

#include <string>

namespace kv380::fs {
namespace {

bool exact(std::string_view name, std::string_view pattern) {
    return matchesFilePattern(name, pattern, MatchCase::Exact);
}
bool anyCase(std::string_view name, std::string_view pattern) {
    return matchesFilePattern(name, pattern, MatchCase::IgnoreCase);
}

TEST(FilePattern, StarMatchesAnyRunAndQuestionMarkOneCharacter) {
    EXPECT_TRUE(exact("Pump.sym", "*.sym"));
    EXPECT_TRUE(exact(".sym", "*.sym"));
    EXPECT_FALSE(exact("Pump.symx", "*.sym"));
    EXPECT_FALSE(exact("Pump.sy", "*.sym"));
    EXPECT_TRUE(exact("Pump.sym", "*"));
    EXPECT_TRUE(exact("", "*"));
    EXPECT_FALSE(exact("", "?"));
    EXPECT_TRUE(exact("P1.sym", "P?.sym"));
    EXPECT_FALSE(exact("P12.sym", "P?.sym"));
    EXPECT_TRUE(exact("a-b-c", "a*b*c"));
    EXPECT_TRUE(exact("abcbc", "a*bc"));
    EXPECT_FALSE(exact("abcbd", "a*bc"));
    EXPECT_FALSE(exact("Pump", "*.*"));
    EXPECT_TRUE(exact("Pump.", "*.*"));
}

TEST(FilePattern, QuestionMarkIsOneCodePointNotOneByte) {
    EXPECT_TRUE(exact("Pümpe.sym", "P?mpe.sym"));
    EXPECT_TRUE(exact("玉形弁.sym", "???.sym"));
    EXPECT_FALSE(exact("玉形弁.sym", "??.sym"));
}

TEST(FilePattern, CaseIsIgnoredOnlyOnRequest) {
    EXPECT_FALSE(exact("Valve.SYM", "*.sym"));
    EXPECT_TRUE(anyCase("Valve.SYM", "*.sym"));
    EXPECT_TRUE(anyCase("valve.sym", "VALVE.*"));
    EXPECT_TRUE(anyCase("ÄRGER.sym", "ärger.sym"));
    EXPECT_TRUE(anyCase("ŁÓDŹ.sym", "łódź.sym"));
    EXPECT_TRUE(anyCase("ΑΝΤΛΙΑ.sym", "αντλια.sym"));
    EXPECT_TRUE(anyCase("НАСОС.sym", "насос.sym"));
    EXPECT_FALSE(anyCase("Pump1.sym", "pump2.sym"));
    EXPECT_FALSE(anyCase("×.sym", "÷.sym")); // not a letter pair
}

TEST(FilePattern, BytesThatAreNotUtf8StandForThemselves) {
    const std::string latin1 = "Pumpe-\xC4.sym"; // "Ä" in Latin-1, not UTF-8
    EXPECT_TRUE(exact(latin1, "Pumpe-?.sym"));
    EXPECT_TRUE(exact(latin1, latin1));
    EXPECT_FALSE(exact(latin1, "Pumpe-Ä.sym"));
    EXPECT_FALSE(anyCase(latin1, "Pumpe-\xE4.sym")); // no folding of stray bytes
}

TEST(FilePattern, OverlongFormsAndSurrogatesAreBytesOfTheirOwn) {
    const std::string overlongSlash = "\xc0\xaf.sym";
    EXPECT_TRUE(exact(overlongSlash, "??.sym"));
    EXPECT_FALSE(exact(overlongSlash, "?.sym"));
    EXPECT_FALSE(exact(overlongSlash, "/.sym"));
    EXPECT_TRUE(anyCase(overlongSlash, overlongSlash));
    const std::string surrogate = "\xed\xa0\x80.sym";
    EXPECT_TRUE(exact(surrogate, "???.sym"));
    EXPECT_FALSE(exact(surrogate, "?.sym"));
    EXPECT_TRUE(exact(surrogate, "\xed*"));
}

TEST(FilePattern, ManyStarsOnALongNameStayFast) {
    const std::string name(20000, 'a');
    EXPECT_FALSE(exact(name, "*a*a*a*a*a*a*a*a*b"));
    EXPECT_TRUE(exact(name + "b", "*a*a*a*a*a*a*a*a*b"));
}

} // namespace
} // namespace kv380::fs
