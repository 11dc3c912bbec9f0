// Fonts and text printing: glyphs rasterised by the platform, compiled into one display list
// per character by the canvas, and printed by bytes.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/Fonts.h"
#include "platform/Services.h"
#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"

namespace {

constexpr std::size_t kPrintBufferSize = 256;

// Only codes 32 to 219 have glyphs; any other byte would reach the lists of another font.
std::string Printable(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= platform::kFirstGlyphCode && code <= platform::kLastGlyphCode)
            kept.push_back(c);
    }
    return kept;
}

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
std::string Format(const char* format, va_list arguments) {
    char buffer[kPrintBufferSize];
    const int written = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    return written < 0 ? std::string() : std::string(buffer);
}
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace

int MenuSystem::CreateFont(const char* face, int height, bool bold, bool italic, bool) {
    if (fontCount >= kMaxFonts) {
        std::fprintf(stderr, "menus: no room for an eleventh font (%s)\n", face ? face : "");
        return -1;
    }
    platform::FontRequest request;
    request.face = face ? face : "";
    request.height = height;
    request.bold = bold;
    request.italic = italic;
    platform::GlyphSet glyphs;
    std::string error;
    int base = -1;
    std::vector<float>& advances = fontAdvances[static_cast<std::size_t>(fontCount)];
    advances.clear();
    if (platform::GetFonts().Rasterise(request, glyphs, error)) {
        base = GetMenuCanvas().CompileFont(glyphs);
        for (const platform::Glyph& glyph : glyphs.glyphs) advances.push_back(glyph.advance);
    } else if (reportedFontProblems.insert(error).second) {
        // Said once; the font keeps its index and its text is not drawn.
        std::fprintf(stderr, "menus: %s; text in that font is not drawn\n", error.c_str());
    }
    fontBase[static_cast<std::size_t>(fontCount)] = base;
    return fontCount++;
}

int MenuSystem::GetFontBase(int font) const {
    if (font < 0 || font >= fontCount) return -1;
    return fontBase[static_cast<std::size_t>(font)];
}

float MenuSystem::TextWidth(int font, std::string_view text) const {
    if (font < 0 || font >= fontCount) return 0.0f;
    const std::vector<float>& advances = fontAdvances[static_cast<std::size_t>(font)];
    float width = 0.0f;
    for (unsigned char code : Printable(text)) {
        const std::size_t index = code - platform::kFirstGlyphCode;
        if (index < advances.size()) width += advances[index];
    }
    return width;
}

int MenuSystem::PrintableBase(int font) const {
    return GetFontBase(font);
}

void MenuSystem::PrintText2D(int font, float x, float y, const float rgb[3],
                             std::string_view text) {
    const int base = PrintableBase(font);
    if (base < 0) return;
    const std::string kept = Printable(text.substr(0, kPrintBufferSize - 1));
    if (kept.empty()) return;
    GetMenuCanvas().DrawText2D(base, x, y, rgb, kept);
}

void MenuSystem::Print2D(int font, float x, float y, float r, float g, float b, const char* format,
                         ...) {
    if (!format) return;
    va_list arguments;
    va_start(arguments, format);
    const std::string text = Format(format, arguments);
    va_end(arguments);
    const float rgb[3] = {r, g, b};
    PrintText2D(font, x, y, rgb, text);
}

void MenuSystem::Print3D(int font, float x, float y, float z, float r, float g, float b,
                         const char* format, ...) {
    const int base = PrintableBase(font);
    if (!format || base < 0) return;
    va_list arguments;
    va_start(arguments, format);
    const std::string kept = Printable(Format(format, arguments));
    va_end(arguments);
    if (kept.empty()) return;
    const float rgb[3] = {r, g, b};
    GetMenuCanvas().DrawText3D(base, x, y, z, rgb, kept);
}

void MenuSystem::TypeText(int font, float x, float y, const float rgb[3], int charsPerLine,
                          std::string_view text) {
    typewriter.Advance(text, charsPerLine);
    // Lines are this many pixels apart.
    constexpr float kLineSpacing = 20.0f;
    for (int line = 0; line <= typewriter.GetLine(); ++line)
        PrintText2D(font, x, y + kLineSpacing * line, rgb, typewriter.GetLineText(line));
}

void MenuSystem::PrintTypewriter(int font, float x, float y, float r, float g, float b,
                                 int charsPerLine, const char* format, ...) {
    if (!format) {
        typewriter.Reset();
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    const std::string text = Format(format, arguments);
    va_end(arguments);
    const float rgb[3] = {r, g, b};
    TypeText(font, x, y, rgb, charsPerLine, text);
}

void MenuSystem::DeleteFonts() {
    for (int i = 0; i < fontCount; ++i) {
        int& base = fontBase[static_cast<std::size_t>(i)];
        if (base >= 0) GetMenuCanvas().DeleteFont(base);
        base = -1;
    }
    // Released once: a second call finds nothing to release.
    fontCount = 0;
}
