#include "ui/files.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>
#include <iterator>
#include <system_error>

#include "ui/error.h"
#include "ui/text.h"

namespace sv::files {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::error_code ec;
    if (missing(path)) throw RuntimeError(err::kFileNotFound);
    if (!fs::is_regular_file(path, ec)) throw RuntimeError(err::kPathFileAccess);
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
        // Written and flushed to the disk before it replaces the old file.
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) throw RuntimeError(err::kPathFileAccess);
        const std::string bytes = text::toCp1252Lossy(utf8);
        std::size_t done = 0;
        bool ok = true;
        while (ok && done < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            ok = n > 0;
            if (ok) done += static_cast<std::size_t>(n);
        }
        ok = ok && ::fsync(fd) == 0;
        ok = ::close(fd) == 0 && ok;
        if (!ok) {
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

void appendLine(const fs::path& path, std::string_view utf8) {
    // A file edited by hand may lack its last line break: the new line does not join it.
    std::string prefix;
    std::error_code ec;
    if (fs::is_regular_file(path, ec) && fs::file_size(path, ec) > 0) {
        std::ifstream in(path, std::ios::binary);
        in.seekg(-1, std::ios::end);
        char last = 0;
        if (in.get(last) && last != '\n' && last != '\r') prefix = "\r\n";
    }
    appendText(path, prefix + std::string(utf8) + "\r\n");
}

bool exists(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool missing(const fs::path& path) {
    std::error_code ec;
    const fs::file_status s = fs::symlink_status(path, ec);
    if (s.type() == fs::file_type::not_found) return true;
    if (ec) throw RuntimeError(err::kPathFileAccess);
    return false;
}

void remove(const fs::path& path) {
    if (missing(path)) return;
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(path, ec)) || !fs::remove(path, ec) || ec) {
        throw RuntimeError(err::kPathFileAccess);
    }
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
