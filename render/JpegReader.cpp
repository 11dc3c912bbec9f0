#include "render/JpegReader.h"

// clang-format off
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include "platform/Images.h"

namespace {

// libjpeg's own handler ends the process on any error; this one jumps back to the decoder.
struct ReturningErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void ReturnOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ReturningErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->escape, 1);
}

// Warnings (a truncated stream is padded by the library) stay quiet.
void IgnoreMessage(j_common_ptr) {}

// Kept apart from the set-up so that no object with a destructor lives between the
// jump and its target.
bool Decode(jpeg_decompress_struct& info, JpegImage& image, std::string& error) {
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        error = "no JPEG image";
        return false;
    }
    if (info.image_width > static_cast<unsigned>(platform::kMaxImageSide) ||
        info.image_height > static_cast<unsigned>(platform::kMaxImageSide)) {
        error = "JPEG size out of range";
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        error = "JPEG does not decode to three components";
        return false;
    }
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.rowBytes = image.width * info.output_components;
    image.pixels.assign(static_cast<std::size_t>(image.rowBytes) * image.height, 0);
    while (info.output_scanline < info.output_height) {
        // The picture's first row lands in the last row: OpenGL's rows run bottom up.
        const std::size_t row = info.output_height - 1 - info.output_scanline;
        JSAMPROW target = image.pixels.data() + row * static_cast<std::size_t>(image.rowBytes);
        if (jpeg_read_scanlines(&info, &target, 1) != 1) {
            error = "JPEG rows missing";
            return false;
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

bool DecodeJpeg(const unsigned char* data, std::size_t size, JpegImage& image, std::string& error) {
    image = JpegImage{};
    if (!data || size == 0) {
        error = "empty JPEG file";
        return false;
    }
    jpeg_decompress_struct info{};
    ReturningErrorManager manager;
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = ReturnOnError;
    manager.base.output_message = IgnoreMessage;
    manager.message[0] = '\0';
    volatile bool decoded = false;
    if (setjmp(manager.escape) == 0) {
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
        decoded = Decode(info, image, error);
    } else {
        error = manager.message;
    }
    jpeg_destroy_decompress(&info);
    if (!decoded) image = JpegImage{};
    return decoded;
}
