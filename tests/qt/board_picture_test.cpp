// The board picture and the square zones agree: under every zone lies a square of the zone's
// colour.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>

#include "board/board_model.h"

namespace sv::test {
namespace {

// The colours of the squares: the six categories, then the white roll-again squares, then
// the board's dark background.
const QColor kColours[8] = {QColor(40, 110, 210), QColor(228, 88, 160), QColor(245, 200, 40), QColor(140, 90, 50),
                            QColor(60, 160, 70),  QColor(240, 130, 30), QColor(250, 250, 246), QColor(20, 40, 95)};

int nearest(QColor c) {
    const auto distance = [c](const QColor& k) {
        return std::pow(c.red() - k.red(), 2) + std::pow(c.green() - k.green(), 2) + std::pow(c.blue() - k.blue(), 2);
    };
    return static_cast<int>(std::min_element(kColours, kColours + 8, [&](const QColor& a, const QColor& b) {
                                return distance(a) < distance(b);
                            }) - kColours);
}

}  // namespace

TEST(BoardPicture, EveryZoneLiesOnASquareOfItsColour) {
    const QImage board(QStringLiteral(SAVANTO_ASSET_DIR "/WFond.gif"));
    ASSERT_FALSE(board.isNull());
    EXPECT_EQ(board.size(), QSize(599, 598));
    for (int n = 1; n < board::kSquares; ++n) {
        const auto& z = board::kZones[static_cast<std::size_t>(n)];
        // Round the middle, where the emblem or die is drawn: half the points at least show the square's
        // colour (a neighbour may overlap a corner, a stroke may pass a point).
        const int category = board::squareCategory(n);
        const int expected = category == 0 ? 6 : category - 1;
        const double cx = (z.left + z.width / 2.0) / 15, cy = (z.top + z.height / 2.0) / 15;
        const double w = z.width / 15.0, h = z.height / 15.0;
        const double offsets[8][2] = {{.35, 0}, {-.35, 0}, {0, .35}, {0, -.35}, {.3, .3}, {-.3, .3}, {.3, -.3}, {-.3, -.3}};
        int agreeing = 0;
        for (const auto& o : offsets) {
            agreeing += nearest(board.pixelColor(static_cast<int>(cx + o[0] * w), static_cast<int>(cy + o[1] * h))) == expected;
        }
        EXPECT_GE(agreeing, 4) << "square " << n;
    }
    // The centre stands out from the background.
    const auto& c = board::kZones[0];
    EXPECT_NE(nearest(board.pixelColor((c.left + c.width / 2) / 15, (c.top + c.height / 2) / 15)), 7);
}

}  // namespace sv::test
