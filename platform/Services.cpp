#include "platform/Services.h"

#include <cstdio>

namespace platform {
namespace {

class NullDisplay : public Display {
public:
    WindowResult CreateWindow(const std::string&, int, int, int, bool) override {
        return WindowResult::VideoUnavailable;
    }
    void DestroyWindow() override {}
    ContextResult CreateContext() override { return ContextResult::NoWindow; }
    void DestroyContext() override {}
    void* GetProcAddress(const char*) override { return nullptr; }
    void SwapBuffers() override {}
    std::string LastError() override { return "no display service"; }
};

class NullEvents : public Events {
public:
    bool Next(WindowMessage&) override { return false; }
};

class NullKeyboard : public Keyboard {
public:
    void BeginPoll() override {}
    bool IsKeyHeld(int) override { return false; }
};

class NullClock : public Clock {
public:
    std::uint32_t Milliseconds() override { return 0; }
    bool Counter(std::int64_t& count) override {
        count = 0;
        return false;
    }
    bool Frequency(std::int64_t& countsPerSecond) override {
        countsPerSecond = 0;
        return false;
    }
};

class NullDialogs : public Dialogs {
public:
    void ShowError(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

class NullAudio : public Audio {
public:
    bool Open(int, int, std::string& error) override {
        error = "no audio service";
        return false;
    }
    SampleId Load(const std::string&, std::string& error) override {
        error = "no audio service";
        return 0;
    }
    int Play(SampleId, int) override { return -1; }
    void Close() override {}
};

class NullFonts : public Fonts {
public:
    bool Rasterise(const FontRequest& request, GlyphSet&, std::string& error) override {
        error = "no font service for " + request.face;
        return false;
    }
};

// Constant-initialised, so it is valid before any constructor and after every destructor.
Services current;

// The null services are made on first use and never destroyed: static destructors
// of the game's managers may still reach them at exit.
template <typename Interface, typename Null>
Interface& Pick(Interface* installed) {
    if (installed) return *installed;
    static Null* fallback = new Null;
    return *fallback;
}

}  // namespace

void Install(const Services& services) {
    current = services;
}
void Uninstall() {
    current = Services{};
}

Display& GetDisplay() {
    return Pick<Display, NullDisplay>(current.display);
}
Events& GetEvents() {
    return Pick<Events, NullEvents>(current.events);
}
Keyboard& GetKeyboard() {
    return Pick<Keyboard, NullKeyboard>(current.keyboard);
}
Clock& GetClock() {
    return Pick<Clock, NullClock>(current.clock);
}
Dialogs& GetDialogs() {
    return Pick<Dialogs, NullDialogs>(current.dialogs);
}
Audio& GetAudio() {
    return Pick<Audio, NullAudio>(current.audio);
}

Fonts& GetFonts() {
    return Pick<Fonts, NullFonts>(current.fonts);
}

}  // namespace platform
