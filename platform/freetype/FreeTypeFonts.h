#pragma once
// Glyphs rasterised by FreeType from the TrueType faces installed on the system.
#include <filesystem>
#include <string>

#include "platform/Fonts.h"

namespace platform {

class FreeTypeFonts : public Fonts {
public:
    // Faces are looked up in `folder` (the fonts-liberation folder by default).
    explicit FreeTypeFonts(std::filesystem::path folder = DefaultFolder());
    bool Rasterise(const FontRequest& request, GlyphSet& glyphs, std::string& error) override;

    static std::filesystem::path DefaultFolder();
    // The file that stands for a face in a weight and slant, or empty for an unknown face.
    static std::string FileFor(const std::string& face, bool bold, bool italic);
    // The Unicode code point of a Windows-1252 byte; 0 where the code page has none.
    static unsigned UnicodeOf(unsigned char code);

private:
    std::filesystem::path folder;
};

}  // namespace platform
