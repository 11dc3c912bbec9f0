// Any bytes as each of the three dialogue files (the master list, a config, a dialog text):
// reading ends, and every number the readers hand on lies inside the bounds that the menus
// compute with.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "ui/DialogueReader.h"

namespace {

void CheckGeometry(int value, int low) {
    if (value < low || value > kDialogueGeometryMax) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    DialogueProblems problems;
    {
        std::istringstream in(bytes);
        if (ReadDialogueList(in, problems).size() > static_cast<std::size_t>(kDialogueCountMax))
            std::abort();
    }
    {
        std::istringstream in(bytes);
        const DialogueConfig config = ReadDialogueConfig(in, problems);
        CheckGeometry(config.x, -kDialogueGeometryMax);
        CheckGeometry(config.y, -kDialogueGeometryMax);
        CheckGeometry(config.w, 0);
        CheckGeometry(config.h, 0);
        if (config.charsPerLine < 1 || !(config.transitionTime > 0.0f) || config.font < 0 ||
            config.font >= kDialogueFontMax || config.name.size() > kDialogueNameMax ||
            config.menuLocation.size() > kMenuLocationMax)
            std::abort();
    }
    {
        std::istringstream in(bytes);
        const DialogueText text = ReadDialogueText(in, problems);
        CheckGeometry(text.portraitWidth, 0);
        CheckGeometry(text.portraitHeight, 0);
        if (text.textboxCount < 0 || text.textboxCount > kDialogueCountMax ||
            text.portraits.size() > static_cast<std::size_t>(kDialogueCountMax))
            std::abort();
        for (const auto& page : text.pages)
            if (page.second.size() > kDialoguePageMax) std::abort();
    }
    return 0;
}
