#pragma once
// Content paths as the game writes them: a folder string with backslashes or forward slashes
// (often both in one path) and file names whose case differs between the places that name
// them ("Tank.txt" and "tank.txt"). File names on disk are case-sensitive, so where a path
// component does not exist as written, the one entry of its folder that matches it ignoring
// case is used.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

namespace platform {

// The file on disk that `path` names. When some component matches nothing, the path is
// returned as written (with '/' separators), which then fails to open. Where several entries
// of a folder match ignoring case, the first in byte order is taken.
std::filesystem::path ResolveContentPath(std::string_view path);

// What reading a content file came to. Every failure leaves the bytes empty; the readers
// treat each one as a missing file.
enum class ContentRead {
    Read,
    Missing,
    NotAFile,     // a directory, a FIFO, a device: nothing a reader could come to the end of
    TooLarge,     // more than the kind's cap (platform/ContentLimits.h)
    LineTooLong,  // a text with a line longer than contentlimits::kMaxLineBytes
    ReadError,    // the system could not read it
};

// The one way the game reads a content file: the whole of it at `path`, at most `maxBytes`.
// It never waits on a pipe and never throws.
ContentRead ReadContentFile(std::string_view path, std::size_t maxBytes, std::string& bytes);

// A text file read as above into `text`, refused also when one of its lines is longer than
// contentlimits::kMaxLineBytes; false when nothing was read.
bool OpenContentText(std::string_view path, std::size_t maxBytes, std::istringstream& text);
ContentRead ReadContentText(std::string_view path, std::size_t maxBytes, std::string& bytes);

// One version of a content file: where it is (its absolute path and its file number) with
// its size and the time of its last change, so that what was read from it can be kept until
// it is written again.
struct ContentStamp {
    std::string where;
    std::uintmax_t file = 0;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type changed{};
    bool operator==(const ContentStamp&) const = default;
};

// The stamp of the regular file that `path` names; false when it names none.
bool StampContentFile(std::string_view path, ContentStamp& stamp);

}  // namespace platform
