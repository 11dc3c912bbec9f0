// Every caption of the catalogue, drawn as the widgets draw it and measured with the game's
// fonts as FreeType makes them from the platform's faces: a caption on a framed widget (a
// button, a picture) lies inside that widget, every caption lies on screen and over no other
// picture, and in Versus each player's name lies inside its HUD panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/Window.h"
#include "game/Application.h"
#include "game/Globals.h"
#include "game/Hud.h"
#include "game/MenuCatalogue.h"
#include "game/MenuNames.h"
#include "platform/Images.h"
#include "platform/Services.h"
#include "platform/fake/FakePlatform.h"
#include "platform/freetype/FreeTypeFonts.h"
#include "tests/app/TempDir.h"
#include "ui/GameFonts.h"
#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"
#include "ui/RecordingCanvas.h"
#include "world/Vehicle.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

struct Box {
    float left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    bool Inside(const Box& frame) const {
        return left >= frame.left && right <= frame.right && top >= frame.top &&
               bottom <= frame.bottom;
    }
    bool Meets(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

std::string Describe(const Box& b) {
    std::ostringstream out;
    out << "[" << b.left << ", " << b.top << " .. " << b.right << ", " << b.bottom << "]";
    return out.str();
}

Box WidgetBox(const Widget& w) {
    return {w.x - w.w / 2.0f, w.y - w.h / 2.0f, w.x + w.w / 2.0f, w.y + w.h / 2.0f};
}

// The window pixels a print inks, as glBitmap sets them.
std::vector<std::pair<int, int>> InkPixels(const platform::GlyphSet& font, float x, float y,
                                           const std::string& text) {
    std::vector<std::pair<int, int>> pixels;
    float pen = x;
    for (unsigned char c : text) {
        if (c < platform::kFirstGlyphCode || c > platform::kLastGlyphCode) continue;
        const platform::Glyph& g = font.Of(c);
        const int left = static_cast<int>(std::floor(pen - g.originX));
        const int bottom = static_cast<int>(std::floor(y + g.originY));
        for (int row = 0; row < g.height; ++row)
            for (int col = 0; col < g.width; ++col)
                if (g.IsSet(col, row)) pixels.emplace_back(left + col, bottom - 1 - row);
        pen += g.advance;
    }
    return pixels;
}

// The box round the inked pixels of a print from the raster position (x, y) on the baseline,
// in window pixels (y downwards).
Box InkBox(const platform::GlyphSet& font, float x, float y, const std::string& text) {
    Box ink{1e9f, 1e9f, -1e9f, -1e9f};
    for (const auto& [px, py] : InkPixels(font, x, y, text)) {
        ink.left = std::min(ink.left, static_cast<float>(px));
        ink.right = std::max(ink.right, px + 1.0f);
        ink.top = std::min(ink.top, static_cast<float>(py));
        ink.bottom = std::max(ink.bottom, py + 1.0f);
    }
    return ink;
}

// A button's picture as the game reads it, or an empty one when it is no BMP.
platform::RgbImage ReadBmp(const std::string& file) {
    platform::RgbImage image;
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    std::string error;
    if (bytes.empty() || !platform::DecodeBmp(bytes.data(), bytes.size(), image, error)) image = {};
    return image;
}

// The brightness (0 to 255) of the texel under a window pixel of a widget whose picture is
// stretched over its box, the picture's first row at the bottom.
int TexelUnder(const platform::RgbImage& image, const Widget& w, int px, int py) {
    const float s = (px + 0.5f - (w.x - w.w / 2.0f)) / w.w;
    const float t = 1.0f - (py + 0.5f - (w.y - w.h / 2.0f)) / w.h;
    const int col = std::clamp(static_cast<int>(s * image.width), 0, image.width - 1);
    const int row = std::clamp(static_cast<int>(t * image.height), 0, image.height - 1);
    const unsigned char* texel =
        &image.pixels[(static_cast<std::size_t>(row) * image.width + col) * 3];
    return std::min({texel[0], texel[1], texel[2]});
}

// The catalogue in a full-screen window of the game's size, on a recording canvas, with the
// four game fonts rasterised from the real faces.
class CaptionFit : public ::testing::Test {
protected:
    void SetUp() override {
        platform::Services services = fake.GetServices();
        services.fonts = &faces;
        platform::Install(services);
        window.Init("Brask", "Beta 0.90a", nullptr, kWidth, kHeight, 32, true);
        SetMenuCanvas(&canvas);
        for (const GameFont& font : kGameFonts) {
            platform::GlyphSet glyphs;
            std::string error;
            ASSERT_TRUE(
                faces.Rasterise({kGameFontFace, font.height, font.bold, false}, glyphs, error))
                << error;
            fonts.push_back(glyphs);
            menuSystem.CreateFont(kGameFontFace, font.height, font.bold, false, false);
        }
        BuildIntroScreens();
        BuildMenus();
    }
    void TearDown() override {
        menuSystem.Shutdown();
        ResetWidgetIds();
        SetMenuCanvas(nullptr);
        window.Destroy();
        window.SetRunning(false);
    }

    // What one widget prints when it is drawn (hidden ones too, as their menu shows them).
    std::vector<RecordingCanvas::Call> Prints(Widget& widget) {
        const bool visible = widget.visible;
        widget.visible = true;
        canvas.Clear();
        widget.Draw();
        widget.visible = visible;
        return canvas.Of(RecordingCanvas::Kind::Text2D);
    }

    // The HUD's side panels as the level screen makes them, left then right.
    std::vector<Box> HudPanels() const {
        std::vector<Box> panels;
        for (const MenuSystem::Menu& menu : menuSystem.GetMenus())
            if (menu.name == menunames::kLevelScreen)
                for (const MenuSystem::WidgetNode& node : menu.widgets)
                    if (node.widget->texture != 0 && node.widget->h == kHudPanelHeight &&
                        FileOf(node.widget->texture).ends_with("/hud_background.jpg"))
                        panels.push_back(WidgetBox(*node.widget));
        std::sort(panels.begin(), panels.end(),
                  [](const Box& a, const Box& b) { return a.left < b.left; });
        return panels;
    }

    // The file of each picture the catalogue loaded, by its texture name.
    std::string FileOf(unsigned texture) const {
        for (const auto& [file, name] : canvas.textures)
            if (name == texture) return file;
        return "";
    }

    Box Ink(const RecordingCanvas::Call& print) const {
        return InkBox(fonts.at(static_cast<std::size_t>(print.font)), print.x, print.y, print.text);
    }

    platform::FakePlatform fake;
    platform::FreeTypeFonts faces;
    WorkingDirectory buildTree{BRASK_BUILD_DIR};
    RecordingCanvas canvas;
    std::vector<platform::GlyphSet> fonts;
};

// A widget drawn with a picture is a frame its caption must stay in. A selector's heading is
// printed above it, and a plain label or a popup's text button (drawn without a picture) has
// no frame to be seen.
bool IsFramed(const Widget& w) {
    return (w.type == kButtonWidget || w.type == kLabelWidget) && w.texture != 0;
}

// A picture other captions must not cross: anything but a backdrop over the whole window or
// a panel made to be written on.
bool IsPicture(const Widget& w, const std::string& file) {
    return w.type == kLabelWidget && w.texture != 0 && w.name.empty() &&
           (w.w < kWidth || w.h < kHeight) && !file.ends_with("/hud_background_large_nb.jpg") &&
           !file.ends_with("/hud_background.jpg");
}

// The intro shows its pictures on black, where their edges cannot be seen.
bool OnBlack(const std::string& menu) {
    return menu == menunames::kIntro || menu == menunames::kTeamIntro;
}

TEST_F(CaptionFit, EveryCaptionStaysInItsFrameOnScreenAndOffOtherPictures) {
    const Box screen{0, 0, kWidth, kHeight};
    int measured = 0;
    for (const MenuSystem::Menu& menu : menuSystem.GetMenus()) {
        for (const MenuSystem::WidgetNode& node : menu.widgets) {
            Widget& widget = *node.widget;
            for (const RecordingCanvas::Call& print : Prints(widget)) {
                const Box ink = Ink(print);
                if (ink.Empty()) continue;
                ++measured;
                const std::string where = menu.name + " \"" + print.text + "\" " + Describe(ink);
                EXPECT_TRUE(ink.Inside(screen)) << where << " runs off the screen";
                if (IsFramed(widget)) {
                    EXPECT_TRUE(ink.Inside(WidgetBox(widget)))
                        << where << " runs out of its widget " << Describe(WidgetBox(widget));
                }
                for (const MenuSystem::WidgetNode& other : menu.widgets) {
                    if (other.widget.get() == &widget || OnBlack(menu.name) ||
                        !IsPicture(*other.widget, FileOf(other.widget->texture)))
                        continue;
                    EXPECT_FALSE(ink.Meets(WidgetBox(*other.widget)))
                        << where << " lies over the picture at "
                        << Describe(WidgetBox(*other.widget));
                }
            }
        }
    }
    EXPECT_GT(measured, 100);
}

// The round button's caption is printed in black over the light face of its pill: every
// inked pixel falls on the face with a little face left on either side, none on the rim or
// the keyed black around it.
constexpr int kLightestRim = 150;
constexpr int kClearance = 1;

TEST_F(CaptionFit, EveryButtonCaptionLiesOnItsPillsFace) {
    std::map<std::string, platform::RgbImage> pictures;
    int checked = 0;
    for (const MenuSystem::Menu& menu : menuSystem.GetMenus()) {
        for (const MenuSystem::WidgetNode& node : menu.widgets) {
            Widget& widget = *node.widget;
            if (widget.type != kButtonWidget || widget.texture == 0) continue;
            const std::string file = FileOf(widget.texture);
            if (!pictures.count(file)) pictures[file] = ReadBmp(file);
            const platform::RgbImage& image = pictures[file];
            ASSERT_GT(image.width, 0) << file;
            for (const RecordingCanvas::Call& print : Prints(widget)) {
                int off = 0;
                const auto& font = fonts.at(static_cast<std::size_t>(print.font));
                for (const auto& [px, py] : InkPixels(font, print.x, print.y, print.text))
                    for (int dx : {-kClearance, 0, kClearance})
                        off += TexelUnder(image, widget, px + dx, py) < kLightestRim ? 1 : 0;
                ++checked;
                EXPECT_EQ(off, 0) << menu.name << " \"" << print.text << "\": " << off
                                  << " inked pixels off the face of " << file;
            }
        }
    }
    EXPECT_GT(checked, 20);
}

// The measure itself: the ink of a print starts at the pen plus the first glyph's bearing and
// grows with every glyph.
TEST_F(CaptionFit, TheInkGrowsWithTheTextFromThePen) {
    const platform::GlyphSet& font = fonts[0];
    const Box one = InkBox(font, 100, 200, "M");
    const Box two = InkBox(font, 100, 200, "MM");
    EXPECT_NEAR(one.left, std::floor(100 - font.Of('M').originX), 1.0f);
    EXPECT_NEAR(two.right - one.right, font.Of('M').advance, 1.0f);
    EXPECT_LT(one.top, 200);
    EXPECT_LE(one.bottom, 201);
    EXPECT_TRUE(InkBox(font, 100, 200, "   ").Empty());
}

TEST_F(CaptionFit, VersusNamesStayInsideTheirHudPanels) {
    const std::vector<Box> panels = HudPanels();
    ASSERT_EQ(panels.size(), 2u);
    const char* const names[] = {"Davavod Tank", "Dovevevuzu Grav Buggy", "Vavedodev Gremlin",
                                 "Diveroruz Lancer"};
    for (const char* first : names) {
        for (const char* second : names) {
            Vehicle one, two;
            one.SetName(first);
            two.SetName(second);
            HudState state;
            state.gameMode = Versus;
            state.playerOne = &one;
            state.playerTwo = &two;
            for (const HudText& text : LayOutHud(state)) {
                const bool isOne = text.text == std::string(first) + " (player 1)";
                const bool isTwo = text.text == std::string(second) + " (player 2)";
                if (!isOne && !isTwo) continue;
                const Box ink = InkBox(fonts.at(static_cast<std::size_t>(text.font)), text.x,
                                       text.y, text.text);
                const Box& panel = panels[isOne ? 0 : 1];
                EXPECT_TRUE(ink.Inside(panel)) << "\"" << text.text << "\" " << Describe(ink)
                                               << " leaves its panel " << Describe(panel);
            }
        }
    }
}

}  // namespace
