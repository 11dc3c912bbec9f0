// Any bytes as a master list, a config and a dialog text (in that order, split at the first
// two zero bytes; the seeds name list.txt, config.txt and text.txt), loaded by the menu system
// into dialogue boxes and portraits on their menu, then every dialogue played through from
// its first page with frames drawn on the recording canvas.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/Window.h"
#include "platform/fake/FakePlatform.h"
#include "render/GraphicsSystem.h"
#include "ui/DialogueReader.h"
#include "ui/GameFonts.h"
#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"
#include "ui/RecordingCanvas.h"

// The global objects the menu code reaches.
GraphicsSystem graphicsSystem;
Window window;
FileLoader fileLoader;
FrameTimer frameTimer;
MenuSystem menuSystem;

namespace {

namespace fs = std::filesystem;

float frameSeconds = 0.5f;

void Write(const char* file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

// The files live in a folder of the fuzzer's own, entered for each input only: libFuzzer
// reads its corpus by the paths it was given.
class Scratch {
public:
    Scratch() {
        static const fs::path folder =
            fs::temp_directory_path() / ("brask-dialogue-fuzz-" + std::to_string(::getpid()));
        back = fs::current_path();
        fs::create_directories(folder);
        fs::current_path(folder);
    }
    ~Scratch() { fs::current_path(back); }

private:
    fs::path back;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static platform::FakePlatform fake;
    const Scratch inside;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t first = bytes.find('\0');
    const std::size_t second = first == std::string::npos ? first : bytes.find('\0', first + 1);
    Write("list.txt", bytes.substr(0, first));
    Write("config.txt",
          first == std::string::npos ? "" : bytes.substr(first + 1, second - first - 1));
    Write("text.txt", second == std::string::npos ? "" : bytes.substr(second + 1));

    window.Init("Brask", "fuzz", nullptr, 1024, 768, 32, true);
    RecordingCanvas canvas;
    SetMenuCanvas(&canvas);
    SetMenuDeltaTimeSource([] { return frameSeconds; });
    {
        MenuSystem menus;
        for (const GameFont& font : kGameFonts)
            menus.CreateFont(kGameFontFace, font.height, font.bold, false, false);
        menus.LoadDialogues("list.txt");
        // The config as the menu system read it: its dialogue's name and menu.
        std::ifstream configFile("config.txt");
        DialogueProblems problems;
        const DialogueConfig config = ReadDialogueConfig(configFile, problems);
        if (!config.name.empty() && menus.FindMenu(config.menuLocation)) {
            menus.SetCurrentMenu(config.menuLocation);
            for (int event : {-1, 0, 1}) {
                menus.StartDialogue(config.name, event);
                for (int frame = 0; frame < 64 && menus.IsDialogueActive(); ++frame) {
                    canvas.Clear();
                    menus.Draw();
                }
                menus.StopDialogue();
            }
        }
        menus.Shutdown();
    }
    SetMenuDeltaTimeSource(nullptr);
    SetMenuCanvas(nullptr);
    window.Destroy();
    window.SetRunning(false);
    fake.dialogs.shown.clear();
    return 0;
}
