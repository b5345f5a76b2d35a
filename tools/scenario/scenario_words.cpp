#include "scenario_words.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <pthread.h>
#include <regex>

namespace sv::scenario {

std::vector<Word> splitWords(const std::string& line) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        Word w;
        if (line[i] == '"') {
            w.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i];
                if (c == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                if (c == '\\') {
                    if (i + 1 >= line.size()) throw std::runtime_error("unterminated quote");
                    const char e = line[i + 1];
                    switch (e) {
                        case '"': w.text += '"'; break;
                        case '\\': w.text += '\\'; break;
                        case 'r': w.text += '\r'; break;
                        case 'n': w.text += '\n'; break;
                        case 't': w.text += '\t'; break;
                        // Any other backslash stays, so that patterns can say \d or \.
                        default: w.text += '\\'; w.text += e; break;
                    }
                    i += 2;
                    continue;
                }
                w.text += c;
                ++i;
            }
            if (!closed) throw std::runtime_error("unterminated quote");
            if (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                throw std::runtime_error("a quoted word must be followed by a blank");
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                if (line[i] == '"') throw std::runtime_error("a quote inside a word");
                w.text += line[i++];
            }
        }
        words.push_back(std::move(w));
    }
    return words;
}

namespace detail {

// Patterns are matched by an automaton that advances through the text once (libstdc++'s
// polynomial mode) rather than by backtracking: "(a|aa)*c" on a long text cannot stall a
// script. Back-references, which need backtracking, are refused as a bad pattern.
constexpr auto kPatternSyntax = std::regex::ECMAScript
#if defined(__GLIBCXX__)
                                | std::regex_constants::__polynomial
#endif
    ;

// The regex compiler reads a repeat count such as {99999999999999999999} with an unchecked
// multiplication, copies the pattern's states for every counted repeat and recurses once per
// level of nested groups: counts are kept small (at most 1000 each, 100 000 for all nested
// together), groups at most 100 deep and back-references out before a pattern is compiled.
bool countsWithinReason(const std::string& pattern) {
    long long all = 1;
    bool inClass = false;
    int depth = 0;  // groups inside groups: the compiler recurses once per level
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\\') {
            // A back-reference (\1, \22...) needs backtracking, which patterns do not do; its
            // number is read without bounds too. Refused before the compiler reads it.
            const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
            const char after = i + 2 < pattern.size() ? pattern[i + 2] : '\0';
            if ((next >= '1' && next <= '9') || (next == '0' && after >= '0' && after <= '9')) return false;
            ++i;
        } else if (inClass) {
            inClass = c != ']';
        } else if (c == '[') {
            inClass = true;
        } else if (c == '(') {
            if (++depth > 100) return false;
        } else if (c == ')') {
            --depth;
        } else if (c == '{') {
            long long most = 0, count = 0;
            std::size_t digits = 0;
            for (++i; i < pattern.size() && (std::isdigit(static_cast<unsigned char>(pattern[i])) || pattern[i] == ','); ++i) {
                if (pattern[i] == ',') {
                    most = std::max(most, count);
                    count = 0;
                    digits = 0;
                    continue;
                }
                if (++digits > 4) return false;
                count = count * 10 + (pattern[i] - '0');
            }
            most = std::max(most, count);
            if (most > 1000) return false;
            all *= std::max(most, 1LL);
            if (all > 100000) return false;
            --i;
        }
    }
    return true;
}

void checkPattern(const std::string& pattern) {
    try {
        if (!countsWithinReason(pattern)) throw std::regex_error(std::regex_constants::error_brace);
        std::wregex re(wide(pattern), kPatternSyntax);
    } catch (const std::regex_error&) {
        throw ScriptError("bad pattern " + pattern);
    }
}

std::string show(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        switch (c) {
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default: out += c;
        }
    }
    return out + "\"";
}

std::wstring wide(const std::string& utf8) {
    std::wstring out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : 0;
        char32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        std::size_t k = 1;
        for (; k <= static_cast<std::size_t>(extra) && i + k < utf8.size(); ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        out += static_cast<wchar_t>(cp);
        i += k;
    }
    return out;
}

bool parseInt(const std::string& s, long long& v) {
    if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s[0])) || (s[0] == '-' && s.size() > 1))) return false;
    std::size_t pos = 0;
    try {
        v = std::stoll(s, &pos, 10);
    } catch (...) {
        return false;
    }
    return pos == s.size();
}

bool parseDouble(const std::string& s, double& v) {
    if (s.empty() || s.find_first_not_of("0123456789.-") != std::string::npos) return false;
    std::size_t pos = 0;
    try {
        v = std::stod(s, &pos);
    } catch (...) {
        return false;
    }
    return pos == s.size() && std::isfinite(v);
}

bool isIn(const std::vector<std::string>& v, const std::string& s) { return std::find(v.begin(), v.end(), s) != v.end(); }

namespace {

struct MatchJob {
    std::wstring value;
    std::wstring pattern;
    bool result = false;
    bool failed = false;
};

void* runMatch(void* arg) {
    auto* job = static_cast<MatchJob*>(arg);
    try {
        job->result = std::regex_match(job->value, std::wregex(job->pattern, kPatternSyntax));
    } catch (...) {
        job->failed = true;
    }
    return nullptr;
}

}  // namespace

bool matches(const std::string& value, const std::string& expected, bool pattern) {
    if (!pattern) return value == expected;
    if (!countsWithinReason(expected)) throw ScriptError("bad pattern " + expected);
    // std::regex recurses once per character: a long text (a whole file) needs a deep stack,
    // so the match runs on a thread of its own with room enough.
    MatchJob job{wide(value), wide(expected)};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, std::max<std::size_t>(64u << 20, job.value.size() * 2048));
    pthread_t thread;
    const bool started = pthread_create(&thread, &attr, runMatch, &job) == 0;
    pthread_attr_destroy(&attr);
    if (!started) {
        runMatch(&job);
    } else {
        pthread_join(thread, nullptr);
    }
    if (job.failed) throw ScriptError("bad pattern " + expected);
    return job.result;
}

}  // namespace detail
}  // namespace sv::scenario
