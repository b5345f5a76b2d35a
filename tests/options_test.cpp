#include <gtest/gtest.h>

#include "records/options.h"

namespace sv::records {

TEST(OptionsFile, IsReadByPositionWithoutLookingAtTheKeys) {
    const auto o = parseOptions("Quest=3\r\nSonYN=0\r\nNomJ1=Alice\r\nNomJ2=Bob\r\nNomJ3=Chloé\r\nMinut=0\r\nDuree=300\r\n");
    ASSERT_TRUE(o.has_value());
    EXPECT_EQ(*o, (Options{3, 0, "Alice", "Bob", "Chloé", 0, 300}));
    // Any six characters, then the value; names keep their blanks and their length.
    const auto k = parseOptions("xxxxx 3\r\nabcdef1\r\n123456 Zoé  \r\n123456\r\n123456Maximilien\r\n......1\r\n......60");
    ASSERT_TRUE(k.has_value());
    EXPECT_EQ(k->Quest, 3);
    EXPECT_EQ(k->NomJ1, " Zoé  ");
    EXPECT_EQ(k->NomJ2, "");
    EXPECT_EQ(k->NomJ3, "Maximilien");
    EXPECT_EQ(k->Duree, 60);
}

TEST(OptionsFile, AShortFileOrAValueThatIsNoNumberMakesTheWholeFileUnreadable) {
    const char* bad[] = {
        "",
        "Quest=2\r\nSonYN=1\r\nNomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\nMinut=1\r\n",              // six lines
        "Quest=2\r\nSonYN=1\r\nNomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\nMinut=1\r\nDuree=12O\r\n",  // letters
        "Quest=\r\nSonYN=1\r\nNomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\nMinut=1\r\nDuree=120\r\n",   // no digit
        "Quest=2\r\nSonYN=1\r\nNomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\nMinut=1\r\nDuree=\r\n",
    };
    for (const char* text : bad) EXPECT_FALSE(parseOptions(text).has_value()) << text;
}

TEST(OptionsFile, AValueOutsideItsRangeGivesThatSettingsDefaultAlone) {
    struct Case {
        const char* text;
        Options expected;
    };
    const Case cases[] = {
        {"Quest=4\r\nSonYN=0\r\nNomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\nMinut=0\r\nDuree=60\r\n", {2, 0, "A", "B", "C", 0, 60}},
        {"Quest=0\r\nSonYN=2\r\nNomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\nMinut=5\r\nDuree=300\r\n", {2, 1, "A", "B", "C", 1, 300}},
        {"Quest=3\r\nSonYN=0\r\nNomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\nMinut=0\r\nDuree=90\r\n", {3, 0, "A", "B", "C", 0, 120}},
        {"Quest=3\r\nSonYN=0\r\nNomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\nMinut=0\r\nDuree=-60\r\n", {3, 0, "A", "B", "C", 0, 120}},
    };
    for (const Case& c : cases) EXPECT_EQ(parseOptions(c.text), c.expected) << c.text;
}

TEST(OptionsFile, WritesSevenLinesThatReadBackTheSame) {
    const Options o{3, 0, "Zoé", "Élise", "Noël", 1, 180};
    const std::string text = encodeOptions(o);
    EXPECT_EQ(text, "Quest=3\r\nSonYN=0\r\nNomJ1=Zoé\r\nNomJ2=Élise\r\nNomJ3=Noël\r\nMinut=1\r\nDuree=180\r\n");
    EXPECT_EQ(parseOptions(text), o);
}

TEST(OptionsFile, AMissingFileGivesTheDefaults) {
    const Options o = readOptionsFile("/nonexistent-folder/");
    EXPECT_EQ(o, Options{});
    EXPECT_EQ(o.Quest, 2);
    EXPECT_EQ(o.SonYN, 1);
    EXPECT_EQ(o.Minut, 1);
    EXPECT_EQ(o.Duree, 120);
}

}  // namespace sv::records
