#include "app/FileLoader.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/BoundingBoxFile.h"
#include "app/LevelFile.h"
#include "app/TagFile.h"
#include "platform/Files.h"

void FileLoader::Init() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    root = error ? std::string(".") : current.string();
    while (root.size() > 1 && (root.back() == '/' || root.back() == '\\')) root.pop_back();
    modelLoaderWanted = true;
}

void FileLoader::ReleaseModelLoader() {
    modelLoader.reset();
    modelLoaderWanted = false;
}

// The resolution is fixed; no file is read.
void FileLoader::GetScreenSize(const char*, int* width, int* height) {
    if (width) *width = 1024;
    if (height) *height = 768;
}

std::vector<EntityDesc> FileLoader::ReadLevelFile(std::string path, std::string* texture1,
                                                  std::string* texture2, std::string* texture3,
                                                  int* gridSizeX, int* gridSizeZ) const {
    std::ifstream file;
    if (!platform::OpenContentFile(path, file)) return {};
    return ParseLevelFile(file, texture1, texture2, texture3, gridSizeX, gridSizeZ);
}

std::vector<Box> FileLoader::ReadBoundingBoxes(std::string name) const {
    std::ifstream file;
    if (!platform::OpenContentFile(root + "\\RESOURCES\\Files\\BoundingBoxes\\" + name, file))
        return {};
    return ParseBoundingBoxes(file);
}

std::map<std::string, std::string> FileLoader::ReadTagFile(const char* path) const {
    std::ifstream file;
    if (!path || !platform::OpenContentFile(path, file)) return {};
    return ParseTagFile(file);
}
