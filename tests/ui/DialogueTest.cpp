// Dialogue files and dialogue boxes: the readers on good and broken files, loading onto the
// menus, and playing pages by event.
#include <filesystem>
#include <ostream>
#include <sstream>

#include "platform/ContentLimits.h"
#include "tests/app/HostileFiles.h"
#include "tests/app/TempDir.h"
#include "tests/ui/MenuFixture.h"
#include "ui/DialogueBoxWidget.h"
#include "ui/DialogueReader.h"

namespace uitest {
namespace {

using Kind = RecordingCanvas::Kind;

std::string Config(const std::string& name, const std::string& textPath,
                   const std::string& extra = "") {
    return "name = " + name + "\n" + "dialogue text = \"" + textPath + "\"\n" +
           "menu location = \"LEVEL_SCREEN\"\n" + "background image = \"panel.jpg\"\n" +
           "position = 256, 120\n" + "size = 500, 150\n" + "window color = 0.1, 0.1, 0.2, 0.8\n" +
           "text color = 1.0, 0.9, 0.5, 1.0\n" + "self transition = false\n" +
           "use color key = TRUE\n" + "chars per line = 30\n" + "transition time = 1.0\n" +
           "font index = 1\n" + extra;
}

// Two portraits, textbox 0 with two pages and textbox 1 with one.
const char* const kTwoSpeakers =
    "number of textboxes = 2\n"
    "number of portraits = 2\n"
    "portrait size = 128, 128\n"
    "portrait[0]\n{\n\"terran.jpg\"\n}\n"
    "portrait[1]\n{\n\"diveroruz.jpg\"\n}\n"
    "textbox[0]\n{\n\"First page.\"\n\"Second page.\"\n}\n"
    "textbox[1]\n{\n\"Third page, 100% sure.\"\n}\n";

struct TextCase {
    const char* name;
    std::string text;
    std::size_t portraits;
    std::vector<std::pair<int, std::string>> pages;
    bool clean;  // read without a problem
};

class DialogueTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(DialogueTextTest, ReadsWhatItCan) {
    const TextCase& c = GetParam();
    std::istringstream in(c.text);
    DialogueProblems problems;
    const DialogueText text = ReadDialogueText(in, problems);
    EXPECT_EQ(text.portraits.size(), c.portraits);
    EXPECT_EQ(text.pages, c.pages);
    EXPECT_EQ(problems.empty(), c.clean) << (problems.empty() ? "" : problems.front());
}

std::string Crlf(std::string text) {
    std::string out;
    for (char ch : text) {
        if (ch == '\n') out += '\r';
        out += ch;
    }
    return out;
}

const std::vector<std::pair<int, std::string>> kAllPages = {
    {0, "First page."}, {0, "Second page."}, {1, "Third page, 100% sure."}};

INSTANTIATE_TEST_SUITE_P(
    Table, DialogueTextTest,
    ::testing::Values(
        TextCase{"valid", kTwoSpeakers, 2, kAllPages, true},
        TextCase{"crlf", Crlf(kTwoSpeakers), 2, kAllPages, true},
        TextCase{"no_portraits",
                 "number of textboxes = 1\nnumber of portraits = 0\ntextbox[3]\n{\n\"Alone.\"\n}\n",
                 0,
                 {{3, "Alone."}},
                 true},
        TextCase{"portrait_for_every_page",
                 "number of textboxes = 1\nnumber of portraits = 1\nportrait size = 64, 64\n"
                 "portrait[-1]\n{\n\"a.jpg\"\n}\ntextbox[0]\n{\n\"One.\"\n}\n",
                 1,
                 {{0, "One."}},
                 true},
        // A blank line where a block should start is reported and skipped over.
        TextCase{"blank_line",
                 "number of textboxes = 1\nnumber of portraits = 0\n\ntextbox[0]\n{\n\"x\"\n}\n",
                 0,
                 {},
                 false},
        // The next block starts where the closing brace should be.
        TextCase{"missing_closing_brace",
                 "number of textboxes = 2\nnumber of portraits = 0\ntextbox[0]\n{\n\"a\"\n"
                 "textbox[1]\n{\n\"b\"\n}\n",
                 0,
                 {{0, "a"}, {1, "b"}},
                 false},
        // Only a line of the brace alone is a brace line.
        TextCase{"text_after_a_brace",
                 "number of textboxes = 1\nnumber of portraits = 0\ntextbox[0]\n{ x\n\"a\"\n}\n",
                 0,
                 {{0, "a"}},
                 false},
        TextCase{"truncated_in_a_page",
                 "number of textboxes = 1\nnumber of portraits = 0\ntextbox[0]\n{\n\"cut sh",
                 0,
                 {},
                 false},
        TextCase{"truncated_after_a_page",
                 "number of textboxes = 5\nnumber of portraits = 0\ntextbox[0]\n{\n\"kept\"\n",
                 0,
                 {{0, "kept"}},
                 false},
        TextCase{"more_blocks_announced_than_written",
                 "number of textboxes = 1000\nnumber of portraits = 0\n",
                 0,
                 {},
                 false},
        TextCase{"absurd_count",
                 "number of textboxes = 99999999\nnumber of portraits = -3\n",
                 0,
                 {},
                 false},
        TextCase{"empty", "", 0, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The counts a dialogue text may announce and the font indices a config may name stop at
// their limits: the limit itself is the first value refused for the fonts, the first one past
// it for the counts.
TEST(DialogueLimitsTest, CountsAndFontIndicesStopAtTheirLimits) {
    for (const auto& [count, kept] : {std::pair{1000, 1000}, {1001, 0}, {-1, 0}}) {
        std::istringstream in("number of textboxes = " + std::to_string(count) +
                              "\nnumber of portraits = 0\n");
        DialogueProblems problems;
        EXPECT_EQ(ReadDialogueText(in, problems).textboxCount, kept) << count;
    }
    for (const auto& [index, font] : {std::pair{9, 9}, {10, 0}, {-1, 0}}) {
        std::string text = Config("objectives", "t.txt");
        text.replace(text.find("font index = 1"), 14, "font index = " + std::to_string(index));
        std::istringstream in(text);
        DialogueProblems problems;
        EXPECT_EQ(ReadDialogueConfig(in, problems).font, font) << index;
        EXPECT_EQ(problems.empty(), index == font) << index;
    }
}

TEST(DialogueConfigTest, UnmatchedLinesKeepSafeDefaults) {
    std::istringstream in(
        "name = ThisNameIsFarLongerThanThirtyOneCharactersForSure\n"
        "dialogue text = \"t.txt\"\nmenu location = \"LEVEL_SCREEN\"\n"
        "background image = \"\"\nposition = here\nsize = 10, 20\n"
        "window color = 1, 1\ntext color = 1.0, 1.0, 1.0, 1.0\nself transition = no\n"
        "use color key = nope\nchars per line = 0\ntransition time = 0\nfont index = 11\n");
    DialogueProblems problems;
    const DialogueConfig config = ReadDialogueConfig(in, problems);
    EXPECT_EQ(config.name, "thisnameisfarlongerthanthirtyon");
    EXPECT_EQ(config.x, 512);  // the default, not garbage
    EXPECT_EQ(config.w, 10);
    EXPECT_FLOAT_EQ(config.windowColour[3], 0.6f);
    EXPECT_FALSE(config.colourKey);
    EXPECT_EQ(config.charsPerLine, 40);            // 0 would divide by zero
    EXPECT_FLOAT_EQ(config.transitionTime, 3.0f);  // 0 would flip a page every frame
    EXPECT_EQ(config.font, 0);                     // beyond the font table
    EXPECT_EQ(problems.size(), 6u);
}

// Places and sizes are taken up to the bound the menus compute with safely, and a pair with
// any value beyond it keeps its defaults, with a problem.
struct GeometryCase {
    const char* name;
    const char* position;
    const char* size;
    int x, y, w, h;
    std::size_t problems;
};

void PrintTo(const GeometryCase& c, std::ostream* out) {
    *out << c.name;
}

class DialogueGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(DialogueGeometryTest, IsTakenOnlyWithinTheBound) {
    const GeometryCase& c = GetParam();
    std::istringstream in(
        "name = a\ndialogue text = \"t.txt\"\nmenu location = \"M\"\n"
        "background image = \"\"\nposition = " +
        std::string(c.position) + "\nsize = " + c.size +
        "\nwindow color = 1, 1, 1, 1\ntext color = 1, 1, 1, 1\n"
        "self transition = false\nuse color key = false\nchars per line = 9\n"
        "transition time = 1\nfont index = 0\n");
    DialogueProblems problems;
    const DialogueConfig config = ReadDialogueConfig(in, problems);
    EXPECT_EQ(config.x, c.x);
    EXPECT_EQ(config.y, c.y);
    EXPECT_EQ(config.w, c.w);
    EXPECT_EQ(config.h, c.h);
    EXPECT_EQ(problems.size(), c.problems) << (problems.empty() ? "" : problems.front());
}

INSTANTIATE_TEST_SUITE_P(
    Table, DialogueGeometryTest,
    ::testing::Values(
        GeometryCase{"at_the_bound", "-8192, 8192", "8192, 0", -8192, 8192, 8192, 0, 0},
        GeometryCase{"largest_int", "2147483647, 10", "10, 2147483647", 512, 384, 512, 128, 2},
        GeometryCase{"one_beyond", "10, -8193", "8193, 10", 512, 384, 512, 128, 2},
        GeometryCase{"negative_size", "0, 0", "-1, 10", 0, 0, 512, 128, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DialogueTextSizeTest, APortraitSizeBeyondTheBoundLeavesThePortraitsWithoutSize) {
    for (const char* size : {"2147483647, 2147483647", "8193, 64", "64, -1"}) {
        std::istringstream in(
            "number of textboxes = 0\nnumber of portraits = 1\n"
            "portrait size = " +
            std::string(size) + "\nportrait[0]\n{\n\"a.jpg\"\n}\n");
        DialogueProblems problems;
        const DialogueText text = ReadDialogueText(in, problems);
        EXPECT_EQ(text.portraitWidth, 0) << size;
        EXPECT_EQ(text.portraitHeight, 0) << size;
        ASSERT_EQ(problems.size(), 1u) << size;
        EXPECT_NE(problems[0].find("portrait size out of range"), std::string::npos) << size;
        EXPECT_EQ(text.portraits.size(), 1u) << size;
    }
}

class DialogueMenuTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        Label("LEVEL_SCREEN", "", 0, 0);
        Label("MAIN_MENU", "", 0, 0);
    }
    void Load(const std::string& list) {
        dir.Write("list.txt", list);
        menus.LoadDialogues((dir.path / "list.txt").c_str());
        menus.SetCurrentMenu("LEVEL_SCREEN");
    }
    std::string ListOf(std::initializer_list<std::string> configs) {
        std::string list = "number of dialogues = " + std::to_string(configs.size()) + "\n";
        for (const std::string& config : configs)
            list += "filename = \"" + (dir.path / config).string() + "\"\n";
        return list;
    }
    DialogueBoxWidget* Box(const std::string& name) {
        for (const auto& node : menus.FindMenu("LEVEL_SCREEN")->widgets)
            if (node.widget->type == kDialogueBoxWidget &&
                static_cast<DialogueBoxWidget&>(*node.widget).dialogueName == name)
                return static_cast<DialogueBoxWidget*>(node.widget.get());
        return nullptr;
    }
    // The page text and portrait picture shown in each frame until the dialogue ends.
    std::vector<std::pair<std::string, unsigned>> Play(int maxFrames = 100) {
        std::vector<std::pair<std::string, unsigned>> shown;
        for (int frame = 0; frame < maxFrames && menus.IsDialogueActive(); ++frame) {
            canvas.Clear();
            Frame(0.25f);
            DialogueBoxWidget* box = Box("objectives");
            if (box && box->GetState() >= 0) {
                unsigned portrait = 0;
                for (const auto& call : canvas.Of(Kind::Quad))
                    if (call.quad.texture == canvas.textures["terran.jpg"] ||
                        call.quad.texture == canvas.textures["diveroruz.jpg"])
                        portrait = call.quad.texture;
                if (shown.empty() || shown.back().first != box->pageText)
                    shown.emplace_back(box->pageText, portrait);
            }
        }
        return shown;
    }
    void WriteObjectives(const std::string& text = kTwoSpeakers) {
        dir.Write("objectives.txt", Config("Objectives", (dir.path / "text.txt").string()));
        dir.Write("text.txt", text);
    }

    TempDir dir;
};

TEST_F(DialogueMenuTest, EveryPageInOrderWithTheTextboxesPortrait) {
    WriteObjectives();
    Load(ListOf({"objectives.txt"}));
    ASSERT_NE(Box("objectives"), nullptr);
    EXPECT_TRUE(menus.HasDialogue("objectives"));
    menus.StartDialogue("objectives", -1);
    const unsigned terran = canvas.textures["terran.jpg"];
    const unsigned diveroruz = canvas.textures["diveroruz.jpg"];
    const auto shown = Play();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], std::make_pair(std::string("First page."), terran));
    EXPECT_EQ(shown[1], std::make_pair(std::string("Second page."), terran));
    EXPECT_EQ(shown[2], std::make_pair(std::string("Third page, 100% sure."), diveroruz));
    EXPECT_FALSE(menus.IsDialogueActive());
}

TEST_F(DialogueMenuTest, OneEventPlaysOnlyItsTextboxAndAnEmptyOneEndsAtOnce) {
    WriteObjectives();
    Load(ListOf({"objectives.txt"}));
    menus.StartDialogue("objectives", 1);
    const auto shown = Play();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, "Third page, 100% sure.");
    EXPECT_EQ(shown[0].second, canvas.textures["diveroruz.jpg"]);

    menus.StartDialogue("objectives", 5);
    Frame(0.01f);
    EXPECT_FALSE(menus.IsDialogueActive());
    EXPECT_EQ(Box("objectives")->GetState(), -1);
}

TEST_F(DialogueMenuTest, APageTimeOfZeroNeverWalksPastTheLastPage) {
    std::string config = Config("objectives", (dir.path / "text.txt").string());
    config.replace(config.find("transition time = 1.0"), 21, "transition time = 0.0");
    dir.Write("objectives.txt", config);
    dir.Write("text.txt",
              "number of textboxes = 1\nnumber of portraits = 0\ntextbox[0]\n{\n\"a\"\n}\n");
    Load(ListOf({"objectives.txt"}));
    menus.StartDialogue("objectives", -1);
    for (int frame = 0; frame < 10; ++frame) Frame(0.0f);
    EXPECT_EQ(Box("objectives")->GetState(), 0);  // zero frame time: the page stays
    for (int frame = 0; frame < 10; ++frame) Frame(5.0f);
    EXPECT_FALSE(menus.IsDialogueActive());
}

TEST_F(DialogueMenuTest, ARequestThatNoBoxOfTheCurrentMenuBearsIsDropped) {
    WriteObjectives();
    Load(ListOf({"objectives.txt"}));
    menus.StartDialogue("death", 2);
    EXPECT_FALSE(menus.IsDialogueActive());
    menus.SetCurrentMenu("MAIN_MENU");
    EXPECT_FALSE(menus.HasDialogue("objectives"));
    menus.StartDialogue("objectives", -1);
    EXPECT_FALSE(menus.IsDialogueActive());
    // Asked on its menu, then the menu changes without a fade: dropped in the next frame.
    menus.SetCurrentMenu("LEVEL_SCREEN");
    menus.StartDialogue("objectives", -1);
    ASSERT_TRUE(menus.IsDialogueActive());
    menus.SetCurrentMenu("MAIN_MENU");
    Frame(0.01f);
    EXPECT_FALSE(menus.IsDialogueActive());
}

TEST_F(DialogueMenuTest, StoppingResetsTheBoxAndTheTypewriterRestartsOnEachPage) {
    WriteObjectives();
    Load(ListOf({"objectives.txt"}));
    menus.StartDialogue("objectives", -1);
    for (int frame = 0; frame < 3; ++frame) Frame(0.25f);
    // Three frames of "First page.": "F", "Fi", "Fir".
    EXPECT_EQ(canvas.Texts().back(), "Fir");
    Frame(0.5f);  // the page changes: typing starts again
    EXPECT_EQ(canvas.Texts().back(), "S");
    menus.StopDialogue();
    Frame(0.01f);
    EXPECT_EQ(Box("objectives")->GetState(), -1);
    menus.StartDialogue("objectives", -1);
    canvas.Clear();
    Frame(0.01f);
    EXPECT_EQ(canvas.Texts().back(), "F");
}

// The box's "chars per line" is the width at which the typed page breaks, and the block
// rises by half a line spacing per full line.
TEST_F(DialogueMenuTest, ThePageBreaksAtTheConfiguredWidth) {
    std::string config = Config("objectives", (dir.path / "text.txt").string());
    config.replace(config.find("chars per line = 30"), 19, "chars per line = 10");
    dir.Write("objectives.txt", config);
    const std::string page = "abcd efghi jk lmnop qrstu";
    dir.Write("text.txt", "number of textboxes = 1\nnumber of portraits = 0\ntextbox[0]\n{\n\"" +
                              page + "\"\n}\n");
    Load(ListOf({"objectives.txt"}));
    menus.StartDialogue("objectives", -1);
    for (std::size_t i = 0; i < page.size(); ++i) {
        canvas.Clear();
        Frame(0.01f);
    }
    const auto texts = canvas.Of(Kind::Text2D);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "abcd efghi");
    EXPECT_EQ(texts[1].text, " jk lmnop qrstu");
    // 25 characters at 10 a line: two full lines, 10 pixels each above the box's centre.
    EXPECT_FLOAT_EQ(texts[0].y, 120 - 2 * 10);
    EXPECT_FLOAT_EQ(texts[1].y, texts[0].y + 20);
}

TEST_F(DialogueMenuTest, BrokenListsAndDuplicateNamesAreReportedAndSkipped) {
    WriteObjectives();
    dir.Write("again.txt", Config("OBJECTIVES", (dir.path / "text.txt").string()));
    dir.Write("death.txt", Config("death", (dir.path / "missing.txt").string()));
    Load(ListOf({"objectives.txt", "again.txt", "nothing.txt", "death.txt"}));
    // The first objectives stands alone; the missing dialog text leaves no box.
    EXPECT_EQ(menus.FindDialogue("objectives")->textboxes.size(), 3u);
    EXPECT_NE(menus.FindDialogue("death"), nullptr);
    EXPECT_EQ(Box("death"), nullptr);
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    EXPECT_EQ(fake.dialogs.shown[1].text, "Error opening the config file!");
    EXPECT_EQ(fake.dialogs.shown[2].text, "Error opening the dialog file!");

    menus.LoadDialogues((dir.path / "no-list.txt").c_str());
    EXPECT_EQ(fake.dialogs.shown.back().text, "Error opening the master list file!");
    menus.LoadDialogues("");
    EXPECT_EQ(fake.dialogs.shown.size(), 4u);
}

TEST_F(DialogueMenuTest, WhatIsNoListOrConfigGetsTheBoxOfAMissingOne) {
    std::filesystem::create_directories(dir.path / "folder.txt");
    const std::string longLine = "number of dialogues = 1\nfilename = \"" +
                                 std::string(contentlimits::kMaxLineBytes, 'x') + "\"\n";
    const std::filesystem::path places[] = {
        dir.path / "folder.txt",
        hostile::MakeFifo(dir.path / "fifo.txt"),
        hostile::MakeEndless(dir.path / "endless.txt"),
        dir.Write("long.txt", longLine),
        dir.Write("huge.txt", std::string(contentlimits::kMaxDialogueFileBytes + 1, '\n')),
    };
    for (const std::filesystem::path& place : places) {
        fake.dialogs.shown.clear();
        hostile::WithinSeconds(place, [&] {
            menus.LoadDialogues(place.c_str());
            return 0;
        });
        ASSERT_EQ(fake.dialogs.shown.size(), 1u) << place;
        EXPECT_EQ(fake.dialogs.shown[0].text, "Error opening the master list file!");
    }
    fake.dialogs.shown.clear();
    Load(ListOf({"folder.txt", "endless.txt", "long.txt"}));
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    for (const auto& shown : fake.dialogs.shown)
        EXPECT_EQ(shown.text, "Error opening the config file!") << shown.caption;
}

// The portrait's place is computed from the box's place and the portrait's width: with the
// largest int as the width the sum overflowed.
TEST_F(DialogueMenuTest, AnAbsurdPortraitSizeGivesAPortraitWithoutSizeAtTheBox) {
    std::string text = kTwoSpeakers;
    text.replace(text.find("128, 128"), 8, "2147483647, 2147483647");
    WriteObjectives(text);
    Load(ListOf({"objectives.txt"}));
    const auto& widgets = menus.FindMenu("LEVEL_SCREEN")->widgets;
    ASSERT_EQ(widgets.size(), 4u);
    for (int portrait : {1, 2}) {
        EXPECT_EQ(widgets[portrait].widget->x, 256);
        EXPECT_EQ(widgets[portrait].widget->w, 0);
        EXPECT_EQ(widgets[portrait].widget->h, 0);
    }
}

TEST_F(DialogueMenuTest, PortraitsStandBeforeTheirBoxAndAreDrawnOnlyByIt) {
    WriteObjectives();
    Load(ListOf({"objectives.txt"}));
    const auto& widgets = menus.FindMenu("LEVEL_SCREEN")->widgets;
    ASSERT_EQ(widgets.size(), 4u);  // a label, two portraits, the box
    EXPECT_EQ(widgets[1].widget->type, kDialoguePortrait);
    EXPECT_EQ(widgets[1].widget->x, 256 - 192);
    EXPECT_EQ(widgets[3].widget->type, kDialogueBoxWidget);
    Frame(0.01f);
    for (const auto& call : canvas.Of(Kind::Quad))
        EXPECT_NE(call.quad.texture, canvas.textures["terran.jpg"]);
}

}  // namespace
}  // namespace uitest
