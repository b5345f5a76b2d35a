// The Windows-1252 codec and the character-wise cuts, on any bytes.
#include "fuzz.h"
#include "ui/text.h"

using namespace sv;

namespace {

// The cuts at every character count agree with each other and with the length.
void checkCuts(std::string_view s) {
    const std::size_t len = text::length(s);
    for (std::size_t n = 0; n <= len + 1; ++n) {
        const std::string l = text::left(s, n), m = text::mid(s, n), r = text::right(s, n);
        FUZZ_CHECK(l + m == s);
        FUZZ_CHECK(text::length(l) == std::min(n, len));
        FUZZ_CHECK(text::length(r) == std::min(n, len) && s.ends_with(r));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Disk to memory and back: every byte string, one character per byte.
    const std::string utf8 = text::fromCp1252(bytes);
    FUZZ_CHECK(text::length(utf8) == size && text::isCp1252(utf8));
    const auto back = text::toCp1252(utf8);
    FUZZ_CHECK(back && *back == bytes);
    FUZZ_CHECK(text::toCp1252Lossy(utf8) == bytes);

    // The same bytes taken as UTF-8: converted only when valid and representable, then exactly.
    const auto cp = text::toCp1252(bytes);
    FUZZ_CHECK(text::isCp1252(bytes) == cp.has_value());
    const std::string lossy = text::toCp1252Lossy(bytes);
    FUZZ_CHECK(lossy.size() <= size);
    if (cp) {
        FUZZ_CHECK(text::fromCp1252(*cp) == bytes);
        FUZZ_CHECK(lossy == *cp && cp->size() == text::length(bytes));
    }

    if (size <= 256) {
        checkCuts(bytes);
        checkCuts(utf8);
    }
    return 0;
}
