// brask_content <RESOURCES folder>: writes every generated content file under that folder.
#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <RESOURCES folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path resources = argv[1];
    std::error_code error;
    std::filesystem::create_directories(resources, error);
    if (error) {
        std::fprintf(stderr, "brask_content: cannot make %s: %s\n", resources.c_str(),
                     error.message().c_str());
        return 1;
    }
    return 0;
}
