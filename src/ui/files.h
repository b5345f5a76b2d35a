// The program's text files: Windows-1252 on disk, UTF-8 in memory, CR LF line ends.
// A file that is replaced is written to a temporary file beside it and renamed over the old
// one, so a crash or a full disk never leaves it half-written.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sv::files {

// Reads a whole file as UTF-8. Throws RuntimeError 53 when it does not exist, 75 when it
// cannot be read (no permission, a folder of that name).
std::string readText(const std::filesystem::path& path);

// Replaces the file's content. Characters that Windows-1252 cannot hold are written as '?'.
// Throws RuntimeError 75 (or 76 for a missing folder) when the file cannot be written; the
// old content is then untouched.
void writeTextAtomic(const std::filesystem::path& path, std::string_view utf8);

// A text with one more line (and its CR LF) at its end, on a line of its own even when the
// text's last line has no line end (a file edited by hand).
std::string withLine(std::string_view text, std::string_view line);

bool exists(const std::filesystem::path& path);

// True when nothing at all stands at the path; throws RuntimeError 75 when that cannot be told.
// A folder or an unreadable file of that name is not missing: reading it reports the failure.
bool missing(const std::filesystem::path& path);

// Deletes the file; a missing file is no error. Throws RuntimeError 75 when something that is
// not a file stands there or the file cannot be deleted.
void remove(const std::filesystem::path& path);

// For tests: every operation the file layer makes on the disk ("open", "read", "write",
// "fsync", "close", "rename", "remove") first asks the hook; a non-zero answer is the error
// number the operation then fails with (a failed "write" writes half its bytes first, as a
// disk that fills up does). An empty hook (the default) lets everything through.
using FaultHook = std::function<int(std::string_view operation)>;
void setFaultHook(FaultHook hook);

// Splits a text into its lines at CR LF (a lone LF or CR also ends a line). A text that ends
// with a line end has no empty last line: "a\r\nb\r\n" gives {"a", "b"}.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace sv::files
