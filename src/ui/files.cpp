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

namespace {

FaultHook gFaults;  // tests only

// True when the operation is to fail (errno then says why).
bool failing(std::string_view operation) {
    if (!gFaults) return false;
    const int e = gFaults(operation);
    if (e == 0) return false;
    errno = e;
    return true;
}

}  // namespace

void setFaultHook(FaultHook hook) { gFaults = std::move(hook); }

std::string readText(const fs::path& path) {
    std::error_code ec;
    if (missing(path)) throw RuntimeError(err::kFileNotFound);
    if (!fs::is_regular_file(path, ec)) throw RuntimeError(err::kPathFileAccess);
    if (failing("open")) throw RuntimeError(err::kPathFileAccess);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RuntimeError(err::kPathFileAccess);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || failing("read")) throw RuntimeError(err::kPathFileAccess);
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
        const int fd = failing("open") ? -1 : ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) throw RuntimeError(err::kPathFileAccess);
        const std::string bytes = text::toCp1252Lossy(utf8);
        std::size_t done = 0;
        bool ok = true;
        while (ok && done < bytes.size()) {
            if (failing("write")) {
                if (bytes.size() - done > 1) (void)!::write(fd, bytes.data() + done, (bytes.size() - done) / 2);
                ok = false;
                break;
            }
            const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            ok = n > 0;
            if (ok) done += static_cast<std::size_t>(n);
        }
        ok = ok && !failing("fsync") && ::fsync(fd) == 0;
        ok = !failing("close") & (::close(fd) == 0) && ok;
        if (!ok) {
            fs::remove(temp, ec);
            throw RuntimeError(err::kPathFileAccess);
        }
    }
    if (failing("rename")) {
        ec = std::error_code(errno, std::generic_category());
    } else {
        fs::rename(temp, path, ec);
    }
    if (ec) {
        fs::remove(temp, ec);
        throw RuntimeError(err::kPathFileAccess);
    }
}

std::string withLine(std::string_view text, std::string_view line) {
    std::string out(text);
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
    out += line;
    out += "\r\n";
    return out;
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
    if (fs::is_directory(fs::symlink_status(path, ec)) || failing("remove") || !fs::remove(path, ec) || ec) {
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
