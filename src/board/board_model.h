// The board: 73 squares known by their number, their kind, their category and the rectangle
// of their zone on the board window (twips, relative to the window's client area). The board
// picture is drawn from these same rectangles.
#pragma once

#include <array>
#include <string_view>

namespace sv::board {

struct Zone {
    int left, top, width, height;
};

inline constexpr int kSquares = 73;  // 0 (centre) to 72

inline constexpr std::array<Zone, kSquares> kZones = {{
    {3900, 3840, 1215, 1275},  // 0
    {6770, 1380, 555, 495},  // 1
    {7110, 1720, 615, 525},  // 2
    {7370, 2145, 735, 435},  // 3
    {7590, 2590, 735, 435},  // 4
    {7695, 3040, 915, 435},  // 5
    {7770, 3510, 915, 435},  // 6
    {7860, 3960, 975, 1035},  // 7
    {7770, 5040, 915, 435},  // 8
    {7650, 5490, 915, 435},  // 9
    {7560, 5940, 735, 435},  // 10
    {7320, 6370, 735, 435},  // 11
    {7080, 6720, 615, 525},  // 12
    {6780, 7125, 555, 495},  // 13
    {6060, 7260, 885, 1155},  // 14
    {5570, 7665, 495, 975},  // 15
    {5040, 7800, 495, 975},  // 16
    {4500, 7890, 495, 975},  // 17
    {3980, 7890, 495, 975},  // 18
    {3450, 7800, 495, 975},  // 19
    {2930, 7665, 495, 975},  // 20
    {2040, 7260, 885, 1155},  // 21
    {1650, 7140, 555, 495},  // 22
    {1260, 6765, 615, 525},  // 23
    {885, 6390, 735, 435},  // 24
    {645, 5950, 735, 435},  // 25
    {375, 5490, 915, 435},  // 26
    {240, 5040, 915, 435},  // 27
    {120, 3960, 975, 1035},  // 28
    {240, 3480, 915, 435},  // 29
    {390, 3030, 915, 435},  // 30
    {645, 2595, 735, 435},  // 31
    {900, 2160, 735, 435},  // 32
    {1230, 1710, 615, 525},  // 33
    {1620, 1350, 555, 495},  // 34
    {2030, 530, 885, 1155},  // 35
    {2925, 330, 495, 975},  // 36
    {3450, 210, 495, 975},  // 37
    {3980, 150, 495, 975},  // 38
    {4500, 150, 495, 975},  // 39
    {5040, 210, 495, 975},  // 40
    {5565, 375, 495, 975},  // 41
    {6000, 660, 975, 975},  // 42
    {1170, 4065, 495, 915},  // 43
    {1680, 4065, 495, 915},  // 44
    {2190, 4065, 495, 915},  // 45
    {2700, 4065, 495, 915},  // 46
    {3210, 4065, 495, 915},  // 47
    {5250, 4065, 495, 915},  // 48
    {5760, 4065, 495, 915},  // 49
    {6300, 4065, 495, 915},  // 50
    {6805, 4065, 495, 915},  // 51
    {7295, 4065, 495, 915},  // 52
    {2535, 1600, 795, 495},  // 53
    {2785, 2040, 795, 495},  // 54
    {3055, 2460, 795, 495},  // 55
    {3270, 2850, 795, 495},  // 56
    {3570, 3290, 795, 495},  // 57
    {5660, 1615, 795, 495},  // 58
    {5400, 2010, 795, 495},  // 59
    {5130, 2430, 795, 495},  // 60
    {4870, 2875, 795, 495},  // 61
    {4615, 3300, 795, 495},  // 62
    {3570, 5215, 795, 495},  // 63
    {3300, 5635, 795, 495},  // 64
    {3040, 6070, 795, 495},  // 65
    {2785, 6485, 795, 495},  // 66
    {2515, 6895, 795, 495},  // 67
    {4610, 5215, 795, 495},  // 68
    {4890, 5635, 795, 495},  // 69
    {5145, 6075, 795, 495},  // 70
    {5400, 6480, 795, 495},  // 71
    {5660, 6895, 795, 495},  // 72
}};

enum class SquareKind { Centre, Headquarters, RollAgain, Category };

// The category (1..6, category order) of each square; 0 for the centre and the roll-again squares.
inline constexpr std::array<int, kSquares> kSquareCategory = [] {
    std::array<int, kSquares> c{};
    constexpr int squares[6][10] = {
        {21, 1, 10, 32, 41, 46, 51, 55, 58, 68},   // blue, headquarters first
        {42, 11, 20, 22, 31, 44, 49, 57, 67, 70},  // pink
        {7, 18, 27, 29, 38, 43, 54, 62, 65, 69},   // yellow
        {28, 6, 8, 17, 39, 52, 56, 60, 63, 71},    // brown
        {35, 4, 13, 15, 24, 47, 50, 61, 66, 72},   // green
        {14, 3, 25, 34, 36, 45, 48, 53, 59, 64},   // orange
    };
    for (int k = 0; k < 6; ++k) {
        for (int s : squares[k]) c[static_cast<std::size_t>(s)] = k + 1;
    }
    return c;
}();

inline constexpr bool isHeadquarters(int n) {
    return n == 7 || n == 14 || n == 21 || n == 28 || n == 35 || n == 42;
}

inline constexpr bool isRollAgain(int n) {
    return n == 2 || n == 5 || n == 9 || n == 12 || n == 16 || n == 19 || n == 23 || n == 26 || n == 30 ||
           n == 33 || n == 37 || n == 40;
}

inline constexpr SquareKind squareKind(int n) {
    if (n == 0) return SquareKind::Centre;
    if (isHeadquarters(n)) return SquareKind::Headquarters;
    if (isRollAgain(n)) return SquareKind::RollAgain;
    return SquareKind::Category;
}

inline constexpr int squareCategory(int n) {
    return n >= 0 && n < kSquares ? kSquareCategory[static_cast<std::size_t>(n)] : 0;
}

// The squares in the order a token runs round the ring, and each spoke from the ring inwards.
inline constexpr int kSpokes[6][7] = {
    {28, 43, 44, 45, 46, 47, 0}, {7, 52, 51, 50, 49, 48, 0}, {35, 53, 54, 55, 56, 57, 0},
    {42, 58, 59, 60, 61, 62, 0}, {21, 67, 66, 65, 64, 63, 0}, {14, 72, 71, 70, 69, 68, 0},
};

}  // namespace sv::board
