// The dialogues: loading the master list, each config and dialog text, into dialogue boxes
// with their portraits on the menus the configs name; and the requests of the game flow.
#include <cstdio>
#include <memory>
#include <sstream>

#include "app/MessageBox.h"
#include "platform/ContentLimits.h"
#include "platform/Files.h"
#include "ui/DialogueBoxWidget.h"
#include "ui/DialogueReader.h"
#include "ui/LabelWidget.h"
#include "ui/MenuSystem.h"

namespace {

const float kOpaqueWhite[4] = {1, 1, 1, 1};

void SayProblems(const std::string& path, const DialogueProblems& problems) {
    for (const std::string& problem : problems)
        std::fprintf(stderr, "%s: %s\n", path.c_str(), problem.c_str());
}

}  // namespace

void MenuSystem::LoadDialogues(const char* path) {
    if (!path || path[0] == '\0') return;
    std::istringstream list;
    if (!platform::OpenContentText(path, contentlimits::kMaxDialogueFileBytes, list)) {
        MessageBox("Error opening the master list file!", path, MB_ICONERROR);
        return;
    }
    DialogueProblems listProblems;
    const std::vector<std::string> configPaths = ReadDialogueList(list, listProblems);
    SayProblems(path, listProblems);

    for (const std::string& configPath : configPaths) {
        std::istringstream configFile;
        if (!platform::OpenContentText(configPath, contentlimits::kMaxDialogueFileBytes,
                                       configFile)) {
            MessageBox("Error opening the config file!", configPath.c_str(), MB_ICONERROR);
            continue;
        }
        DialogueProblems problems;
        const DialogueConfig config = ReadDialogueConfig(configFile, problems);
        SayProblems(configPath, problems);
        if (config.name.empty()) continue;
        // A second dialogue of the same name would mix its pages into the first one's.
        if (dialogues.count(config.name)) {
            MessageBox("A dialogue of this name is already loaded!", configPath.c_str(),
                       MB_ICONERROR);
            continue;
        }
        DialogueData& data = dialogues[config.name];
        data.menuLocation = config.menuLocation;

        std::istringstream textFile;
        if (!platform::OpenContentText(config.dialogueText, contentlimits::kMaxDialogueFileBytes,
                                       textFile)) {
            MessageBox("Error opening the dialog file!", config.dialogueText.c_str(), MB_ICONERROR);
            continue;
        }
        problems.clear();
        const DialogueText text = ReadDialogueText(textFile, problems);
        SayProblems(config.dialogueText, problems);
        data.textboxCount = text.textboxCount;

        std::vector<Widget*> portraits;
        bool singlePortrait = false;
        for (const DialoguePortrait& portrait : text.portraits) {
            auto label = std::make_unique<LabelWidget>(
                "", portrait.image.c_str(), nullptr, kBoundNone,
                config.x - (text.portraitWidth * 3) / 2, config.y, text.portraitWidth,
                text.portraitHeight, kOpaqueWhite, config.textColour, config.windowColour, false,
                config.colourKey, config.font);
            portraits.push_back(label.get());
            AddWidget(std::move(label), config.menuLocation, "", kDialoguePortrait);
            if (portrait.number == -1) singlePortrait = true;
        }
        for (const auto& [number, page] : text.pages) data.textboxes.emplace(number, page);

        auto box = std::make_unique<DialogueBoxWidget>(
            config.name.c_str(), config.backgroundImage.c_str(), &data, portraits, config.x,
            config.y, config.w, config.h, config.windowColour, config.textColour,
            config.selfTransition.c_str(), config.colourKey, singlePortrait, config.charsPerLine,
            config.transitionTime, config.font);
        AddWidget(std::move(box), config.menuLocation, "", kDialogueBoxWidget);
    }
}

bool MenuSystem::HasDialogue(const std::string& name) const {
    if (!currentMenu) return false;
    for (const WidgetNode& node : currentMenu->widgets)
        if (node.widget->type == kDialogueBoxWidget &&
            static_cast<const DialogueBoxWidget&>(*node.widget).dialogueName == name)
            return true;
    return false;
}

void MenuSystem::StartDialogue(const std::string& name, int event) {
    // A dialogue the current menu does not hold could never finish, and the results wait
    // for it: such a request is dropped.
    if (!HasDialogue(name)) return;
    dialogueActive = true;
    activeDialogueName = name;
    dialogueEvent = event;
}

void MenuSystem::StopDialogue() {
    dialogueActive = false;
    activeDialogueName.clear();
    dialogueEvent = -1;
}

const DialogueData* MenuSystem::FindDialogue(const std::string& name) const {
    const auto found = dialogues.find(name);
    return found == dialogues.end() ? nullptr : &found->second;
}
