#include "ui/files.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "ui/error.h"
#include "ui/text.h"

namespace sv::files {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) throw RuntimeError(err::kFileNotFound);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RuntimeError(err::kPathFileAccess);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw RuntimeError(err::kPathFileAccess);
    return text::fromCp1252(bytes);
}

void writeTextAtomic(const fs::path& path, std::string_view utf8) {
    std::error_code ec;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec)) throw RuntimeError(err::kPathNotFound);
    fs::path temp = path;
    temp += ".tmp~";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) throw RuntimeError(err::kPathFileAccess);
        const std::string bytes = text::toCp1252Lossy(utf8);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            throw RuntimeError(err::kPathFileAccess);
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw RuntimeError(err::kPathFileAccess);
    }
}

void appendText(const fs::path& path, std::string_view utf8) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) throw RuntimeError(err::kPathFileAccess);
    const std::string bytes = text::toCp1252Lossy(utf8);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) throw RuntimeError(err::kPathFileAccess);
}

bool exists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

void remove(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;  // characters since the last line end
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending) lines.push_back(current);
    return lines;
}

}  // namespace sv::files
