#include "app/FileLoader.h"

#include <filesystem>
#include <sstream>
#include <system_error>

#include "app/BoundingBoxFile.h"
#include "app/LevelFile.h"
#include "app/TagFile.h"
#include "platform/ContentLimits.h"
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
    reportedModels.clear();
}

// The resolution is fixed; no file is read.
void FileLoader::GetScreenSize(const char*, int* width, int* height) {
    if (width) *width = 1024;
    if (height) *height = 768;
}

std::vector<EntityDesc> FileLoader::ReadLevelFile(std::string path, std::string* texture1,
                                                  std::string* texture2, std::string* texture3,
                                                  int* gridSizeX, int* gridSizeZ) const {
    std::istringstream file;
    if (!platform::OpenContentText(path, contentlimits::kMaxLevelFileBytes, file)) return {};
    return ParseLevelFile(file, texture1, texture2, texture3, gridSizeX, gridSizeZ);
}

std::vector<Box> FileLoader::ReadBoundingBoxes(std::string name) const {
    std::istringstream file;
    if (!platform::OpenContentText(root + "\\RESOURCES\\Files\\BoundingBoxes\\" + name,
                                   contentlimits::kMaxBoundingBoxFileBytes, file))
        return {};
    return ParseBoundingBoxes(file);
}

std::map<std::string, std::string> FileLoader::ReadTagFile(const char* path) const {
    std::istringstream file;
    if (!path || !platform::OpenContentText(path, contentlimits::kMaxTagFileBytes, file)) return {};
    return ParseTagFile(file);
}
