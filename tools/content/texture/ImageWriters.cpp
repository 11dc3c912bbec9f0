#include "tools/content/texture/ImageWriters.h"

// clang-format off
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <cstdlib>
#include <fstream>

namespace content::texture {
namespace {

void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void JumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->escape, 1);
}

bool Compress(jpeg_compress_struct& info, const Image& image, int quality, bool fullChroma,
              unsigned char** buffer, unsigned long* size) {
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (fullChroma)
        for (int c = 0; c < info.num_components; ++c)
            info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.At(0, static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Image& image, bool topDown) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLittle(out, 54 + pixelBytes, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, 54, 4);
    PutLittle(out, 40, 4);
    PutLittle(out, static_cast<std::uint32_t>(image.width), 4);
    PutLittle(out, static_cast<std::uint32_t>(topDown ? -image.height : image.height), 4);
    PutLittle(out, 1, 2);   // planes
    PutLittle(out, 24, 2);  // bits per pixel
    PutLittle(out, 0, 4);   // no compression
    PutLittle(out, pixelBytes, 4);
    PutLittle(out, 2835, 4);  // 72 dots per inch
    PutLittle(out, 2835, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, 0, 4);
    for (int row = 0; row < image.height; ++row) {
        const int y = topDown ? row : image.height - 1 - row;
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* pixel = image.At(x, y);
            out.push_back(pixel[2]);
            out.push_back(pixel[1]);
            out.push_back(pixel[0]);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(image.width) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

bool EncodeJpeg(const Image& image, int quality, std::vector<std::uint8_t>& bytes,
                std::string& error, bool fullChroma) {
    bytes.clear();
    if (image.channels != 3 || image.width <= 0 || image.height <= 0) {
        error = "a JPEG picture needs RGB pixels";
        return false;
    }
    jpeg_compress_struct info{};
    JumpingErrorManager manager;
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = JumpOnError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    volatile bool done = false;
    if (setjmp(manager.escape) == 0) {
        jpeg_create_compress(&info);
        done = Compress(info, image, quality, fullChroma, &buffer, &size);
    } else {
        error = manager.message;
    }
    jpeg_destroy_compress(&info);
    if (done && buffer) bytes.assign(buffer, buffer + size);
    std::free(buffer);
    return done;
}

std::vector<std::uint8_t> EncodeTga(const Image& image) {
    std::vector<std::uint8_t> out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    PutLittle(out, static_cast<std::uint32_t>(image.width), 2);
    PutLittle(out, static_cast<std::uint32_t>(image.height), 2);
    out.push_back(static_cast<std::uint8_t>(image.channels * 8));
    out.push_back(image.channels == 4 ? 8 : 0);  // alpha bits; origin bottom left
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* pixel = image.At(x, y);
            out.push_back(pixel[2]);
            out.push_back(pixel[1]);
            out.push_back(pixel[0]);
            if (image.channels == 4) out.push_back(pixel[3]);
        }
    }
    return out;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
               std::string& error) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

}  // namespace content::texture
