#include "app/FileLoader.h"

#include <filesystem>
#include <system_error>

void FileLoader::Init() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    root = error ? std::string(".") : current.string();
    while (root.size() > 1 && (root.back() == '/' || root.back() == '\\')) root.pop_back();
}

// The resolution is fixed; no file is read.
void FileLoader::GetScreenSize(const char*, int* width, int* height) {
    if (width) *width = 1024;
    if (height) *height = 768;
}
