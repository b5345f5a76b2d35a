// Text helpers: UTF-8 in memory, Windows-1252 on disk, and character-wise (not byte-wise) cuts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sv::text {

// UTF-8 to Windows-1252 bytes; nullopt when a character has no Windows-1252 form or the
// input is not valid UTF-8.
std::optional<std::string> toCp1252(std::string_view utf8);

// Same, with every character that Windows-1252 cannot hold replaced by '?'.
std::string toCp1252Lossy(std::string_view utf8);

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves undefined map to the
// control characters of the same value, so every byte sequence converts.
std::string fromCp1252(std::string_view bytes);

// True when every character of the UTF-8 text has a Windows-1252 form.
bool isCp1252(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text.
std::size_t length(std::string_view utf8);

// The first n characters of a UTF-8 text.
std::string left(std::string_view utf8, std::size_t n);

// Everything after the first n characters.
std::string mid(std::string_view utf8, std::size_t n);

// The last n characters.
std::string right(std::string_view utf8, std::size_t n);

}  // namespace sv::text
