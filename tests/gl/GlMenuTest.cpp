// A menu with every kind of widget drawn by OpenGL at the game's window size, with the
// game's fonts from FreeType and content from the build tree; the picture goes to
// <build>/tests/gl-pictures/menu.png.
#include <GL/gl.h>

#include <filesystem>

#include "app/FileLoader.h"
#include "game/MenuNames.h"
#include "platform/Events.h"
#include "platform/Services.h"
#include "platform/fake/FakePlatform.h"
#include "platform/freetype/FreeTypeFonts.h"
#include "tests/app/TempDir.h"
#include "tests/gl/GlFixture.h"
#include "ui/GameFonts.h"
#include "ui/GlMenuCanvas.h"
#include "ui/MenuSystem.h"

namespace mn = menunames;

namespace gltest {
namespace {

const float kWhite[4] = {1, 1, 1, 1};
const float kClear[4] = {1, 1, 1, 0};
const float kBlack[4] = {0, 0, 0, 1};
const float kYellow[4] = {1, 1, 0, 1};
const float kGray[4] = {0.6f, 0.6f, 0.6f, 1};

float Sixtieth() {
    return 1.0f / 60.0f;
}

class GlMenuTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (IsSkipped()) return;
        // The harness's display, with fonts and quiet boxes beside it.
        platform::Services services;
        services.display = &platform::GetDisplay();
        services.fonts = &faces;
        services.dialogs = &dialogs;
        platform::Install(services);
        fileLoader.Init();
        SetMenuCanvas(&canvas);
        SetMenuDeltaTimeSource(Sixtieth);
        GLint alignment = 0;
        glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
        for (const GameFont& font : kGameFonts)
            menus.CreateFont(kGameFontFace, font.height, font.bold, false, false);
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        EXPECT_EQ(alignment, 8);  // the pixel-store state is as it was
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    }
    void TearDown() override {
        menus.Shutdown();
        SetMenuDeltaTimeSource(nullptr);
        SetMenuCanvas(nullptr);
        GlTest::TearDown();
    }

    // Counts the pixels in a window rectangle that are near the colour.
    int Count(int left, int top, int right, int bottom, Rgba colour) const {
        const std::vector<unsigned char> pixels = gl().ReadPixels();
        int found = 0;
        for (int y = std::max(top, 0); y < std::min(bottom, GlHarness::kHeight); ++y)
            for (int x = std::max(left, 0); x < std::min(right, GlHarness::kWidth); ++x) {
                const unsigned char* p =
                    &pixels[(static_cast<size_t>(y) * GlHarness::kWidth + x) * 4];
                if (Near({p[0], p[1], p[2], 255}, colour, 24)) ++found;
            }
        return found;
    }

    WorkingDirectory buildTree{BRASK_BUILD_DIR};
    platform::FreeTypeFonts faces;
    platform::FakeDialogs dialogs;
    GlMenuCanvas canvas;
    MenuSystem menus;
    TempDir dir;
};

TEST_F(GlMenuTest, EveryWidgetKindDrawsWithCrispTextWhereItIsPlaced) {
    const std::string menu = mn::kMainMenu;
    menus.CreateWidget(kLabelWidget, "Brask Menus", nullptr, 0, "", menu, "", 512, 60, 400, 60,
                       kClear, kWhite, kWhite, false, false, 3);
    menus.CreateWidget(kButtonWidget, "Play ", nullptr, 0,
                       "./RESOURCES/Art/Textures/Environment/Wood_Floor.jpg", menu, "", 250, 250,
                       180, 50, kWhite, kBlack, kYellow, false, false, 0);
    menus.CreateWidget(kButtonWidget, "Options", nullptr, 0, "", menu, "", 774, 250, 180, 50,
                       kWhite, kWhite, kYellow, false, false, 0);
    menus.CreateSelector(
        kModelSelectorWidget, "", "./RESOURCES/Art/Textures/Environment/Carpet_Blue.jpg",
        "./RESOURCES/Art/Textures/Environment/Plaster_Cream.jpg",
        "./RESOURCES/Art/Textures/Environment/Plaster_Cream.jpg", menu, 512, 470, 300, 160, kClear,
        kGray, kYellow, kWhite, false, 2, "Davavod Tank ", "./RESOURCES/Art/Models/tank.ms3d",
        "Diveroruz Lancer", "./RESOURCES/Art/Models/lancer.ms3d");
    dir.Write("list.txt",
              "number of dialogues = 1\nfilename = \"" + (dir.path / "c.txt").string() + "\"\n");
    dir.Write("c.txt",
              "name = greeting\ndialogue text = \"" + (dir.path / "t.txt").string() +
                  "\"\nmenu location = \"MAIN_MENU\"\nbackground image = \"\"\n"
                  "position = 320, 680\nsize = 620, 150\n"
                  "window color = 0.05, 0.08, 0.15, 0.75\ntext color = 1.0, 0.95, 0.7, 1.0\n"
                  "self transition = false\nuse color key = true\nchars per line = 40\n"
                  "transition time = 5.0\nfont index = 1\n");
    dir.Write("t.txt",
              "number of textboxes = 1\nnumber of portraits = 1\nportrait size = 160, 160\n"
              "portrait[0]\n{\n\"./RESOURCES/Art/Textures/UI/Portraits/terran_info.jpg\"\n}\n"
              "textbox[0]\n{\n\"Welcome, pilot. Pick your ride and mind the furniture.\"\n}\n");
    menus.LoadDialogues((dir.path / "list.txt").c_str());
    menus.SetCurrentMenu(menu);
    menus.StartDialogue("greeting", -1);
    ASSERT_TRUE(menus.IsDialogueActive());
    ASSERT_EQ(menus.GetFontBase(3) > 0, true);

    // The portrait stands left of the text: whatever of it looks like the text's colour is
    // there from the first frame, before the text has typed out.
    const Rgba cream = {255, 242, 178, 255};
    renderer().Clear();
    menus.Draw();
    const int creamBesideText = Count(0, 670 + 30 - 16, 155, 670 + 30 + 25, cream);
    for (int frame = 1; frame < 70; ++frame) {
        renderer().Clear();
        menus.Draw();
    }
    glFinish();
    std::filesystem::create_directories(BRASK_BUILD_DIR "/tests/gl-pictures");
    gl().SavePng(BRASK_BUILD_DIR "/tests/gl-pictures/menu.png");

    // A window (not full screen) shows the menus 30 pixels lower.
    constexpr int kShift = 30;
    // The title's glyphs stand on the baseline at y + 5 from x - 11 x 5, in white; the same
    // band further left is empty.
    const Rgba white = {255, 255, 255, 255};
    EXPECT_GT(Count(457, 65 + kShift - 28, 457 + 220, 66 + kShift, white), 100);
    EXPECT_EQ(Count(200, 65 + kShift - 28, 440, 66 + kShift, white), 0);
    EXPECT_EQ(Count(457, 66 + kShift + 8, 457 + 220, 66 + kShift + 30, white), 0);
    // The outlined button's caption in its text colour, left of centre by 7 x 6.
    EXPECT_GT(Count(774 - 42, 255 + kShift - 20, 774 + 60, 256 + kShift, white), 30);
    // The dialogue text types out from x / 2, raised by 10 pixels for its one full line.
    EXPECT_GT(Count(160, 670 + kShift - 16, 600, 670 + kShift + 25, cream), 50);
    EXPECT_EQ(Count(0, 670 + kShift - 16, 155, 670 + kShift + 25, cream), creamBesideText);

    // Scripted clicks: the outlined button is released over, the selector's right arrow
    // (invisible to the menu's pass) steps to the Lancer on the press.
    menus.HandleMouse(platform::WM_MOUSEMOVE, 774, 250);
    menus.HandleMouse(platform::WM_LBUTTONDOWN, 774, 250);
    menus.HandleMouse(platform::WM_LBUTTONUP, 774, 250);
    EXPECT_EQ(menus.FindWidget(menus.GetLastReleasedId())->name, "Options");
    menus.HandleMouse(platform::WM_MOUSEMOVE, 637, 470);
    menus.HandleMouse(platform::WM_LBUTTONDOWN, 637, 470);
    menus.HandleMouse(platform::WM_LBUTTONUP, 637, 470);
    EXPECT_EQ(menus.FindWidget(menus.GetLastReleasedId())->type, kModelSelectorWidget);
    for (int frame = 0; frame < 5; ++frame) {
        renderer().Clear();
        menus.Draw();
    }
    gl().SavePng(BRASK_BUILD_DIR "/tests/gl-pictures/menu-after-clicks.png");
    // The selector's name label now reads the Lancer's name in yellow above the panel.
    const Rgba yellow = {255, 255, 0, 255};
    EXPECT_GT(Count(512 - 16 * 6, 340 + kShift - 22, 512 + 60, 341 + kShift, yellow), 20);

    // The fonts' lists go while the context lives, once.
    const GLuint base = static_cast<GLuint>(menus.GetFontBase(0));
    ASSERT_TRUE(glIsList(base));
    menus.Shutdown();
    EXPECT_FALSE(glIsList(base));
    EXPECT_EQ(menus.GetFontCount(), 0);
    menus.Shutdown();
}

TEST_F(GlMenuTest, TheShippedDeathDialogueTypesOutBesideItsPortrait) {
    menus.LoadDialogues("./RESOURCES/Files/UI/Dialogue/DialogueList.txt");
    EXPECT_TRUE(dialogs.shown.empty());
    menus.SetCurrentMenu(mn::kLevelScreen);
    menus.StartDialogue("death", 3);  // the Lancer's pilot
    ASSERT_TRUE(menus.IsDialogueActive());
    for (int frame = 0; frame < 150 && menus.IsDialogueActive(); ++frame) {
        renderer().Clear();
        menus.Draw();
    }
    EXPECT_TRUE(menus.IsDialogueActive());
    std::filesystem::create_directories(BRASK_BUILD_DIR "/tests/gl-pictures");
    gl().SavePng(BRASK_BUILD_DIR "/tests/gl-pictures/dialogue-death.png");
    // The whole page typed out in the text colour, right of the portrait.
    const Rgba cream = {255, 242, 178, 255};
    EXPECT_GT(Count(160, 30, 620, 170, cream), 150);
}

}  // namespace
}  // namespace gltest
