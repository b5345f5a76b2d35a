// "option.ret" (Windows-1252 on disk): what is read stays in range and survives being written and read again.
#include "fuzz.h"
#include "records/options.h"
#include "ui/text.h"

using namespace sv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = text::fromCp1252({reinterpret_cast<const char*>(data), size});
    const auto o = records::parseOptions(file);
    if (!o) return 0;
    FUZZ_CHECK(o->Quest >= 1 && o->Quest <= 3);
    FUZZ_CHECK(o->SonYN == 0 || o->SonYN == 1);
    FUZZ_CHECK(o->Minut == 0 || o->Minut == 1);
    FUZZ_CHECK(o->Duree == 60 || o->Duree == 120 || o->Duree == 180 || o->Duree == 300);
    for (const std::string* name : {&o->NomJ1, &o->NomJ2, &o->NomJ3}) {
        FUZZ_CHECK(name->find_first_of("\r\n") == std::string::npos);
    }
    // Written as the program writes it (unrepresentable characters as '?') and read back.
    const std::string written = text::toCp1252Lossy(records::encodeOptions(*o));
    const auto again = records::parseOptions(text::fromCp1252(written));
    FUZZ_CHECK(again && *again == *o);
    return 0;
}
