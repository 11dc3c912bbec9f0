// Any bytes as a line file, read by a sequence of reader calls that the first bytes choose:
// the three line readers with formats of the game and one taken from the input, the brace
// skip and both quoted readers. Every sequence ends with the stream.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/FileLoader.h"

namespace {

const char* const kFormats[] = {
    "num particles = %i",
    "position = %i, %i",
    "window color = %f, %f, %f, %f",
    "fade in duration  = %f",
    "name = %s",
    "portrait[%i]",
    "pos.x = %f, %f",
    "color transparency = %i, %i, %i",
    "smoke effects = %s",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    // The input's own first line is a format too.
    const std::string ownFormat = text.substr(0, text.find('\n'));
    std::istringstream in(text);
    std::uint32_t choice = data[0] | (data[1] << 8);
    int ints[4] = {};
    float floats[4] = {};
    std::string words[4];
    for (int step = 0; step < 4096 && in; ++step) {
        const unsigned op = choice % 6;
        const unsigned which = (choice / 6) % 10;
        choice = choice * 1103515245u + 12345u;
        const char* format = which < 9 ? kFormats[which] : ownFormat.c_str();
        switch (op) {
            case 0:
                FileLoader::ReadIntLine(&in, format, &ints[0], &ints[1], &ints[2], &ints[3]);
                break;
            case 1:
                FileLoader::ReadFloatLine(&in, format, &floats[0], &floats[1], &floats[2],
                                          &floats[3]);
                break;
            case 2:
                FileLoader::ReadStringLine(&in, format, &words[0], &words[1], &words[2], &words[3]);
                break;
            case 3:
                FileLoader::SkipText(&in, "{");
                break;
            case 4:
                FileLoader::ReadQuotedString(&in, &words[0]);
                break;
            case 5:
                FileLoader::ReadQuotedValue(&in, "dialogue text = %s", &words[1]);
                break;
        }
    }
    return 0;
}
