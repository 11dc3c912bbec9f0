// The simple widgets: labels with bound values, pulses, buttons, fades and loading screens.
#include <cmath>

#include "tests/ui/MenuFixture.h"
#include "ui/ButtonWidget.h"
#include "ui/FadeTransitionWidget.h"
#include "ui/LabelWidget.h"
#include "ui/LoadingScreenWidget.h"

namespace uitest {
namespace {

using Kind = RecordingCanvas::Kind;

TEST_F(MenuTest, ABoundLabelIsPlacedByTheLengthOfItsFormat) {
    int shots = 12;
    menus.CreateWidget(kLabelWidget, "Shots fired: %i", &shots, kBoundInt, "", "WIN_DISPLAY", "",
                       512, 300, 512, 20, kClear, kYellow, kWhite, false, false, 1);
    menus.CreateWidget(kLabelWidget, "Title", nullptr, 0, "", "WIN_DISPLAY", "", 512, 100, 250, 50,
                       kClear, kWhite, kWhite, false, false, 0);
    Frame(0.01f);
    const auto texts = canvas.Of(Kind::Text2D);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Shots fired: 12");
    EXPECT_EQ(texts[0].font, 1);
    EXPECT_FLOAT_EQ(texts[0].x, 512 - 15 * 5);  // 15 characters of format, 5 pixels each
    EXPECT_FLOAT_EQ(texts[0].y, 305);
    EXPECT_FLOAT_EQ(texts[1].x, 512 - 5 * 6);  // font 0: 6 pixels each
}

// What each kind of bound value prints, and formats that cannot be used for their value.
struct BoundCase {
    const char* name;
    const char* format;
    int type;
    const char* printed;
};

class BoundLabelTest : public MenuTest, public ::testing::WithParamInterface<BoundCase> {};

TEST_P(BoundLabelTest, PrintsItsValueAsText) {
    const BoundCase& c = GetParam();
    int number = 42;
    float ratio = 0.5f;
    double precise = 2.25;
    char letter = 'A';
    char pilotText[] = "Roruz 100%";
    char* pilot = pilotText;
    void* values[] = {nullptr, &number, &ratio, &precise, &letter, &pilot};
    const int bound = c.type >= 1 && c.type <= 5 ? c.type : 1;
    menus.CreateWidget(kLabelWidget, c.format, values[bound], c.type, "", "M", "", 512, 300, 512,
                       20, kClear, kWhite, kWhite, false, false, 1);
    Frame(0.01f);
    ASSERT_EQ(canvas.Texts().size(), 1u);
    EXPECT_EQ(canvas.Texts()[0], c.printed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BoundLabelTest,
    ::testing::Values(BoundCase{"int", "Kills: %i", kBoundInt, "Kills: 42"},
                      BoundCase{"float", "Ratio %.2f", kBoundFloat, "Ratio 0.50"},
                      BoundCase{"double", "%.1f s", kBoundDouble, "2.2 s"},
                      BoundCase{"char_as_int", "code %d", kBoundChar, "code 65"},
                      // A per-cent sign inside the value is drawn, never read as a format.
                      BoundCase{"string_with_percent", "Pilot: %s", kBoundString,
                                "Pilot: Roruz 100%"},
                      BoundCase{"escaped_percent", "%i%% hit", kBoundInt, "42% hit"},
                      // A format that does not fit its value shows as it stands.
                      BoundCase{"string_format_for_int", "%s", kBoundInt, "%s"},
                      BoundCase{"two_conversions", "%i of %i", kBoundInt, "%i of %i"},
                      BoundCase{"star_width", "%*d", kBoundInt, "%*d"},
                      BoundCase{"unknown_kind", "%i", 9, "%i"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuTest, ALongBoundTextIsCutAt255Characters) {
    const std::string format = std::string(300, 'x') + "%i";
    int value = 7;
    menus.CreateWidget(kLabelWidget, format.c_str(), &value, kBoundInt, "", "M", "", 0, 0, 10, 10,
                       kClear, kWhite, kWhite, false, false, 1);
    Frame(0.01f);
    ASSERT_EQ(canvas.Texts().size(), 1u);
    EXPECT_EQ(canvas.Texts()[0], std::string(255, 'x'));
}

TEST_F(MenuTest, PulsesNeverFallBelowTheirFloors) {
    const float hover[4] = {0.9f, 0.6f, 0.3f, 1.0f};
    LabelWidget label("", "", nullptr, 0, 0, 0, 10, 10, kWhite, kWhite, hover, true, false, 0);
    ButtonWidget button("", "", 0, 0, 10, 10, kWhite, kWhite, hover, true, false);
    button.OnMouseEnter();
    float labelLowest = 1, buttonLowest = 1, labelHighest = 0;
    for (int frame = 0; frame < 400; ++frame) {
        frameSeconds = 0.013f * (1 + frame % 5);  // uneven frames
        label.UpdatePulse();
        button.UpdatePulse();
        labelLowest = std::min(labelLowest, label.currentColour[0] / hover[0]);
        labelHighest = std::max(labelHighest, label.currentColour[0] / hover[0]);
        buttonLowest = std::min(buttonLowest, button.currentColour[0] / hover[0]);
    }
    // The floor is checked before each step, so one step of 60 units/s may dip under it.
    EXPECT_GE(labelLowest, 1.0f / 3.0f - 0.065f * 60 / 25);
    EXPECT_GE(buttonLowest, 0.5f - 0.065f * 60 / 50);
    EXPECT_LT(labelLowest, 0.45f);
    EXPECT_GT(labelHighest, 0.95f);
    EXPECT_FLOAT_EQ(label.currentColour[3], 1.0f);  // alpha untouched
}

TEST_F(MenuTest, APressedButtonLeftWithoutReleaseIsUnpressedAtOnce) {
    const int id = Button("MAIN_MENU", "Play", 512, 300, "", "button.bmp");
    auto& button = static_cast<ButtonWidget&>(*menus.FindWidget(id));
    button.OnMouseEnter();
    button.OnMouseDown(512, 300);
    Frame(0.01f);
    auto quads = canvas.Of(Kind::Quad);
    ASSERT_EQ(quads.size(), 2u);  // shadow, then body
    EXPECT_FLOAT_EQ(quads[1].quad.corners[0].x - quads[0].quad.corners[0].x, 10 - 4);
    EXPECT_FLOAT_EQ(quads[0].quad.colour[3], 0.6f);
    EXPECT_FLOAT_EQ(quads[1].quad.depth, 0.05f);

    button.OnMouseLeave();
    canvas.Clear();
    Frame(0.01f);
    quads = canvas.Of(Kind::Quad);
    EXPECT_FLOAT_EQ(quads[1].quad.corners[0].x - quads[0].quad.corners[0].x, 10);
    EXPECT_FLOAT_EQ(quads[1].quad.colour[0], kWhite[0]);
    EXPECT_FLOAT_EQ(canvas.Of(Kind::Text2D)[0].x, 512 - 4 * 6);
}

TEST_F(MenuTest, TexturedAndOutlinedButtonsColourTheirCaptionsApart) {
    const int textured = Button("M", "Tex", 300, 300, "", "button.bmp");
    const int outlined = Button("M", "Out", 700, 300);
    menus.FindWidget(textured)->OnMouseEnter();
    menus.FindWidget(outlined)->OnMouseEnter();
    Frame(0.01f);
    const auto texts = canvas.Of(Kind::Text2D);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_FLOAT_EQ(texts[0].colour[2], kBlack[2]);   // text colour on a picture
    EXPECT_FLOAT_EQ(texts[1].colour[0], kYellow[0]);  // hover colour on an outline
    EXPECT_FLOAT_EQ(texts[1].colour[2], kYellow[2]);
    const auto outline = canvas.Of(Kind::LineStrip);
    ASSERT_EQ(outline.size(), 1u);
    ASSERT_EQ(outline[0].points.size(), 5u);
    EXPECT_FLOAT_EQ(outline[0].points[0].x, 700 - 90);
    EXPECT_FLOAT_EQ(outline[0].points[2].y, 300 + 25);
}

TEST_F(MenuTest, AFadeRisesAndFallsInTheSameTimeAndCanBeReplayed) {
    const float colour[4] = {0.2f, 0.3f, 0.4f, 0.9f};
    FadeTransitionWidget fade(colour, 0.05f);
    EXPECT_FLOAT_EQ(fade.GetLevel(), 0.0f);
    EXPECT_TRUE(fade.fadingIn);
    EXPECT_FLOAT_EQ(fade.hoverColour[3], 0.9f);
    EXPECT_FALSE(fade.hovered);
    EXPECT_TRUE(fade.visible);
    for (int round = 0; round < 2; ++round) {
        int frames = 0;
        frameSeconds = 0.01f;
        while (fade.fadingIn && frames < 1000) {
            fade.Draw();
            ++frames;
        }
        EXPECT_NEAR(frames * 0.01f, 0.4f, 0.011f);
        EXPECT_FLOAT_EQ(fade.GetLevel(), 1.0f);
        frames = 0;
        while (!fade.fadingIn && frames < 1000) {
            fade.Draw();
            ++frames;
        }
        EXPECT_NEAR(frames * 0.01f, 0.4f, 0.011f);
        EXPECT_FLOAT_EQ(fade.GetLevel(), 0.0f);
    }
    // Whole window, from just above its top edge.
    const auto quads = canvas.Of(Kind::Quad);
    ASSERT_FALSE(quads.empty());
    EXPECT_FLOAT_EQ(quads[0].quad.corners[0].y, -10.0f);
    EXPECT_FLOAT_EQ(quads[0].quad.corners[2].x, 1024.0f);
    EXPECT_FLOAT_EQ(quads[0].quad.corners[2].y, 768.0f);
}

std::vector<int> stepsRun;
void StepA() {
    stepsRun.push_back(1);
}
void StepB() {
    stepsRun.push_back(2);
}

TEST_F(MenuTest, LoadingStepsRunOnePerCallAndTheLastReportsDone) {
    LoadingScreenWidget loading("Loading...", "", 512, 384, kBlack, kWhite, false);
    EXPECT_EQ(loading.w, 1024);
    EXPECT_EQ(loading.h, 768);
    stepsRun.clear();
    loading.AddStep(StepA);
    loading.AddStep(StepB);
    const struct {
        bool done;
        std::vector<int> run;
    } expected[] = {{false, {1}}, {true, {1, 2}}, {true, {1, 2}}};
    for (const auto& row : expected) {
        EXPECT_EQ(loading.RunStep(), row.done);
        EXPECT_EQ(stepsRun, row.run);
    }
}

}  // namespace
}  // namespace uitest
