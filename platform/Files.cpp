#include "platform/Files.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

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

bool OpenContentFile(std::string_view path, std::ifstream& file, std::ios::openmode mode) {
    file.open(ResolveContentPath(path), mode | std::ios::in);
    return file.is_open();
}

}  // namespace platform
