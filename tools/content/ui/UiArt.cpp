#include "tools/content/ui/UiArt.h"

// clang-format off
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <algorithm>

#include "tools/content/texture/ImageWriters.h"

namespace content::ui {
namespace {

constexpr int kJpegQuality = 92;
// Keyed JPEGs: every coefficient kept exactly, no chroma subsampling.
constexpr int kKeyedJpegQuality = 100;

std::vector<UiPicture> MakeList() {
    std::vector<UiPicture> list;
    AddBackgrounds(list);
    AddWidgets(list);
    AddPages(list);
    AddPortraits(list);
    AddInfoSheets(list);
    return list;
}

struct QuietErrors {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<QuietErrors*>(info->err)->escape, 1);
}

// Decodes our own JPEG back to RGB rows, top row first.
bool DecodeOwnJpeg(const std::vector<std::uint8_t>& bytes, std::vector<std::uint8_t>& rgb) {
    jpeg_decompress_struct info{};
    QuietErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    volatile bool done = false;
    if (setjmp(errors.escape) == 0) {
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        const std::size_t rowBytes = static_cast<std::size_t>(info.output_width) * 3;
        rgb.assign(rowBytes * info.output_height, 0);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = rgb.data() + rowBytes * info.output_scanline;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        done = true;
    }
    jpeg_destroy_decompress(&info);
    return done;
}

// Even at the highest quality a JPEG rings by a level or two beside a sharp edge, so a few
// black pixels next to a shape would come back just above the key and show as dark specks
// on one side of the edge and not the other. Those pixels are made a dim grey that clearly
// belongs to the shape's rim, until every remaining black pixel decodes at or below the key.
void SettleKeyedMargin(Image& image) {
    constexpr std::uint8_t kRim = 10;
    for (int pass = 0; pass < 8; ++pass) {
        std::vector<std::uint8_t> bytes, decoded;
        std::string error;
        if (!texture::EncodeJpeg(image, kKeyedJpegQuality, bytes, error, true)) return;
        if (!DecodeOwnJpeg(bytes, decoded)) return;
        bool changed = false;
        for (std::size_t i = 0; i + 2 < image.pixels.size(); i += 3) {
            std::uint8_t* source = image.pixels.data() + i;
            const bool black = source[0] == 0 && source[1] == 0 && source[2] == 0;
            const bool aboveKey =
                std::max({decoded[i], decoded[i + 1], decoded[i + 2]}) > kMenuColourKey;
            if (black && aboveKey) {
                source[0] = source[1] = source[2] = kRim;
                changed = true;
            }
        }
        if (!changed) return;
    }
}

}  // namespace

const std::vector<UiPicture>& UiPictures() {
    static const std::vector<UiPicture> list = MakeList();
    return list;
}

bool PaintPicture(const UiPicture& picture, TextPainter& text, Image& image, std::string& error) {
    if (picture.pixelWidth <= 0 || picture.pixelHeight <= 0) {
        error = std::string("no size for ") + picture.path;
        return false;
    }
    image = Image(picture.pixelWidth, picture.pixelHeight);
    Canvas canvas(image, picture.designWidth, picture.designHeight);
    picture.paint(canvas, text);
    if (picture.colourKeyed && picture.format == texture::Format::Jpeg) SettleKeyedMargin(image);
    return true;
}

bool EncodePicture(const UiPicture& picture, const Image& image, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
    switch (picture.format) {
        case texture::Format::Bmp:
            bytes = texture::EncodeBmp(image);
            return true;
        case texture::Format::Tga:
            bytes = texture::EncodeTga(image);
            return true;
        case texture::Format::Jpeg:
            if (picture.colourKeyed)
                return texture::EncodeJpeg(image, kKeyedJpegQuality, bytes, error, true);
            return texture::EncodeJpeg(image, kJpegQuality, bytes, error);
    }
    error = "unknown format";
    return false;
}

bool GenerateUiArt(const std::filesystem::path& resources, std::string& error) {
    TextPainter text;
    if (!text.Open(error)) return false;
    for (const UiPicture& picture : UiPictures()) {
        const std::filesystem::path path = resources / picture.path;
        std::error_code made;
        std::filesystem::create_directories(path.parent_path(), made);
        if (made) {
            error = "cannot make " + path.parent_path().string() + ": " + made.message();
            return false;
        }
        Image image;
        std::vector<std::uint8_t> bytes;
        if (!PaintPicture(picture, text, image, error)) return false;
        if (!EncodePicture(picture, image, bytes, error)) return false;
        if (!texture::WriteFile(path, bytes, error)) return false;
    }
    return true;
}

}  // namespace content::ui
