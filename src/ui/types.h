// Small value types shared by the control model, the platform services and the renderers.
#pragma once

#include <cstdint>
#include <string>

namespace sv::ui {

// Geometry is kept in twips, as the windows are laid out; 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

// A position in twips from a computed value: a pointer far outside every screen (or a value
// that is not a number) gives a position far away, never an overflow.
inline constexpr int clampTwips(double v) {
    constexpr double kFar = 1 << 28;  // 18 000 kilometres of screen: room for any sum of two
    if (!(v == v)) return 0;
    return static_cast<int>(v < -kFar ? -kFar : v > kFar ? kFar : v);
}

// A colour as one number: red + 256 * green + 65536 * blue.
using Color = std::int32_t;
inline constexpr Color kBlack = 0;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kTransparent = -1;  // a background that lets what is below show through

inline constexpr Color rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }
inline constexpr int redOf(Color c) { return c & 0xFF; }
inline constexpr int greenOf(Color c) { return (c >> 8) & 0xFF; }
inline constexpr int blueOf(Color c) { return (c >> 16) & 0xFF; }

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

enum class Align { Left, Right, Center };

// What a picture control shows: nothing, a file (full path) or a compiled-in resource by name.
struct PictureRef {
    enum class Kind { None, File, Resource };
    Kind kind = Kind::None;
    std::string name;
    bool operator==(const PictureRef&) const = default;
    static PictureRef file(std::string path) { return {Kind::File, std::move(path)}; }
    static PictureRef resource(std::string id) { return {Kind::Resource, std::move(id)}; }
};

enum class Pointer { Default, Hourglass };

enum class WindowState { Normal, Minimized };

// Message box buttons and icons; the result codes are those the program stores in RepMsg.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
inline constexpr int kMsgOk = 1;
inline constexpr int kMsgCancel = 2;
inline constexpr int kMsgYes = 6;
inline constexpr int kMsgNo = 7;

struct MessageBoxSpec {
    std::string text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    std::string title;
    int defaultButton = 1;  // 1 = first button, 2 = second, 3 = third
};

struct FileDialogSpec {
    bool save = false;
    std::string title;
    std::string initialFolder;
    std::string filter;  // "Label (*.ext)|*.ext|"
    std::string fileName;  // proposed name
    bool overwritePrompt = true;
};

struct DateTime {
    int year = 2026, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    bool operator==(const DateTime&) const = default;
};

// Mouse buttons as the handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

}  // namespace sv::ui
