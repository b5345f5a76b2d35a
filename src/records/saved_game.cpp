#include "records/saved_game.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "ui/error.h"
#include "ui/files.h"
#include "ui/text.h"

namespace sv::records {

namespace {

const char* const kSeparator1 = "===================================================1";
const char* const kSeparator2 = "===================================================2";

std::string wedgeLine(const std::array<int, 6>& w) {
    std::string s = "N";
    for (int v : w) s += v == 1 ? '1' : '0';
    return s + "N";
}

std::string oneLine(const std::string& s) {
    std::string out = s;
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

// Reads the lines of a saved game in order; the first fault ends the reading.
class Reader {
public:
    explicit Reader(std::string_view text) : lines_(files::splitLines(text)) {}

    const SavedGameError& error() const { return error_; }
    bool failed() const { return error_.line != 0; }

    // Line n as it stands, or nullopt (error 62) when the file ends before it.
    std::optional<std::string> line(int n) {
        if (failed()) return std::nullopt;
        if (n > static_cast<int>(lines_.size())) {
            fail(n, err::kInputPastEnd, "le fichier s'arrête avant la fin de la partie enregistrée");
            return std::nullopt;
        }
        return lines_[static_cast<std::size_t>(n - 1)];
    }

    // A whole number in [lo, hi]; blanks around it are allowed.
    int number(int n, int lo, int hi, const std::string& expected) {
        const auto s = line(n);
        if (!s) return 0;
        const auto v = parse(*s);
        if (!v || *v < lo || *v > hi) {
            fail(n, err::kTypeMismatch, expected + " attendu, « " + shorten(*s) + " » lu");
            return 0;
        }
        return static_cast<int>(*v);
    }

    std::array<int, 6> wedges(int n) {
        std::array<int, 6> w{};
        const auto s = line(n);
        if (!s) return w;
        bool ok = s->size() == 8 && s->front() == 'N' && s->back() == 'N';
        for (std::size_t k = 0; ok && k < 6; ++k) {
            const char c = (*s)[k + 1];
            ok = c == '0' || c == '1';
            w[k] = c == '1' ? 1 : 0;
        }
        if (!ok) fail(n, err::kTypeMismatch, "N, six chiffres 0 ou 1 puis N attendus, « " + shorten(*s) + " » lu");
        return w;
    }

private:
    static std::optional<long> parse(const std::string& raw) {
        std::size_t b = 0, e = raw.size();
        while (b < e && (raw[b] == ' ' || raw[b] == '\t')) ++b;
        while (e > b && (raw[e - 1] == ' ' || raw[e - 1] == '\t')) --e;
        bool negative = false;
        if (b < e && raw[b] == '-') {
            negative = true;
            ++b;
        }
        if (b == e || e - b > 6) return std::nullopt;
        long v = 0;
        for (std::size_t i = b; i < e; ++i) {
            if (raw[i] < '0' || raw[i] > '9') return std::nullopt;
            v = v * 10 + (raw[i] - '0');
        }
        return negative ? -v : v;
    }

    static std::string shorten(const std::string& s) {
        return text::length(s) > 24 ? text::left(s, 24) + "…" : s;
    }

    void fail(int line, int number, std::string detail) {
        if (!failed()) error_ = {line, number, std::move(detail)};
    }

    std::vector<std::string> lines_;
    SavedGameError error_;
};

constexpr int kCount = 32767;  // counters are 16-bit numbers
constexpr const char* kCounter = "un nombre entier positif";
constexpr const char* kPosition = "un nombre entier (une position)";
constexpr const char* kSquare = "un numéro de case de 0 à 72";

void readCounters(Reader& r, int first, SavedSide& s) {
    s.questions = r.number(first, 0, kCount, kCounter);
    s.right = r.number(first + 1, 0, kCount, kCounter);
    s.wrong = r.number(first + 2, 0, kCount, kCounter);
    s.score = r.number(first + 3, 0, kCount, kCounter);
}

}  // namespace

std::string SavedGameError::describe() const {
    return errorDescription(number) + " (ligne " + std::to_string(line) + " : " + detail + ")";
}

std::string encodeSavedGame(const SavedGame& g) {
    std::vector<std::string> l;
    const SavedSide& a = g.sides[0];
    const SavedSide& b = g.sides[1];
    auto counters = [&l](const SavedSide& s) {
        for (int v : {s.questions, s.right, s.wrong, s.score}) l.push_back(std::to_string(v));
    };
    if (g.type == 2) {
        l = {"2", std::to_string(g.finished), std::to_string(g.turn), oneLine(a.name), oneLine(b.name),
             std::to_string(g.turns)};
        counters(a);
        counters(b);
        l.push_back(kSeparator1);
        for (int v : {a.top, a.left, b.top, b.left}) l.push_back(std::to_string(v));
        l.push_back(kSeparator2);
        l.push_back(std::to_string(a.square));
        l.push_back(std::to_string(b.square));
        l.push_back(wedgeLine(a.wedges));
        l.push_back(wedgeLine(b.wedges));
    } else {
        l = {"1", std::to_string(g.finished), oneLine(a.name), std::to_string(g.turns)};
        counters(a);
        l.push_back(kSeparator1);
        for (int v : {a.top, a.left, a.square}) l.push_back(std::to_string(v));
        l.push_back(wedgeLine(a.wedges));
    }
    std::string out;
    for (const std::string& line : l) out += line + "\r\n";
    return out + "\r\n";
}

std::variant<SavedGame, SavedGameError> decodeSavedGame(std::string_view text) {
    Reader r(text);
    SavedGame g;
    SavedSide& a = g.sides[0];
    SavedSide& b = g.sides[1];
    g.type = r.number(1, 1, 2, "1 (un joueur) ou 2 (deux joueurs)");
    g.finished = r.number(2, 0, 1, "0 (partie en cours) ou 1 (partie finie)");
    if (g.type == 2) {
        g.turn = r.number(3, 1, 2, "1 ou 2 (le camp qui a la main)");
        a.name = r.line(4).value_or("");
        b.name = r.line(5).value_or("");
        g.turns = r.number(6, 0, kCount, kCounter);
        readCounters(r, 7, a);
        readCounters(r, 11, b);
        r.line(15);
        a.top = r.number(16, -kCount, kCount, kPosition);
        a.left = r.number(17, -kCount, kCount, kPosition);
        b.top = r.number(18, -kCount, kCount, kPosition);
        b.left = r.number(19, -kCount, kCount, kPosition);
        r.line(20);
        a.square = r.number(21, 0, 72, kSquare);
        b.square = r.number(22, 0, 72, kSquare);
        a.wedges = r.wedges(23);
        b.wedges = r.wedges(24);
    } else {
        a.name = r.line(3).value_or("");
        g.turns = r.number(4, 0, kCount, kCounter);
        readCounters(r, 5, a);
        r.line(9);
        a.top = r.number(10, -kCount, kCount, kPosition);
        a.left = r.number(11, -kCount, kCount, kPosition);
        a.square = r.number(12, 0, 72, kSquare);
        a.wedges = r.wedges(13);
    }
    if (r.failed()) return r.error();
    return g;
}

std::string frenchDate(const ui::DateTime& t) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", t.day % 100, t.month % 100, t.year % 10000);
    return buf;
}

std::string frenchTime(const ui::DateTime& t) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour % 100, t.minute % 100, t.second % 100);
    return buf;
}

}  // namespace sv::records
