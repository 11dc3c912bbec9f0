#include "platform/fake/FakePlatform.h"

namespace platform {

std::string FakeDisplay::extensions;

namespace {

// Entry points that a test may call through: each does nothing.
void NoActiveTexture(unsigned) {}
void NoMultiTexCoord1f(unsigned, float) {}
void NoMultiTexCoord2f(unsigned, float, float) {}
void NoPointParameterf(unsigned, float) {}
void NoPointParameterfv(unsigned, const float*) {}
void NoActiveStencilFace(unsigned) {}
void NoEntryPoint() {}

void* NoOpFor(const std::string& name) {
    if (name == "glActiveTextureARB") return reinterpret_cast<void*>(&NoActiveTexture);
    if (name == "glMultiTexCoord1fARB") return reinterpret_cast<void*>(&NoMultiTexCoord1f);
    if (name == "glMultiTexCoord2fARB") return reinterpret_cast<void*>(&NoMultiTexCoord2f);
    if (name == "glPointParameterfARB") return reinterpret_cast<void*>(&NoPointParameterf);
    if (name == "glPointParameterfvARB") return reinterpret_cast<void*>(&NoPointParameterfv);
    if (name == "glActiveStencilFaceEXT") return reinterpret_cast<void*>(&NoActiveStencilFace);
    return reinterpret_cast<void*>(&NoEntryPoint);
}

void Record(CallLog* log, const char* call) {
    if (log) log->push_back(call);
}

const unsigned char* FakeGetString(unsigned name) {
    constexpr unsigned GL_EXTENSIONS = 0x1F03;
    return name == GL_EXTENSIONS
               ? reinterpret_cast<const unsigned char*>(FakeDisplay::extensions.c_str())
               : nullptr;
}
}  // namespace

FakeDisplay::FakeDisplay() {
    extensions = "GL_ARB_multitexture GL_EXT_stencil_two_side";
    procs["glGetString"] = reinterpret_cast<void*>(&FakeGetString);
    for (const char* name : {"glActiveTextureARB", "glMultiTexCoord1fARB", "glMultiTexCoord2fARB",
                             "glActiveStencilFaceEXT"})
        Provide(name);
}

void FakeDisplay::Provide(const std::string& name) {
    procs[name] = NoOpFor(name);
}

WindowResult FakeDisplay::CreateWindow(const std::string& newTitle, int newWidth, int newHeight,
                                       int, bool newFullscreen) {
    Record(log, "display.CreateWindow");
    if (windowResult != WindowResult::Ok) return windowResult;
    title = newTitle;
    width = newWidth;
    height = newHeight;
    fullscreen = newFullscreen;
    windowOpen = true;
    ++windowsCreated;
    return WindowResult::Ok;
}

void FakeDisplay::DestroyWindow() {
    Record(log, "display.DestroyWindow");
    if (!windowOpen) return;
    DestroyContext();
    windowOpen = false;
    ++windowsDestroyed;
}

ContextResult FakeDisplay::CreateContext() {
    Record(log, "display.CreateContext");
    if (!windowOpen) return ContextResult::NoWindow;
    if (contextResult != ContextResult::Ok) return contextResult;
    contextOpen = true;
    return ContextResult::Ok;
}

void FakeDisplay::DestroyContext() {
    if (!contextOpen) return;
    Record(log, "display.DestroyContext");
    contextOpen = false;
    ++contextsDestroyed;
}

void* FakeDisplay::GetProcAddress(const char* name) {
    if (!contextOpen) return nullptr;
    const auto found = procs.find(name);
    return found == procs.end() ? nullptr : found->second;
}

void FakeDisplay::SwapBuffers() {
    Record(log, "display.SwapBuffers");
    ++swaps;
    if (onSwap) onSwap();
}

bool FakeEvents::Next(WindowMessage& message) {
    if (queue.empty()) return false;
    message = queue.front();
    queue.pop_front();
    return true;
}

void FakeClock::AdvanceSeconds(double seconds) {
    milliseconds += static_cast<std::uint32_t>(seconds * 1000.0 + 0.5);
    counter += static_cast<std::int64_t>(seconds * static_cast<double>(frequency) + 0.5);
}

bool FakeDialogs::AskYesNo(const std::string& text, const std::string& caption) {
    shown.push_back({true, text, caption});
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeAudio::Open(int, int, std::string& error) {
    Record(log, "audio.Open");
    ++openCalls;
    if (!opens) error = "fake audio refused";
    return opens;
}

SampleId FakeAudio::Load(const std::string& path, std::string& error) {
    Record(log, "audio.Load");
    if (!opens || !loadable.count(path)) {
        error = "fake audio cannot load " + path;
        return 0;
    }
    loaded.push_back(path);
    return static_cast<SampleId>(loaded.size());
}

int FakeAudio::Play(SampleId sample, int volume) {
    if (sample <= 0) return -1;
    played.push_back({sample, volume});
    return static_cast<int>(played.size()) % 32;
}

void FakeAudio::Close() {
    Record(log, "audio.Close");
}

bool FakeFonts::Rasterise(const FontRequest& request, GlyphSet& glyphs, std::string& error) {
    requests.push_back(request);
    if (missing.count(request.face)) {
        error = "no such face: " + request.face;
        return false;
    }
    const int size =
        request.height < 0 ? -request.height : (request.height > 0 ? request.height : 16);
    glyphs = GlyphSet{};
    glyphs.pixelSize = size;
    glyphs.ascent = size * 3 / 4;
    glyphs.descent = size - glyphs.ascent;
    for (int code = kFirstGlyphCode; code <= kLastGlyphCode; ++code) {
        Glyph glyph;
        glyph.width = code == ' ' ? 0 : size / 2;
        glyph.height = code == ' ' ? 0 : glyphs.ascent;
        glyph.advance = static_cast<float>(size / 2 + 1);
        glyph.bits.assign(static_cast<std::size_t>((glyph.width + 7) / 8) * glyph.height, 0xFF);
        glyphs.glyphs.push_back(glyph);
    }
    return true;
}

}  // namespace platform
