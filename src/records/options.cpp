#include "records/options.h"

#include <vector>

#include "ui/error.h"
#include "ui/files.h"
#include "ui/text.h"

namespace sv::records {
namespace {

std::optional<int> lastDigit(const std::string& line) {
    if (line.empty()) return std::nullopt;
    const char c = line.back();
    if (c < '0' || c > '9') return std::nullopt;
    return c - '0';
}

std::optional<int> wholeNumber(std::string s) {
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    while (!s.empty() && s.back() == ' ') s.pop_back();
    const bool negative = !s.empty() && s.front() == '-';
    if (negative) s.erase(s.begin());
    if (s.empty() || s.size() > 6) return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return negative ? -v : v;
}

}  // namespace

std::optional<Options> parseOptions(const std::string& text) {
    const std::vector<std::string> lines = files::splitLines(text);
    if (lines.size() < 7) return std::nullopt;
    Options o;
    const auto quest = lastDigit(lines[0]);
    const auto son = lastDigit(lines[1]);
    const auto minut = lastDigit(lines[5]);
    const auto duree = wholeNumber(text::mid(lines[6], 6));
    if (!quest || !son || !minut || !duree) return std::nullopt;
    // A value outside its range (edited by hand) gives that setting's default; the others,
    // the names above all, keep what the file says.
    if (*quest >= 1 && *quest <= 3) o.Quest = *quest;
    if (*son <= 1) o.SonYN = *son;
    if (*minut <= 1) o.Minut = *minut;
    if (*duree == 60 || *duree == 120 || *duree == 180 || *duree == 300) o.Duree = *duree;
    o.NomJ1 = text::mid(lines[2], 6);
    o.NomJ2 = text::mid(lines[3], 6);
    o.NomJ3 = text::mid(lines[4], 6);
    return o;
}

std::string encodeOptions(const Options& o) {
    return "Quest=" + std::to_string(o.Quest) + "\r\nSonYN=" + std::to_string(o.SonYN) + "\r\nNomJ1=" + o.NomJ1 +
           "\r\nNomJ2=" + o.NomJ2 + "\r\nNomJ3=" + o.NomJ3 + "\r\nMinut=" + std::to_string(o.Minut) +
           "\r\nDuree=" + std::to_string(o.Duree) + "\r\n";
}

Options readOptionsFile(const std::string& folder, std::string* problem) {
    try {
        if (auto o = parseOptions(files::readText(folder + "option.ret"))) return *o;
        if (problem) *problem = "option.ret is not an options file: the defaults";
    } catch (const RuntimeError& e) {
        // Missing or unreadable: the defaults.
        if (problem && e.number() != err::kFileNotFound) *problem = "option.ret: " + e.description() + ": the defaults";
    }
    return Options{};
}

}  // namespace sv::records
