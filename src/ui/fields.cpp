#include "ui/fields.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstdio>

namespace sv::ui {

std::string numberText(double v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) {
        return std::to_string(static_cast<long long>(v));
    }
    // The shortest plain decimal form that reads back as the same number.
    char buf[512];
    const auto result = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (result.ec != std::errc()) {
        std::snprintf(buf, sizeof buf, "%.17g", v);
        return buf;
    }
    return std::string(buf, result.ptr);
}

void Fields::scalar(const std::string& name, std::function<std::string()> get) {
    Entry e;
    e.scalar = std::move(get);
    entries_[name] = std::move(e);
}

void Fields::array(const std::string& name, int low, int high, std::function<std::string(int)> get) {
    Entry e;
    e.isArray = true;
    e.low = low;
    e.high = high;
    e.element = std::move(get);
    entries_[name] = std::move(e);
}

void Fields::records(const std::string& name, int low, int high, std::vector<std::string> members,
                     std::function<std::string(int, const std::string&)> get) {
    Entry e;
    e.isArray = true;
    e.low = low;
    e.high = high;
    e.members = std::move(members);
    e.record = std::move(get);
    entries_[name] = std::move(e);
}

Fields::Lookup Fields::get(const std::string& name, std::optional<int> index, const std::string& member) const {
    using S = Lookup::Status;
    const auto it = entries_.find(name);
    if (it == entries_.end()) return {S::Unknown, {}};
    const Entry& e = it->second;
    if (!e.isArray) {
        if (index) return {S::NoIndex, {}};
        if (!member.empty()) return {S::UnknownMember, {}};
        return {S::Ok, e.scalar()};
    }
    if (!index) return {S::NeedsIndex, {}};
    if (e.record) {
        if (member.empty()) return {S::NeedsMember, {}};
        if (std::find(e.members.begin(), e.members.end(), member) == e.members.end()) return {S::UnknownMember, {}};
    } else if (!member.empty()) {
        return {S::UnknownMember, {}};
    }
    if (*index < e.low || *index > e.high) return {S::OutOfRange, {}};
    return {S::Ok, e.record ? e.record(*index, member) : e.element(*index)};
}

}  // namespace sv::ui
