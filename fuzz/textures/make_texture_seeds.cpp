// fuzz_make_texture_seeds <folder>: small good pictures of each format (and a shade ramp) as
// the texture fuzzers' starting inputs.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/content/texture/ImageWriters.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    using content::texture::Image;
    Image rgb(5, 3);
    Image rgba(4, 4, 4);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) rgb.Set(x, y, {x / 4.0f, y / 2.0f, 0.5f});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) rgba.Set(x, y, {0.2f, x / 3.0f, y / 3.0f}, 0.5f);
    std::string error;
    std::vector<std::uint8_t> jpeg;
    std::vector<std::uint8_t> jpegLarger;
    Image larger(32, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) larger.Set(x, y, {x / 31.0f, 0.3f, y / 15.0f});
    if (!content::texture::EncodeJpeg(rgb, 75, jpeg, error) ||
        !content::texture::EncodeJpeg(larger, 90, jpegLarger, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const struct {
        const char* file;
        std::vector<std::uint8_t> bytes;
    } seeds[] = {
        {"bmp/bottom_up.bmp", content::texture::EncodeBmp(rgb)},
        {"bmp/top_down.bmp", content::texture::EncodeBmp(rgb, true)},
        {"jpeg/small.jpg", jpeg},
        {"jpeg/larger.jpg", jpegLarger},
        {"tga/rgb.tga", content::texture::EncodeTga(rgb)},
        {"tga/rgba.tga", content::texture::EncodeTga(rgba)},
    };
    for (const auto& seed : seeds) {
        std::filesystem::create_directories((folder / seed.file).parent_path());
        if (!content::texture::WriteFile(folder / seed.file, seed.bytes, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
    }
    std::filesystem::create_directories(folder / "shade_ramp");
    std::ofstream(folder / "shade_ramp" / "shader.txt") << "0.4\n0.4\n0.7\r\n1\n  0.25e0\n";
    return 0;
}
