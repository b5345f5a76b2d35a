// Run-time errors: a number and a French description, in the classic numbering the problem
// report shows. Helpers throw RuntimeError; handlers that trap errors catch it and report it.
#pragma once

#include <stdexcept>
#include <string>

namespace sv {

namespace err {
inline constexpr int kOverflow = 6;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kFileNotFound = 53;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kInvalidPicture = 481;
}  // namespace err

// The French description of a run-time error number ("Fichier introuvable" for 53).
std::string errorDescription(int number);

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, const std::string& description);
    int number() const { return number_; }
    const std::string& description() const { return description_; }

private:
    int number_;
    std::string description_;
};

}  // namespace sv
