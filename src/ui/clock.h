// Calendar arithmetic for the wall clock (virtual or real).
#pragma once

#include <cstdint>
#include <string>

#include "ui/types.h"

namespace sv::ui {

// Seconds since 1970-01-01 00:00:00, in the local calendar (no time zones involved).
std::int64_t toSeconds(const DateTime& t);
DateTime fromSeconds(std::int64_t s);

// "2026-01-15 10:30:00" (the form scripts use); nullopt-like false on a malformed text.
bool parseDateTime(const std::string& text, DateTime& out);

}  // namespace sv::ui
