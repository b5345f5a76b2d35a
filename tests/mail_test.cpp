#include <gtest/gtest.h>

#include "support/mail.h"

namespace sv::support {

// The encoding of accents, blanks, quotes and line ends in a body, and the version made of the
// words of a 32-bit value, are checked through the real program in scenarios/error_report.sim.
TEST(MailtoAddress, ListsRecipientsInKeyOrderSkipsEmptyPiecesAndEncodesAllButLettersAndDigits) {
    EXPECT_EQ(EncodeURL("Zz09-_.~"), "Zz09%2D%5F%2E%7E");
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

}  // namespace sv::support
