#pragma once
// The one object through which the game reads its content files.
#include <string>

class FileLoader {
public:
    FileLoader() = default;
    ~FileLoader() { ReleaseModelLoader(); }
    FileLoader(const FileLoader&) = delete;
    FileLoader& operator=(const FileLoader&) = delete;

    // The root becomes the working directory.
    void Init();
    void ReleaseModelLoader() {}
    void GetScreenSize(const char* fileName, int* width, int* height);
    const std::string& GetRoot() const { return root; }

private:
    std::string root;
};

extern FileLoader fileLoader;
