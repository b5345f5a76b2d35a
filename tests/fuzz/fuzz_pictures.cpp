// Picture files of any content: the kind check, and a size the program can lay out (as twips in an int).
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "fuzz.h"
#include "ui/pictures.h"

using namespace sv;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("savanto-fuzz-picture-" + std::to_string(getpid()))).string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        FUZZ_CHECK(out.good());
    }
    const int error = ui::pictureFileError(path);
    FUZZ_CHECK(error == 0 || error == 481);
    int width = -1, height = -1;
    if (ui::pictureFileSize(path, width, height)) {
        FUZZ_CHECK(width >= 1 && width <= 20000);
        FUZZ_CHECK(height >= 1 && height <= 20000);
    }
    std::filesystem::remove(path);
    return 0;
}
