#include "records/bestscores.h"

#include <algorithm>
#include <cstdio>

#include "ui/text.h"

namespace sv::records {

std::optional<int> recordNumber(const std::string& record) {
    std::string head = text::left(record, 4);
    const auto first = head.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    head = head.substr(first, head.find_last_not_of(' ') - first + 1);
    std::size_t i = 0;
    if (head[0] == '-' || head[0] == '+') i = 1;
    if (i >= head.size()) return std::nullopt;
    int value = 0;
    for (; i < head.size(); ++i) {
        if (head[i] < '0' || head[i] > '9') return std::nullopt;
        value = value * 10 + (head[i] - '0');
    }
    return value;
}

int recordScore(const std::string& record) { return recordNumber(record).value_or(0); }

namespace {
// Pads with blanks on the right to the width, adding at most width - 1 blanks.
std::string padRight(const std::string& s, std::size_t width) {
    const std::size_t n = std::max<std::size_t>(text::length(s), 1);
    return n >= width ? s : s + std::string(width - n, ' ');
}

std::string twoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v % 100);
    return buf;
}
}  // namespace

std::string buildRecord(const std::string& score, const ui::DateTime& when, const std::string& name, int quest) {
    const std::string s = padRight(score, 5);
    return s + twoDigits(when.day) + "/" + twoDigits(when.month) + "/" + twoDigits(when.year) + "  " +
           twoDigits(when.hour) + ":" + twoDigits(when.minute) + "  " + padRight(name, 13) + s + " " +
           std::to_string(quest);
}

bool qualifies(int score, const std::vector<std::string>& records) {
    for (std::size_t i = 0; i < 30; ++i) {
        const int slot = i < records.size() ? recordNumber(records[i]).value_or(100) : 0;
        if (slot <= score) return true;
    }
    return false;
}

namespace {
bool listable(const std::string& record) { return text::length(record) >= 5 && recordScore(record) > 0; }
}  // namespace

std::vector<std::string> rankRecords(const std::vector<std::string>& records) {
    std::vector<std::pair<int, const std::string*>> scored;
    scored.reserve(records.size());
    for (const std::string& r : records) {
        if (listable(r)) scored.emplace_back(recordScore(r), &r);
    }
    std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::string> ranked;
    ranked.reserve(scored.size());
    for (const auto& [score, r] : scored) ranked.push_back(*r);
    return ranked;
}

std::vector<std::string> rankRecordsByPasses(const std::vector<std::string>& records) {
    std::vector<std::string> remaining;
    for (const std::string& r : records) {
        if (text::length(r) >= 5) remaining.push_back(r);
    }
    std::vector<std::string> ranked;
    while (true) {
        // The highest remaining score: compare every record with every other one.
        int best = 0;
        for (const std::string& a : remaining) {
            bool highest = true;
            for (const std::string& b : remaining) {
                if (recordScore(b) > recordScore(a)) highest = false;
            }
            if (highest) best = std::max(best, recordScore(a));
        }
        if (best <= 0) break;
        std::vector<std::string> rest;
        for (const std::string& r : remaining) {
            if (recordScore(r) == best) {
                ranked.push_back(r);
            } else {
                rest.push_back(r);
            }
        }
        remaining.swap(rest);
    }
    return ranked;
}

std::string displayLine(int rank, const std::string& record) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", rank);
    return std::string(buf) + "  " + text::mid(record, 5);
}

std::vector<std::string> recordsOfSet(const std::vector<std::string>& records, int set) {
    std::vector<std::string> kept;
    for (const std::string& r : records) {
        if (r.empty()) break;
        if (set == 0 || r.back() == static_cast<char>('0' + set)) kept.push_back(r);
    }
    return kept;
}

}  // namespace sv::records
