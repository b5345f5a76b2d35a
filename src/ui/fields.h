// Named, readable fields of a window or of the shared module, so that scripts and tests can
// look at the program's state by the names the program gives it ("NbTours", "PartJ1(4)",
// "TabSci(16).Question").
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <type_traits>
#include <string>
#include <vector>

namespace sv::ui {

// Plain decimal text of a number, as the program shows numbers ("53", "12.5", "-1").
std::string numberText(double v);
inline std::string numberText(int v) { return std::to_string(v); }
inline std::string numberText(long v) { return std::to_string(v); }
inline std::string numberText(long long v) { return std::to_string(v); }
inline std::string numberText(unsigned v) { return std::to_string(v); }

class Fields {
public:
    struct Lookup {
        enum class Status { Ok, Unknown, NeedsIndex, NoIndex, OutOfRange, UnknownMember, NeedsMember };
        Status status = Status::Unknown;
        std::string value;
    };

    void scalar(const std::string& name, std::function<std::string()> get);
    void array(const std::string& name, int low, int high, std::function<std::string(int)> get);
    // An array of records with named members: "TabSci(16).Question".
    void records(const std::string& name, int low, int high, std::vector<std::string> members,
                 std::function<std::string(int, const std::string&)> get);

    // Convenience for plain variables.
    template <class T>
    void bind(const std::string& name, const T& var) {
        scalar(name, [&var] { return toText(var); });
    }
    template <class T, std::size_t N>
    void bindArray(const std::string& name, const T (&arr)[N], int low) {
        array(name, low, low + static_cast<int>(N) - 1, [&arr, low](int i) { return toText(arr[i - low]); });
    }

    bool has(const std::string& name) const { return entries_.count(name) != 0; }
    Lookup get(const std::string& name, std::optional<int> index, const std::string& member) const;

    template <class T>
    static std::string toText(const T& v) {
        if constexpr (std::is_same_v<T, std::string>) {
            return v;
        } else if constexpr (std::is_same_v<T, bool>) {
            return v ? "true" : "false";
        } else if constexpr (std::is_enum_v<T>) {
            return numberText(static_cast<int>(v));
        } else {
            return numberText(v);
        }
    }

private:
    struct Entry {
        bool isArray = false;
        int low = 0, high = 0;
        std::vector<std::string> members;
        std::function<std::string()> scalar;
        std::function<std::string(int)> element;
        std::function<std::string(int, const std::string&)> record;
    };
    std::map<std::string, Entry> entries_;
};

}  // namespace sv::ui
