#pragma once
// The three dialogue files: the master list, a dialogue's config and its dialog text. Each
// reader takes what it can and says what it could not in `problems`, one line each; the
// game goes on with defaults, the content check demands there are none.
#include <istream>
#include <string>
#include <utility>
#include <vector>

using DialogueProblems = std::vector<std::string>;

// Bounds of the fixed-size fields of the files; longer values are cut.
constexpr std::size_t kDialogueNameMax = 31;
constexpr std::size_t kDialogueFlagMax = 9;
constexpr std::size_t kMenuLocationMax = 99;
// The longest page the typewriter takes; longer ones are cut.
constexpr std::size_t kDialoguePageMax = 255;
// Font indices a dialogue may name (the menu system's font table).
constexpr int kDialogueFontMax = 10;
// The most entries a list or a block count may announce; guards against a garbled number.
constexpr int kDialogueCountMax = 1000;
// The largest place or size, in menu pixels either way, a dialogue box or portrait may take:
// eight screens' width, far beyond any menu, and small enough that the sums the widgets make
// of them (a portrait stands one and a half widths left of its box) stay far inside int.
constexpr int kDialogueGeometryMax = 8192;

struct DialogueConfig {
    std::string name;  // lower case
    std::string dialogueText;
    std::string menuLocation;
    std::string backgroundImage;
    int x = 512, y = 384;
    int w = 512, h = 128;
    float windowColour[4] = {0.0f, 0.0f, 0.0f, 0.6f};
    float textColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    std::string selfTransition;
    bool colourKey = false;
    int charsPerLine = 40;
    float transitionTime = 3.0f;
    int font = 0;
};

struct DialoguePortrait {
    int number = 0;  // -1: shown for every page
    std::string image;
};

struct DialogueText {
    int textboxCount = 0;
    int portraitWidth = 0, portraitHeight = 0;
    std::vector<DialoguePortrait> portraits;
    std::vector<std::pair<int, std::string>> pages;  // (textbox number, text) in file order
};

// The config paths of the master list, at most the number its first line announces.
std::vector<std::string> ReadDialogueList(std::istream& in, DialogueProblems& problems);
DialogueConfig ReadDialogueConfig(std::istream& in, DialogueProblems& problems);
DialogueText ReadDialogueText(std::istream& in, DialogueProblems& problems);
