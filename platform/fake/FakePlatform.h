#pragma once
// Scriptable stand-ins for every platform service. A FakePlatform installs itself for
// its lifetime: tests script events, keys, clock readings and box answers, and read
// back what the game showed, played and swapped.
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace platform {

// The platform calls in the order the game made them, as "display.CreateWindow" and so on.
using CallLog = std::vector<std::string>;

class FakeDisplay : public Display {
public:
    CallLog* log = nullptr;
    WindowResult windowResult = WindowResult::Ok;
    ContextResult contextResult = ContextResult::Ok;
    FakeDisplay();
    // Entry points that GetProcAddress answers for; every other name is missing. By default
    // the three multitexture functions, two-sided stencil and glGetString, which answers
    // with `extensions`.
    std::map<std::string, void*> procs;
    static std::string extensions;
    // Makes the named entry point present; calling it does nothing.
    void Provide(const std::string& name);

    bool windowOpen = false;
    bool contextOpen = false;
    std::string title;
    int width = 0;
    int height = 0;
    bool fullscreen = false;
    int windowsCreated = 0;
    int windowsDestroyed = 0;
    int contextsDestroyed = 0;
    int swaps = 0;
    std::function<void()> onSwap;

    WindowResult CreateWindow(const std::string& title, int width, int height, int bitsPerPixel,
                              bool fullscreen) override;
    void DestroyWindow() override;
    ContextResult CreateContext() override;
    void DestroyContext() override;
    void* GetProcAddress(const char* name) override;
    void SwapBuffers() override;
    std::string LastError() override { return "fake failure"; }
};

class FakeEvents : public Events {
public:
    std::deque<WindowMessage> queue;
    void Push(unsigned message, std::uint32_t wParam = 0, int x = 0, int y = 0) {
        queue.push_back(WindowMessage{message, wParam, x, y});
    }
    bool Next(WindowMessage& message) override;
};

class FakeKeyboard : public Keyboard {
public:
    // Keys down at this moment.
    std::set<int> held;
    // A press and release before the next poll: that poll reads the key as held, the one
    // after it does not.
    void Tap(int virtualKey) { tapped.insert(virtualKey); }

    void BeginPoll() override {
        tappedThisPoll.swap(tapped);
        tapped.clear();
    }
    bool IsKeyHeld(int virtualKey) override {
        return held.count(virtualKey) != 0 || tappedThisPoll.count(virtualKey) != 0;
    }

private:
    std::set<int> tapped;
    std::set<int> tappedThisPoll;
};

class FakeClock : public Clock {
public:
    std::uint32_t milliseconds = 0;
    std::int64_t counter = 0;
    std::int64_t frequency = 1000000;
    bool counterWorks = true;
    bool frequencyWorks = true;

    std::uint32_t Milliseconds() override { return milliseconds; }
    bool Counter(std::int64_t& count) override {
        count = counter;
        return counterWorks;
    }
    bool Frequency(std::int64_t& countsPerSecond) override {
        countsPerSecond = frequency;
        return frequencyWorks;
    }
    // Advances both clocks together.
    void AdvanceSeconds(double seconds);
};

class FakeDialogs : public Dialogs {
public:
    struct Shown {
        bool question;
        std::string text;
        std::string caption;
    };
    std::vector<Shown> shown;
    // Answers for the questions, in order; No once they run out.
    std::deque<bool> answers;

    void ShowError(const std::string& text, const std::string& caption) override {
        shown.push_back({false, text, caption});
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override;
};

class FakeAudio : public Audio {
public:
    CallLog* log = nullptr;
    bool opens = true;
    // Paths that load; every other path fails.
    std::set<std::string> loadable;
    int openCalls = 0;
    std::vector<std::string> loaded;  // by sample id - 1
    struct Played {
        SampleId sample;
        int volume;
    };
    std::vector<Played> played;

    bool Open(int frequency, int channels, std::string& error) override;
    SampleId Load(const std::string& path, std::string& error) override;
    int Play(SampleId sample, int volume) override;
    void Close() override;
};

// Glyphs of a made-up face: every glyph of a font is a filled box of the same size, so tests
// can tell where text went without depending on a real face.
class FakeFonts : public Fonts {
public:
    std::vector<FontRequest> requests;
    // Faces that fail to load.
    std::set<std::string> missing;
    bool Rasterise(const FontRequest& request, GlyphSet& glyphs, std::string& error) override;
};

class FakePlatform {
public:
    FakePlatform() {
        display.log = &calls;
        audio.log = &calls;
        Install(GetServices());
    }
    ~FakePlatform() { Uninstall(); }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    Services GetServices() {
        return Services{&display, &events, &keyboard, &clock, &dialogs, &audio, &fonts};
    }

    CallLog calls;
    FakeDisplay display;
    FakeEvents events;
    FakeKeyboard keyboard;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeAudio audio;
    FakeFonts fonts;
};

}  // namespace platform
