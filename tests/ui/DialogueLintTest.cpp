// The shipped dialogues, read strictly from the build tree: every file parses without a
// problem, names are unique, the dialogues every level asks for are there with their
// textboxes, every picture exists, and every page fits its box as the typewriter lays it out.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "platform/ContentLimits.h"
#include "platform/Files.h"
#include "platform/freetype/FreeTypeFonts.h"
#include "tests/app/TempDir.h"
#include "ui/DialogueReader.h"
#include "ui/GameFonts.h"
#include "ui/Typewriter.h"

namespace {

constexpr const char* kList = "./RESOURCES/Files/UI/Dialogue/DialogueList.txt";
constexpr std::size_t kDialogueBytes = contentlimits::kMaxDialogueFileBytes;

struct Dialogue {
    std::string configPath;
    DialogueConfig config;
    DialogueText text;
};

std::string Join(const DialogueProblems& problems) {
    std::string joined;
    for (const std::string& problem : problems) joined += "\n  " + problem;
    return joined;
}

class DialogueLint : public ::testing::Test {
protected:
    void SetUp() override {
        std::istringstream list;
        ASSERT_TRUE(platform::OpenContentText(kList, kDialogueBytes, list)) << kList;
        DialogueProblems problems;
        const std::vector<std::string> configs = ReadDialogueList(list, problems);
        ASSERT_TRUE(problems.empty()) << kList << Join(problems);
        for (const std::string& path : configs) {
            Dialogue dialogue;
            dialogue.configPath = path;
            std::istringstream config;
            ASSERT_TRUE(platform::OpenContentText(path, kDialogueBytes, config)) << path;
            problems.clear();
            dialogue.config = ReadDialogueConfig(config, problems);
            ASSERT_TRUE(problems.empty()) << path << Join(problems);
            std::istringstream text;
            ASSERT_TRUE(
                platform::OpenContentText(dialogue.config.dialogueText, kDialogueBytes, text))
                << dialogue.config.dialogueText;
            problems.clear();
            dialogue.text = ReadDialogueText(text, problems);
            ASSERT_TRUE(problems.empty()) << dialogue.config.dialogueText << Join(problems);
            std::string rest;
            EXPECT_FALSE(std::getline(text, rest) && !rest.empty())
                << dialogue.config.dialogueText << ": more blocks than announced";
            dialogues.push_back(dialogue);
        }
    }

    const Dialogue* Find(const std::string& name) const {
        for (const Dialogue& dialogue : dialogues)
            if (dialogue.config.name == name) return &dialogue;
        return nullptr;
    }

    WorkingDirectory buildTree{BRASK_BUILD_DIR};
    std::vector<Dialogue> dialogues;
};

TEST_F(DialogueLint, NamesAreUniqueAndEveryLevelsDialoguesAreThere) {
    std::set<std::string> names;
    for (const Dialogue& dialogue : dialogues)
        EXPECT_TRUE(names.insert(dialogue.config.name).second)
            << dialogue.configPath << ": \"" << dialogue.config.name << "\" again";
    // The objectives play at every level start, the death dialogue by player one's race (0 to
    // 3) when the players are destroyed; both stand on the level screen.
    const struct {
        const char* name;
        std::vector<int> textboxes;
    } required[] = {{"objectives", {0}}, {"death", {0, 1, 2, 3}}};
    for (const auto& want : required) {
        const Dialogue* dialogue = Find(want.name);
        ASSERT_NE(dialogue, nullptr) << want.name;
        EXPECT_EQ(dialogue->config.menuLocation, "LEVEL_SCREEN") << want.name;
        for (int textbox : want.textboxes) {
            int pages = 0;
            for (const auto& page : dialogue->text.pages) pages += page.first == textbox;
            EXPECT_GT(pages, 0) << want.name << " textbox " << textbox;
            const bool everyPage =
                dialogue->text.portraits.size() == 1 && dialogue->text.portraits[0].number == -1;
            EXPECT_TRUE(everyPage || textbox < static_cast<int>(dialogue->text.portraits.size()))
                << want.name << " textbox " << textbox << " has no portrait";
        }
    }
}

TEST_F(DialogueLint, EveryPictureExists) {
    for (const Dialogue& dialogue : dialogues) {
        std::vector<std::string> images;
        if (!dialogue.config.backgroundImage.empty())
            images.push_back(dialogue.config.backgroundImage);
        for (const DialoguePortrait& portrait : dialogue.text.portraits)
            images.push_back(portrait.image);
        for (const std::string& image : images)
            EXPECT_TRUE(std::filesystem::is_regular_file(platform::ResolveContentPath(image)))
                << dialogue.configPath << ": " << image;
    }
}

TEST_F(DialogueLint, EveryPageFitsItsBox) {
    platform::FreeTypeFonts faces;
    for (const Dialogue& dialogue : dialogues) {
        const DialogueConfig& config = dialogue.config;
        ASSERT_GE(config.font, 0) << dialogue.configPath;
        ASSERT_LT(config.font, static_cast<int>(std::size(kGameFonts))) << dialogue.configPath;
        platform::GlyphSet glyphs;
        std::string error;
        ASSERT_TRUE(faces.Rasterise(
            {kGameFontFace, kGameFonts[config.font].height, kGameFonts[config.font].bold, false},
            glyphs, error))
            << error;
        const float boxLeft = config.x - config.w / 2.0f, boxRight = config.x + config.w / 2.0f;
        const float boxTop = config.y - config.h / 2.0f, boxBottom = config.y + config.h / 2.0f;
        for (const auto& [textbox, page] : dialogue.text.pages) {
            const std::string where = config.dialogueText + " textbox " + std::to_string(textbox);
            EXPECT_LE(page.size(), kDialoguePageMax) << where;
            for (unsigned char c : page) {
                EXPECT_TRUE(c >= 32 && c <= 219) << where << ": byte " << int(c) << " has no glyph";
                EXPECT_NE(c, '%') << where << ": a per-cent sign";
            }
            // Reveal the page completely, as the box does one character per frame.
            Typewriter typewriter;
            for (std::size_t i = 0; i <= page.size(); ++i)
                typewriter.Advance(page, config.charsPerLine);
            std::string laidOut;
            for (int line = 0; line <= typewriter.GetLine(); ++line)
                laidOut += typewriter.GetLineText(line);
            EXPECT_EQ(laidOut, page) << where << ": more than three lines, the last overwritten";

            const int rises = static_cast<int>(page.size()) / config.charsPerLine;
            const float left =
                dialogue.text.portraits.empty()
                    ? static_cast<float>(config.x - (static_cast<int>(config.name.size()) * 35) / 2)
                    : config.x / 2.0f;
            const float firstBaseline = config.y - rises * 10.0f;
            EXPECT_GE(firstBaseline - glyphs.ascent, boxTop) << where << ": above the box";
            EXPECT_LE(firstBaseline + 20.0f * typewriter.GetLine() + glyphs.descent, boxBottom)
                << where << ": below the box";
            EXPECT_GE(left, boxLeft) << where;
            for (int line = 0; line <= typewriter.GetLine(); ++line) {
                float width = 0;
                for (unsigned char c : typewriter.GetLineText(line)) width += glyphs.Of(c).advance;
                EXPECT_LE(left + width, boxRight - 8.0f)
                    << where << ": line \"" << typewriter.GetLineText(line)
                    << "\" runs out of the box";
            }
        }
    }
}

}  // namespace
