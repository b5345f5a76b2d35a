#include <gtest/gtest.h>

#include "records/options.h"

namespace sv::records {

// The file is read by position (any six characters, then the value); a short file or a value that
// is no number makes it unreadable; a value out of its range gives that setting's default alone.
TEST(OptionsFile, ParsesByPositionAndFallsBackOneSettingAtATime) {
    const std::string tail = "NomJ1=A\r\nNomJ2=B\r\nNomJ3=C\r\n";
    const std::pair<std::string, std::optional<Options>> cases[] = {
        {"Quest=3\r\nSonYN=0\r\nNomJ1=Alice\r\nNomJ2=Bob\r\nNomJ3=Chloé\r\nMinut=0\r\nDuree=300\r\n",
         Options{3, 0, "Alice", "Bob", "Chloé", 0, 300}},
        {"xxxxx 3\r\nabcdef1\r\n123456 Zoé  \r\n123456\r\n123456Maximilien\r\n......1\r\n......60",
         Options{3, 1, " Zoé  ", "", "Maximilien", 1, 60}},
        {"", std::nullopt},
        {"Quest=2\r\nSonYN=1\r\n" + tail + "Minut=1\r\n", std::nullopt},  // six lines
        {"Quest=2\r\nSonYN=1\r\n" + tail + "Minut=1\r\nDuree=12O\r\n", std::nullopt},
        {"Quest=\r\nSonYN=1\r\n" + tail + "Minut=1\r\nDuree=120\r\n", std::nullopt},
        {"Quest=2\r\nSonYN=1\r\n" + tail + "Minut=1\r\nDuree=\r\n", std::nullopt},
        {"Quest=4\r\nSonYN=0\r\n" + tail + "Minut=0\r\nDuree=60\r\n", Options{2, 0, "A", "B", "C", 0, 60}},
        {"Quest=0\r\nSonYN=2\r\n" + tail + "Minut=5\r\nDuree=300\r\n", Options{2, 1, "A", "B", "C", 1, 300}},
        {"Quest=3\r\nSonYN=0\r\n" + tail + "Minut=0\r\nDuree=90\r\n", Options{3, 0, "A", "B", "C", 0, 120}},
        {"Quest=3\r\nSonYN=0\r\n" + tail + "Minut=0\r\nDuree=-60\r\n", Options{3, 0, "A", "B", "C", 0, 120}},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(parseOptions(text), expected) << text;
}

TEST(OptionsFile, WritesSevenLinesThatReadBackTheSameAndAMissingFileGivesTheDefaults) {
    const Options o{3, 0, "Zoé", "Élise", "Noël", 1, 180};
    EXPECT_EQ(encodeOptions(o), "Quest=3\r\nSonYN=0\r\nNomJ1=Zoé\r\nNomJ2=Élise\r\nNomJ3=Noël\r\nMinut=1\r\nDuree=180\r\n");
    EXPECT_EQ(parseOptions(encodeOptions(o)), o);
    EXPECT_EQ(readOptionsFile("/nonexistent-folder/"), (Options{2, 1, "Camille", "Julien", "Léa", 1, 120}));
}

}  // namespace sv::records
