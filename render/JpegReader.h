#pragma once
// Baseline JPEG pictures through libjpeg, decoded from the file's bytes.
#include <cstddef>
#include <string>
#include <vector>

struct JpegImage {
    int rowBytes = 0;  // width x components
    int width = 0;
    int height = 0;
    // RGB rows from the bottom row of the picture up: the picture's first row comes last.
    std::vector<unsigned char> pixels;
};

// Decodes to RGB. A stream the library cannot decode, an oversized picture or one that does
// not give three components fails with the library's reason; it never ends the process.
bool DecodeJpeg(const unsigned char* data, std::size_t size, JpegImage& image, std::string& error);
