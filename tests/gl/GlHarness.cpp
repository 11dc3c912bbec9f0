#include "tests/gl/GlHarness.h"

#include <GL/gl.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "app/Window.h"
#include "platform/Services.h"
#include "platform/sdl/SdlDisplay.h"
#include "render/GLExtensions.h"
#include "render/GraphicsSystem.h"

namespace gltest {
namespace {

long IgnoreMessages(const platform::WindowMessage&) {
    return 0;
}

// Lives until the program ends, so the context outlives every test.
platform::SdlDisplay* display = nullptr;

}  // namespace

GlHarness& GlHarness::Get() {
    static GlHarness harness;
    return harness;
}

GlHarness::GlHarness() {
    // No X server is needed: Mesa renders into an offscreen surface.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("BRASK_NO_PACING", "1", 0);
    display = new platform::SdlDisplay;
    platform::Services services;
    services.display = display;
    platform::Install(services);
    window.Init("Brask GL test", "Brask GL test", IgnoreMessages, kWidth, kHeight, 32, false);
    if (!window.GetHandle()) {
        why = "no window: " + display->LastError();
        return;
    }
    graphicsSystem.Init(kWidth, kHeight, 32);
    if (!graphicsSystem.renderer || !graphicsSystem.renderer->HasContext() || !window.IsRunning()) {
        why = "no context: " + display->LastError();
        return;
    }
    GLint stencilBits = 0;
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    if (stencilBits < 8) {
        why = "the context has no 8-bit stencil buffer";
        return;
    }
    ready = true;
}

std::vector<unsigned char> GlHarness::ReadPixels() const {
    std::vector<unsigned char> bottomUp(static_cast<size_t>(kWidth) * kHeight * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<unsigned char> topDown(bottomUp.size());
    const size_t rowBytes = static_cast<size_t>(kWidth) * 4;
    for (int row = 0; row < kHeight; ++row)
        std::copy_n(bottomUp.begin() + static_cast<std::ptrdiff_t>(row * rowBytes), rowBytes,
                    topDown.begin() + static_cast<std::ptrdiff_t>((kHeight - 1 - row) * rowBytes));
    return topDown;
}

Rgba GlHarness::Pixel(int x, int y) const {
    unsigned char pixel[4] = {0, 0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, kHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    return {pixel[0], pixel[1], pixel[2], pixel[3]};
}

bool GlHarness::SavePng(const std::string& path) const {
    std::vector<unsigned char> rgba = ReadPixels();
    for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
    return WritePng(path, kWidth, kHeight, rgba);
}

namespace {

std::uint32_t Crc32(const unsigned char* data, size_t size, std::uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBig32(std::vector<unsigned char>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((value >> shift) & 0xFF);
}

void PutChunk(std::vector<unsigned char>& out, const char type[4],
              const std::vector<unsigned char>& body) {
    PutBig32(out, static_cast<std::uint32_t>(body.size()));
    std::vector<unsigned char> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBig32(out, Crc32(typed.data(), typed.size()));
}

}  // namespace

bool WritePng(const std::string& path, int width, int height,
              const std::vector<unsigned char>& rgba) {
    // Filter byte 0 before every row, stored (uncompressed) deflate blocks.
    std::vector<unsigned char> raw;
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    for (int row = 0; row < height; ++row) {
        raw.push_back(0);
        raw.insert(raw.end(), rgba.begin() + static_cast<std::ptrdiff_t>(row * rowBytes),
                   rgba.begin() + static_cast<std::ptrdiff_t>((row + 1) * rowBytes));
    }
    std::vector<unsigned char> zlib = {0x78, 0x01};
    for (size_t at = 0; at < raw.size() || at == 0;) {
        const size_t block = std::min<size_t>(65535, raw.size() - at);
        const bool last = at + block == raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(block & 0xFF);
        zlib.push_back(block >> 8);
        zlib.push_back(~block & 0xFF);
        zlib.push_back((~block >> 8) & 0xFF);
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                    raw.begin() + static_cast<std::ptrdiff_t>(at + block));
        at += block;
        if (last) break;
    }
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(zlib, (b << 16) | a);

    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    PutBig32(header, static_cast<std::uint32_t>(width));
    PutBig32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(file);
}

GlStateSnapshot GlStateSnapshot::Read() {
    GlStateSnapshot state;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &state.modelviewDepth);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &state.projectionDepth);
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &state.attribDepth);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &state.activeTexture);
    glGetIntegerv(GL_MATRIX_MODE, &state.matrixMode);
    glGetIntegerv(GL_CULL_FACE_MODE, &state.cullFaceMode);
    glGetIntegerv(GL_POLYGON_MODE, state.polygonMode);
    glGetIntegerv(GL_DEPTH_FUNC, &state.depthFunc);
    state.cullFace = glIsEnabled(GL_CULL_FACE);
    state.depthTest = glIsEnabled(GL_DEPTH_TEST);
    state.blend = glIsEnabled(GL_BLEND);
    state.lighting = glIsEnabled(GL_LIGHTING);
    state.stencilTest = glIsEnabled(GL_STENCIL_TEST);
    GLboolean depthMask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    state.depthWrites = depthMask;
    GLboolean colourMask[4] = {};
    glGetBooleanv(GL_COLOR_WRITEMASK, colourMask);
    for (int i = 0; i < 4; ++i) state.colourWrites[i] = colourMask[i];
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    ext::glActiveTextureARB(GL_TEXTURE1);
    state.texture2DUnit1 = glIsEnabled(GL_TEXTURE_2D);
    glGetIntegerv(GL_TEXTURE_STACK_DEPTH, &state.textureDepth);
    ext::glActiveTextureARB(GL_TEXTURE0);
    state.texture2DUnit0 = glIsEnabled(GL_TEXTURE_2D);
    state.texture1DUnit0 = glIsEnabled(GL_TEXTURE_1D);
    ext::glActiveTextureARB(static_cast<GLenum>(active));
    return state;
}

void PrintTo(const GlStateSnapshot& s, std::ostream* out) {
    *out << "{stacks mv " << s.modelviewDepth << " proj " << s.projectionDepth << " tex "
         << s.textureDepth << " attrib " << s.attribDepth << ", active texture 0x" << std::hex
         << s.activeTexture << ", matrix mode 0x" << s.matrixMode << ", cull 0x" << s.cullFaceMode
         << (s.cullFace ? " on" : " off") << ", polygon 0x" << s.polygonMode[0] << "/0x"
         << s.polygonMode[1] << ", depth func 0x" << s.depthFunc << std::dec << ", depth test "
         << s.depthTest << ", blend " << s.blend << ", lighting " << s.lighting << ", stencil "
         << s.stencilTest << ", depth writes " << s.depthWrites << ", colour writes "
         << s.colourWrites[0] << s.colourWrites[1] << s.colourWrites[2] << s.colourWrites[3]
         << ", tex2D u0 " << s.texture2DUnit0 << " u1 " << s.texture2DUnit1 << ", tex1D u0 "
         << s.texture1DUnit0 << "}";
}

}  // namespace gltest
