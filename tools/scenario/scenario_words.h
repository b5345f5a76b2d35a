// The scenario driver's words, numbers and patterns: what a script line is made of, how text
// is shown in FAIL lines, and how a value is matched against a pattern.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "scenario.h"

namespace sv::scenario::detail {

using Words = std::vector<Word>;

// A script cannot go on: unknown name, bad syntax.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Text shown in FAIL lines: quoted, with the line breaks made visible.
std::string show(const std::string& s);

// Patterns work on characters, not bytes: "." matches "é".
std::wstring wide(const std::string& utf8);

// A whole number in base 10, with an optional minus sign and nothing after it.
bool parseInt(const std::string& s, long long& v);

// A decimal number such as 12 or -0.25 (no exponent, no hexadecimal, no infinity or NaN).
bool parseDouble(const std::string& s, double& v);

bool isIn(const std::vector<std::string>& v, const std::string& s);

// Whether a pattern's repeat counts are small enough to be compiled (at most 1000 each,
// 100 000 for all nested together).
bool countsWithinReason(const std::string& pattern);

// Throws a ScriptError "bad pattern" when the pattern would not compile.
void checkPattern(const std::string& pattern);

// Whether value is expected: the same text, or, with pattern, text the whole pattern matches.
bool matches(const std::string& value, const std::string& expected, bool pattern);

}  // namespace sv::scenario::detail
