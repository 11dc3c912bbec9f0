#pragma once
// Things that stand where a content file should: a FIFO no one writes to, a link to an endless
// device, a reader that must come back in time.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>

namespace hostile {

// A FIFO at `path` with no writer: a reader that waits for one waits for ever.
inline std::filesystem::path MakeFifo(const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
    return path;
}

// A link at `path` to /dev/zero: a file that never ends.
inline std::filesystem::path MakeEndless(const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    std::filesystem::create_symlink("/dev/zero", path);
    return path;
}

// Runs `read` on a thread of its own and fails the test when it has not come back within a
// few seconds; a reader stuck at `fifo` is then let go by opening the FIFO's other end, so
// that the test ends either way.
template <typename Read>
auto WithinSeconds(const std::filesystem::path& fifo, Read read) {
    auto result = std::async(std::launch::async, read);
    if (result.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "the reader waits on " << fifo;
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
    }
    return result.get();
}

}  // namespace hostile
