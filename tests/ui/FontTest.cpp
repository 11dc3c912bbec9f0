// Fonts and printing: the font table, the bytes that have glyphs, the typewriter, and the
// glyph metrics that FreeType gives the game's face.
#include <cmath>
#include <filesystem>

#include "platform/freetype/FreeTypeFonts.h"
#include "tests/ui/MenuFixture.h"
#include "ui/Typewriter.h"

namespace uitest {
namespace {

using Kind = RecordingCanvas::Kind;

TEST_F(MenuTest, TheStartUpFontsTakeIndicesZeroToThreeAndAnEleventhIsRefused) {
    ASSERT_EQ(fake.fonts.requests.size(), 4u);
    EXPECT_EQ(fake.fonts.requests[0].height, -28);
    EXPECT_TRUE(fake.fonts.requests[0].bold);
    EXPECT_EQ(fake.fonts.requests[1].height, 20);
    EXPECT_FALSE(fake.fonts.requests[1].bold);
    EXPECT_EQ(fake.fonts.requests[3].face, "Times New Roman");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(menus.GetFontBase(i), (i + 1) * 1000);
    for (int i = 4; i < 10; ++i)
        EXPECT_EQ(menus.CreateFont("Times New Roman", 12, false, false, false), i);
    EXPECT_EQ(menus.CreateFont("Times New Roman", 12, false, false, false), -1);
    EXPECT_EQ(menus.GetFontCount(), 10);

    menus.DeleteFonts();
    menus.DeleteFonts();  // released once
    EXPECT_EQ(canvas.deletedFonts.size(), 10u);
}

TEST_F(MenuTest, OnlyCodesWithGlyphsArePrinted) {
    const float white[3] = {1, 1, 1};
    const struct {
        std::string text;
        std::string printed;
    } rows[] = {
        {"\xC8", "\xC8"},  // code 200
        {"a\x1F"
         "b",
         "ab"},  // 31
        {"a\xDC"
         "b",
         "ab"},                      // 220
        {"\x7F\xFF ok", "\x7F ok"},  // 127 has a list, 255 none
        {"", ""},
    };
    for (const auto& row : rows) {
        canvas.Clear();
        menus.PrintText2D(0, 10, 20, white, row.text);
        const auto texts = canvas.Texts();
        if (row.printed.empty()) {
            EXPECT_TRUE(texts.empty());
        } else {
            ASSERT_EQ(texts.size(), 1u);
            EXPECT_EQ(texts[0], row.printed);
        }
    }
    // A font index beyond those made prints nothing.
    canvas.Clear();
    menus.Print2D(7, 0, 0, 1, 1, 1, "%s", "x");
    menus.Print2D(-1, 0, 0, 1, 1, 1, "%s", "x");
    EXPECT_TRUE(canvas.Texts().empty());
    menus.Print3D(2, 1, 2, 3, 1, 0, 0, "%d%%", 5);
    ASSERT_EQ(canvas.Of(Kind::Text3D).size(), 1u);
    EXPECT_EQ(canvas.Of(Kind::Text3D)[0].text, "5%");
    EXPECT_EQ(canvas.Of(Kind::Text3D)[0].font, 2);
}

TEST_F(MenuTest, TypedTextIsDrawnAsItStands) {
    const float cream[3] = {1, 0.9f, 0.6f};
    for (int i = 0; i < 6; ++i) menus.TypeText(1, 160, 600, cream, 40, "50% off");
    ASSERT_FALSE(canvas.Texts().empty());
    EXPECT_EQ(canvas.Texts().back(), "50% of");
    EXPECT_EQ(canvas.Of(Kind::Text2D).back().font, 1);
    EXPECT_FLOAT_EQ(canvas.Of(Kind::Text2D).back().y, 600);
}

TEST(MissingFontTest, IsSaidOnceAndItsTextIsNotDrawn) {
    platform::FakePlatform fake;
    fake.fonts.missing.insert("Wingdings");
    RecordingCanvas canvas;
    SetMenuCanvas(&canvas);
    {
        MenuSystem menus;
        testing::internal::CaptureStderr();
        EXPECT_EQ(menus.CreateFont("Wingdings", -20, false, false, false), 0);
        EXPECT_EQ(menus.CreateFont("Wingdings", -20, true, false, false), 1);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("Wingdings"), std::string::npos);
        EXPECT_EQ(said.find("Wingdings"), said.rfind("Wingdings"));
        menus.Print2D(0, 0, 0, 1, 1, 1, "hello");
        EXPECT_TRUE(canvas.Texts().empty());
    }
    SetMenuCanvas(nullptr);
}

// The typewriter's layout, one call per character.
std::vector<std::string> Type(Typewriter& typewriter, std::string_view text, int calls,
                              int charsPerLine) {
    for (int i = 0; i < calls; ++i) typewriter.Advance(text, charsPerLine);
    std::vector<std::string> lines;
    for (int line = 0; line <= typewriter.GetLine(); ++line)
        lines.push_back(typewriter.GetLineText(line));
    return lines;
}

TEST(TypewriterTest, BreaksAtTheFirstSpaceAtOrAfterTheWidth) {
    Typewriter typewriter;
    const char* text = "abcd efgh ijkl mnop";
    EXPECT_EQ(Type(typewriter, text, 14, 10), (std::vector<std::string>{"abcd efgh ijkl"}));
    EXPECT_EQ(Type(typewriter, text, 1, 10), (std::vector<std::string>{"abcd efgh ijkl", " "}));
    EXPECT_EQ(Type(typewriter, text, 10, 10),
              (std::vector<std::string>{"abcd efgh ijkl", " mnop"}));
    // Fully shown, the same text stays; another text starts from its first character.
    EXPECT_EQ(Type(typewriter, text, 3, 10), (std::vector<std::string>{"abcd efgh ijkl", " mnop"}));
    EXPECT_EQ(Type(typewriter, "xyz", 1, 10), (std::vector<std::string>{"x"}));
}

// A word that ends exactly at the width breaks at the space after it; one a character short
// leaves the line open for the next word; one a character over stays on its line whole.
TEST(TypewriterTest, AWordEndingAtTheWidthBreaksTheLine) {
    struct Row {
        const char* text;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"abcd efghi jk lm", {"abcd efghi", " jk lm"}},  // ends at 10
        {"abcd efgh ij kl", {"abcd efgh ij", " kl"}},    // ends at 9: "ij" joins the line
        {"abcd efghij kl", {"abcd efghij", " kl"}},      // ends at 11
        {"abcdefghij", {"abcdefghij"}},                  // at the width with nothing after
    };
    for (const Row& row : rows) {
        Typewriter typewriter;
        const std::string text = row.text;
        EXPECT_EQ(Type(typewriter, text, static_cast<int>(text.size()), 10), row.lines) << text;
    }
}

TEST(TypewriterTest, AShorterTextMidRevealStartsAgainInsteadOfReadingPastItsEnd) {
    Typewriter typewriter;
    Type(typewriter, "a long first page of text", 12, 40);
    EXPECT_EQ(Type(typewriter, "short", 1, 40), (std::vector<std::string>{"s"}));
    // A longer one mid-reveal goes on at the position with its own characters.
    Typewriter other;
    Type(other, "abc", 2, 40);
    EXPECT_EQ(Type(other, "xyzw", 1, 40), (std::vector<std::string>{"abz"}));
}

TEST(TypewriterTest, TheThirdLineIsOverwrittenFromItsStart) {
    Typewriter typewriter;
    const std::string text = "aa bb cc dd";
    const auto lines = Type(typewriter, text, static_cast<int>(text.size()), 1);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "aa");
    EXPECT_EQ(lines[1], " bb");
    EXPECT_EQ(lines[2], " dd");
}

// Glyph metrics of the real face at the game's sizes: Liberation Serif has the advance widths
// of Times New Roman, so captions stand where the menus place them.
struct MetricCase {
    int font;
    int pixelSize;  // a negative height is the em in pixels, a positive one the cell
    float space, guillemetLeft, guillemetRight;
    int sampleWidth;  // "Single Player"
};

class GlyphMetricsTest : public ::testing::TestWithParam<MetricCase> {};

TEST_P(GlyphMetricsTest, MatchTheFace) {
    const MetricCase& c = GetParam();
    platform::FreeTypeFonts fonts;
    if (!std::filesystem::exists(platform::FreeTypeFonts::DefaultFolder() /
                                 "LiberationSerif-Regular.ttf"))
        GTEST_SKIP() << "fonts-liberation is not installed";
    platform::FontRequest request{kGameFontFace, kGameFonts[c.font].height, kGameFonts[c.font].bold,
                                  false};
    platform::GlyphSet glyphs;
    std::string error;
    ASSERT_TRUE(fonts.Rasterise(request, glyphs, error)) << error;
    ASSERT_EQ(glyphs.glyphs.size(), static_cast<std::size_t>(platform::kGlyphCount));
    EXPECT_EQ(glyphs.pixelSize, c.pixelSize);
    EXPECT_FLOAT_EQ(glyphs.Of(' ').advance, c.space);
    EXPECT_FLOAT_EQ(glyphs.Of(0xAB).advance, c.guillemetLeft);
    EXPECT_FLOAT_EQ(glyphs.Of(0xBB).advance, c.guillemetRight);
    float width = 0;
    for (unsigned char ch : std::string("Single Player")) width += glyphs.Of(ch).advance;
    EXPECT_EQ(static_cast<int>(width), c.sampleWidth);
    // Glyphs have ink, and the euro sign comes through the code page.
    EXPECT_GT(glyphs.Of('A').height, 0);
    EXPECT_GT(glyphs.Of(0x80).width, 0);
    EXPECT_EQ(glyphs.Of(0x81).advance, 0.0f);  // undefined in the code page
    // Rows come bottom row first, as glBitmap takes them: the bar of a T is in the last row
    // (wider than its stem halfway up), and its foot sits on the baseline.
    const platform::Glyph& tee = glyphs.Of('T');
    auto inked = [&](int row) {
        int count = 0;
        for (int x = 0; x < tee.width; ++x) count += tee.IsSet(x, row);
        return count;
    };
    EXPECT_GT(inked(tee.height - 1), 3 * inked(tee.height / 2));
    EXPECT_EQ(tee.originY, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Table, GlyphMetricsTest,
                         // Hinted advances: a quarter em for the space, half an em for the
                         // guillemets, rounded to whole pixels.
                         ::testing::Values(MetricCase{0, 28, 7, 14, 14, 159},
                                           MetricCase{1, 18, 5, 10, 10, 94},
                                           MetricCase{2, 22, 6, 11, 11, 123},
                                           MetricCase{3, 36, 9, 18, 18, 199}),
                         [](const auto& info) { return "font" + std::to_string(info.param.font); });

}  // namespace
}  // namespace uitest
