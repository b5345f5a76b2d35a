#include <gtest/gtest.h>

#include "support/mail.h"

namespace sv::support {

TEST(EncodeURL, KeepsLettersAndDigitsAndEncodesEveryOtherByte) {
    EXPECT_EQ(EncodeURL("abc"), "abc");
    EXPECT_EQ(EncodeURL("a b"), "a%20b");
    EXPECT_EQ(EncodeURL("l'objet"), "l%27objet");
    EXPECT_EQ(EncodeURL("\r\n"), "%0D%0A");
    EXPECT_EQ(EncodeURL("é,"), "%C3%A9%2C");  // UTF-8, as the mail programs read it
    EXPECT_EQ(EncodeURL("Zz09-_.~"), "Zz09%2D%5F%2E%7E");
    EXPECT_EQ(EncodeURL(""), "");
}

TEST(MailtoAddress, ListsRecipientsInKeyOrderAndSkipsEmptyPieces) {
    EXPECT_EQ(mailtoAddress("x;;y", "", "", "S", ""), "mailto:?to=x&to=y&Subject=S");
    EXPECT_EQ(mailtoAddress("a@b.example", "c@d.example", "e@f.example;", "Objet", "l'été"),
              "mailto:?to=a@b.example&cc=c@d.example&bcc=e@f.example&Subject=Objet&Body=l%27%C3%A9t%C3%A9");
    EXPECT_EQ(mailtoAddress("a", "", "", "", ""), "mailto:?to=a");
    EXPECT_EQ(mailtoAddress("", "c", "", "S", "B"), "");
}

TEST(SupportMailSize, FollowsTheThousandsWithTheFrenchDecimalComma) {
    EXPECT_EQ(sizeText(0), "0 octets");
    EXPECT_EQ(sizeText(999), "999 octets");
    EXPECT_EQ(sizeText(1000), "0,97 Ko");
    EXPECT_EQ(sizeText(2048), "2 Ko");
    EXPECT_EQ(sizeText(1302528), "1,242 Mo");
    EXPECT_EQ(sizeText(1024ull * 1024 * 1024 * 3 / 2), "1,5 Go");
}

TEST(Words, SplitA32BitValue) {
    EXPECT_EQ(HiWord(0x0001003C), 1);
    EXPECT_EQ(LoWord(0x0001003C), 60);
    EXPECT_EQ(HiWord(0xFFFF0000u), 65535);
    EXPECT_EQ(LoWord(0xFFFF0000u), 0);
}

}  // namespace sv::support
