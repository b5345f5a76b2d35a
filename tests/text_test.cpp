#include <gtest/gtest.h>

#include "ui/text.h"

namespace sv::text {

TEST(Cp1252, FrenchTextAndEveryByteRoundTripThroughTheFileEncoding) {
    const std::string s = "Égalité, œuvre « déjà » 5 € – naïf ’";
    EXPECT_EQ(toCp1252(s), "\xC9galit\xE9, \x9Cuvre \xAB d\xE9j\xE0 \xBB 5 \x80 \x96 na\xEF" "f \x92");
    EXPECT_EQ(fromCp1252(*toCp1252(s)), s);
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(length(fromCp1252(all)), 256u);
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(Cp1252, CharactersOutsideTheCodePageOrBadUtf8AreRefusedOrReplaced) {
    // Outside the code page, truncated, an overlong NUL, a surrogate, past U+10FFFF.
    for (const char* bad : {"Comăneci", "\xC3", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(toCp1252(bad).has_value()) << bad;
    }
    EXPECT_FALSE(isCp1252("日本"));
    EXPECT_TRUE(isCp1252("Chloé"));
    EXPECT_EQ(toCp1252Lossy("aăb"), "a?b");
}

TEST(CharacterCuts, CountCharactersNotBytes) {
    EXPECT_EQ(length("Hélène"), 6u);
    EXPECT_EQ(left("Frédérique", 8), "Frédériq");
    EXPECT_EQ(left("abc", 8), "abc");
    EXPECT_EQ(mid("éèà", 1), "èà");
    EXPECT_EQ(right("partie.par", 4), ".par");
    EXPECT_EQ(right("é", 4), "é");
}

}  // namespace sv::text
