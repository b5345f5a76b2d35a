// What the board's source files share: its size, and the small text helpers of its handlers.
#pragma once

#include <initializer_list>
#include <string>

namespace sv::board {

inline constexpr int kWidth = 8985;
inline constexpr int kHeight = 8970;
inline constexpr int kToken = 420;          // tokens and overlays, 28 pixels
inline constexpr int kRestingLeft = -3000;  // overlays of wedges not held lie outside the window

// Lines joined by the line break.
inline std::string lines(std::initializer_list<const char*> parts, const std::string& crlf) {
    std::string out;
    bool first = true;
    for (const char* p : parts) {
        if (!first) out += crlf;
        out += p;
        first = false;
    }
    return out;
}

// A counter held by a label: its caption as a number, 0 when it is not one.
inline int number(const std::string& s) {
    try {
        return std::stoi(s);
    } catch (...) {
        return 0;
    }
}

}  // namespace sv::board
