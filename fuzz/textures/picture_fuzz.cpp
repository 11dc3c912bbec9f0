// Any bytes as a picture file for one of the texture readers (chosen at build time): either a
// refusal, or a picture whose pixels fill exactly its size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "platform/Images.h"
#include "render/JpegReader.h"
#include "render/ShadeRamp.h"
#include "render/TgaReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#if defined(BRASK_FUZZ_BMP)
    platform::RgbImage image;
    std::string error;
    if (platform::DecodeBmp(data, size, image, error) &&
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 3)
        std::abort();
#elif defined(BRASK_FUZZ_JPEG)
    JpegImage image;
    std::string error;
    if (DecodeJpeg(data, size, image, error) &&
        (image.rowBytes != image.width * 3 ||
         image.pixels.size() != static_cast<std::size_t>(image.rowBytes) * image.height))
        std::abort();
#elif defined(BRASK_FUZZ_TGA)
    TgaImage image;
    if (DecodeTga(data, size, image) &&
        image.pixels.size() !=
            static_cast<std::size_t>(image.width) * image.height * (image.bitsPerPixel / 8))
        std::abort();
#elif defined(BRASK_FUZZ_SHADE_RAMP)
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    ShadeRampTable ramp;
    FillDefaultShadeRamp(ramp);
    const int filled = ReadShadeRamp(in, ramp);
    if (filled < 0 || filled > kShadeRampEntries) std::abort();
#endif
    return 0;
}
