// The options file "option.ret": seven lines, read by position.
#pragma once

#include <optional>
#include <string>

namespace sv::records {

struct Options {
    int Quest = 2;
    int SonYN = 1;
    std::string NomJ1 = "Camille";
    std::string NomJ2 = "Julien";
    std::string NomJ3 = "Léa";
    int Minut = 1;
    int Duree = 120;
    bool operator==(const Options&) const = default;
};

// Reads the file's text by position: lines 1, 2 and 6 give their last character as a number,
// lines 3, 4, 5 and 7 everything after their first six characters (line 7 as a whole number).
// Keys are not checked. Fewer than seven lines or a value that is not a number make the whole
// file unreadable: nullopt. A value outside its range (Quest 1..3, SonYN and Minut 0 or 1,
// Duree 60, 120, 180 or 300) gives that setting's default alone.
std::optional<Options> parseOptions(const std::string& text);

// The file's text: "Quest=2\r\nSonYN=1\r\n...Duree=120\r\n".
std::string encodeOptions(const Options& o);

// Reads "option.ret" from the folder; any failure gives the defaults, and a failure other than
// a missing file is told in `problem` when given.
Options readOptionsFile(const std::string& folder, std::string* problem = nullptr);

}  // namespace sv::records
