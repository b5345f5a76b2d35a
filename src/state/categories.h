// The six question categories, always in this order: blue, pink, yellow, brown, green, orange.
#pragma once

#include <array>
#include <string_view>

namespace sv::state {

struct Category {
    int index;                // 1..6, the category order
    std::string_view key;     // CleCat: "QueB" ...
    std::string_view code;    // "Geo" ... (timer names, data files)
    std::string_view colour;  // colour word of the messages: "bleu" ...
    std::string_view name;    // "Géographie" ...
    std::string_view picture;  // picture resource: "IMGBLE" ...
};

inline constexpr std::array<Category, 6> kCategories = {{
    {1, "QueB", "Geo", "bleu", "Géographie", "IMGBLE"},
    {2, "QueR", "Div", "rose", "Divertissement", "IMGROS"},
    {3, "QueJ", "His", "jaune", "Histoire", "IMGJAU"},
    {4, "QueM", "Art", "marron", "Arts et littérature", "IMGMAR"},
    {5, "QueV", "Sci", "vert", "Sciences et nature", "IMGVER"},
    {6, "QueO", "Spo", "orange", "Sports et loisirs", "IMGORA"},
}};

// The category of a key (exact, case-sensitive), or null.
inline const Category* categoryByKey(std::string_view key) {
    for (const auto& c : kCategories) {
        if (c.key == key) return &c;
    }
    return nullptr;
}

inline const Category* categoryByCode(std::string_view code) {
    for (const auto& c : kCategories) {
        if (c.code == code) return &c;
    }
    return nullptr;
}

}  // namespace sv::state
