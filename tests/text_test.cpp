#include <gtest/gtest.h>

#include "ui/text.h"

namespace sv::text {

TEST(Cp1252, FrenchTextRoundTripsThroughTheFileEncoding) {
    const std::string s = "Égalité, œuvre « déjà » 5 € – naïf ’";
    const auto bytes = toCp1252(s);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), length(s));
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[0]), 0xC9);  // É
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[9]), 0x9C);  // œ
    EXPECT_EQ(fromCp1252(*bytes), s);
}

TEST(Cp1252, CharactersOutsideTheCodePageAreRefusedOrReplaced) {
    EXPECT_FALSE(toCp1252("Comăneci").has_value());
    EXPECT_FALSE(isCp1252("日本"));
    EXPECT_TRUE(isCp1252("Chloé"));
    EXPECT_EQ(toCp1252Lossy("aăb"), "a?b");
    EXPECT_FALSE(toCp1252(std::string("\xC3", 1)).has_value());  // truncated UTF-8
    EXPECT_FALSE(toCp1252(std::string("\xC0\x80", 2)).has_value());  // an overlong NUL
    EXPECT_FALSE(toCp1252("\xED\xA0\x80").has_value());               // a surrogate
    EXPECT_FALSE(toCp1252("\xF4\x90\x80\x80").has_value());          // past U+10FFFF
}

TEST(Cp1252, EveryByteDecodes) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = fromCp1252(all);
    EXPECT_EQ(length(utf8), 256u);
    EXPECT_EQ(toCp1252(utf8), all);
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
