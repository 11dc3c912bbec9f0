#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "platform/ContentLimits.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

// The entry of `folder` whose name matches `name` ignoring case.
std::optional<std::string> FindIgnoringCase(const fs::path& folder, const std::string& name) {
    std::optional<std::string> match;
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::string entry = it->path().filename().string();
        if (EqualIgnoringCase(entry, name) && (!match || entry < *match)) match = std::move(entry);
    }
    return match;
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor(descriptor) {}
    ~Descriptor() { ::close(descriptor); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

private:
    int descriptor;
};

// Reads to the end, but no more than `maxBytes`: the file may grow while it is read.
ContentRead ReadAtMost(int descriptor, std::size_t maxBytes, std::string& bytes) {
    constexpr std::size_t kChunk = 64 * 1024;
    for (;;) {
        const std::size_t start = bytes.size();
        const std::size_t want = std::min(kChunk, maxBytes + 1 - start);
        bytes.resize(start + want);
        const ssize_t got = ::read(descriptor, bytes.data() + start, want);
        if (got < 0 && errno == EINTR) {
            bytes.resize(start);
            continue;
        }
        if (got < 0) return ContentRead::ReadError;
        bytes.resize(start + static_cast<std::size_t>(got));
        if (bytes.size() > maxBytes) return ContentRead::TooLarge;
        if (got == 0) return ContentRead::Read;
    }
}

// The longest line of `text`, not counting its line break.
std::size_t LongestLine(const std::string& text) {
    std::size_t longest = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        // The CR of a CR LF is no part of the line.
        const bool carriageReturn = end > start && text[end - 1] == '\r';
        longest = std::max(longest, end - start - (carriageReturn ? 1 : 0));
        start = end + 1;
    }
    return longest;
}

}  // namespace

std::filesystem::path ResolveContentPath(std::string_view text) {
    std::string written(text);
    std::replace(written.begin(), written.end(), '\\', '/');
    const fs::path path(written);
    std::error_code error;
    if (fs::exists(path, error)) return path;

    fs::path resolved = path.root_path();
    for (const fs::path& part : path.relative_path()) {
        const std::string name = part.string();
        if (name.empty()) continue;
        const fs::path exact = resolved / part;
        if (name == "." || name == ".." || fs::exists(exact, error)) {
            resolved = exact;
            continue;
        }
        const std::optional<std::string> match = FindIgnoringCase(resolved, name);
        if (!match) return path;
        resolved /= *match;
    }
    return resolved;
}

ContentRead ReadContentFile(std::string_view path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    // Opened without waiting: a FIFO with no writer would otherwise hold the open for ever.
    const int descriptor =
        ::open(ResolveContentPath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENOENT || errno == ENOTDIR ? ContentRead::Missing : ContentRead::ReadError;
    const Descriptor file{descriptor};
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) return ContentRead::ReadError;
    if (!S_ISREG(status.st_mode)) return ContentRead::NotAFile;
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) return ContentRead::TooLarge;
    const ContentRead result = ReadAtMost(descriptor, maxBytes, bytes);
    if (result != ContentRead::Read) bytes.clear();
    return result;
}

ContentRead ReadContentText(std::string_view path, std::size_t maxBytes, std::string& bytes) {
    const ContentRead result = ReadContentFile(path, maxBytes, bytes);
    if (result != ContentRead::Read) return result;
    if (LongestLine(bytes) > contentlimits::kMaxLineBytes) {
        bytes.clear();
        return ContentRead::LineTooLong;
    }
    return result;
}

bool OpenContentText(std::string_view path, std::size_t maxBytes, std::istringstream& text) {
    std::string bytes;
    const bool read = ReadContentText(path, maxBytes, bytes) == ContentRead::Read;
    text.str(std::move(bytes));
    text.clear();
    return read;
}

bool StampContentFile(std::string_view path, ContentStamp& stamp) {
    const fs::path file = ResolveContentPath(path);
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    std::error_code error;
    stamp.where = fs::absolute(file, error).lexically_normal().string();
    if (error) return false;
    stamp.file = static_cast<std::uintmax_t>(status.st_ino);
    stamp.size = static_cast<std::uintmax_t>(status.st_size);
    stamp.changed = fs::last_write_time(file, error);
    return !error;
}

}  // namespace platform
