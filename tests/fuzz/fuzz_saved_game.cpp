// Saved games (".par", Windows-1252): refused with a line and an error number, or a game that survives saving.
#include <variant>

#include "fuzz.h"
#include "records/saved_game.h"
#include "ui/files.h"
#include "ui/text.h"

using namespace sv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = text::fromCp1252({reinterpret_cast<const char*>(data), size});
    const auto decoded = records::decodeSavedGame(file);
    if (const auto* e = std::get_if<records::SavedGameError>(&decoded)) {
        FUZZ_CHECK(e->line >= 1 && e->line <= 24);
        FUZZ_CHECK(e->number == 13 || e->number == 62);
        FUZZ_CHECK(!e->describe().empty());
        return 0;
    }
    const records::SavedGame& game = std::get<records::SavedGame>(decoded);
    FUZZ_CHECK(game.type == 1 || game.type == 2);
    const int sides = game.type;
    for (int s = 0; s < sides; ++s) {
        FUZZ_CHECK(game.sides[s].square >= 0 && game.sides[s].square <= 72);
    }
    // Saved as the program saves it, read back as the program reads it.
    const std::string saved = records::encodeSavedGame(game);
    FUZZ_CHECK(files::splitLines(saved).size() == (sides == 2 ? 25u : 14u));
    const auto again = records::decodeSavedGame(text::fromCp1252(text::toCp1252Lossy(saved)));
    const auto* same = std::get_if<records::SavedGame>(&again);
    FUZZ_CHECK(same && *same == game);
    return 0;
}
