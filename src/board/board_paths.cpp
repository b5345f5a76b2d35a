#include "board/board_paths.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "board/board_model.h"

namespace sv::board {

namespace {

constexpr int kRing = 42;  // squares 1..42 run round the board

using Links = std::array<std::vector<int>, kSquares>;

const Links& links() {
    static const Links all = [] {
        Links l;
        auto join = [&l](int a, int b) {
            l[static_cast<std::size_t>(a)].push_back(b);
            l[static_cast<std::size_t>(b)].push_back(a);
        };
        for (int n = 1; n <= kRing; ++n) join(n, n % kRing + 1);
        for (const auto& spoke : kSpokes) {
            for (int k = 0; k + 1 < 7; ++k) join(spoke[k], spoke[k + 1]);
        }
        for (auto& v : l) std::sort(v.begin(), v.end());
        return l;
    }();
    return all;
}

void walk(int at, int left, std::vector<int>& path, std::vector<int>& out) {
    if (left == 0) {
        out.push_back(at);
        return;
    }
    for (int next : links()[static_cast<std::size_t>(at)]) {
        if (std::find(path.begin(), path.end(), next) != path.end()) continue;
        path.push_back(next);
        walk(next, left - 1, path, out);
        path.pop_back();
    }
}

struct Point {
    double x, y;
};

Point centreOf(int n) {
    const Zone& z = kZones[static_cast<std::size_t>(n)];
    return {z.left + z.width / 2.0, z.top + z.height / 2.0};
}

}  // namespace

std::vector<int> neighbours(int square) {
    if (square < 0 || square >= kSquares) return {};
    return links()[static_cast<std::size_t>(square)];
}

std::vector<int> reachable(int from, int steps) {
    if (from < 0 || from >= kSquares || steps < 1) return {};
    std::vector<int> path{from};
    std::vector<int> out;
    walk(from, steps, path, out);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

int neighbourToward(int square, double dx, double dy) {
    const double length = std::hypot(dx, dy);
    if (square < 0 || square >= kSquares || length == 0) return square;
    const Point from = centreOf(square);
    int best = square;
    double bestCos = 0.5;  // within 60 degrees
    for (int next : neighbours(square)) {
        const Point to = centreOf(next);
        const double vx = to.x - from.x, vy = to.y - from.y;
        const double c = (vx * dx + vy * dy) / (std::hypot(vx, vy) * length);
        if (c > bestCos + 1e-9) {
            bestCos = c;
            best = next;
        }
    }
    return best;
}

}  // namespace sv::board
