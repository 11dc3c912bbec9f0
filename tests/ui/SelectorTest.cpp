// Selectors: building, stepping by their arrows, and the model selector's panel and model.
#include <memory>

#include "render/MeshTree.h"
#include "tests/ui/MenuFixture.h"
#include "ui/ButtonWidget.h"
#include "ui/LabelWidget.h"
#include "ui/ModelSelectorWidget.h"
#include "ui/OptionSelectorWidget.h"

namespace uitest {
namespace {

using Kind = RecordingCanvas::Kind;

class SelectorTest : public MenuTest {
protected:
    // Four options, centre (512, 400), 300 x 50: arrows 50 wide centred at 387 and 637, 395.
    OptionSelectorWidget& Options() {
        const int id =
            menus
                .CreateSelector(kOptionSelectorWidget, "AI Difficulty", "", "l.bmp", "r.bmp",
                                "OPTIONS", 512, 400, 300, 50, kClear, kWhite, kWhite, kYellow, true,
                                4, "Medium ", "Hard ", "OMG HAX!!    ", "Easy  ")
                .GetId("OPTIONS");
        menus.SetCurrentMenu("OPTIONS");
        return static_cast<OptionSelectorWidget&>(*menus.FindWidget(id));
    }
    ModelSelectorWidget& Models(const char* caption) {
        const int id = menus
                           .CreateSelector(kModelSelectorWidget, caption, "scratch.bmp", "l.bmp",
                                           "r.bmp", "VEHICLE_SELECTION", 512, 384, 300, 200, kClear,
                                           kWhite, kWhite, kYellow, true, 2, "Davavod Tank",
                                           "tank.ms3d", "Diveroruz Lancer", "lancer.ms3d")
                           .GetId("VEHICLE_SELECTION");
        menus.SetCurrentMenu("VEHICLE_SELECTION");
        return static_cast<ModelSelectorWidget&>(*menus.FindWidget(id));
    }
    std::string Shown(const Widget& selector) {
        return static_cast<const LabelWidget&>(*menus.FindWidget(SelectorLabelId(selector))).name;
    }
    int SelectorLabelId(const Widget& selector) {
        for (const auto& node : menus.FindMenu(menus.GetCurrentMenuName())->widgets)
            if (node.widget.get() == &selector) return node.id - 3;
        return -1;
    }
};

TEST_F(SelectorTest, OptionsWrapBothWaysAndStepOnRelease) {
    OptionSelectorWidget& selector = Options();
    EXPECT_EQ(selector.selectedIndex, 0);
    EXPECT_EQ(Shown(selector), "Medium ");

    Move(387, 400);
    menus.HandleMouse(platform::WM_LBUTTONDOWN, 387, 400);
    EXPECT_EQ(selector.selectedIndex, 0);  // not on the press
    menus.HandleMouse(platform::WM_LBUTTONUP, 387, 400);
    EXPECT_EQ(selector.selectedIndex, 3);
    EXPECT_EQ(Shown(selector), "Easy  ");
    // The release reached the arrow first, then the selector around it.
    EXPECT_EQ(menus.GetLastReleasedId(), SelectorLabelId(selector) + 3);

    for (int i = 0; i < 4; ++i) Click(637, 400);
    EXPECT_EQ(selector.selectedIndex, 3);
    Click(637, 400);
    EXPECT_EQ(selector.selectedIndex, 0);
    EXPECT_EQ(Shown(selector), "Medium ");
}

TEST_F(SelectorTest, AReleaseOnTheTopOfAnArrowOutsideTheSelectorStepsNothing) {
    OptionSelectorWidget& selector = Options();
    // The arrow spans 370 to 420 in y, the selector 375 to 425.
    Click(637, 372);
    EXPECT_EQ(selector.selectedIndex, 0);
    EXPECT_EQ(menus.GetLastReleasedId(), SelectorLabelId(selector) + 1);  // the right arrow
    Click(637, 375);
    EXPECT_EQ(selector.selectedIndex, 1);
}

TEST_F(SelectorTest, ModelsStepOnPressWithHiddenArrows) {
    ModelSelectorWidget& selector = Models("");
    EXPECT_FALSE(selector.leftArrow->visible);
    Move(387, 384);
    menus.HandleMouse(platform::WM_LBUTTONDOWN, 387, 384);
    EXPECT_EQ(selector.selectedIndex, 1);
    EXPECT_EQ(Shown(selector), "Diveroruz Lancer");
    menus.HandleMouse(platform::WM_LBUTTONUP, 387, 384);
    EXPECT_EQ(selector.selectedIndex, 1);
}

TEST_F(SelectorTest, TheModelSelectorDrawsPanelArrowsAndLabelWhereTheCaptionSays) {
    ModelSelectorWidget& above = Models("");
    EXPECT_EQ(menus.FindWidget(SelectorLabelId(above))->y, 384 - 100 - 50);
    Frame(0.01f);
    // The panel is 0.8 of the width, at depth -1; both arrows are drawn and hidden again.
    const auto quads = canvas.Of(Kind::Quad);
    ASSERT_GE(quads.size(), 1u);
    bool panelFound = false;
    for (const auto& call : quads)
        if (call.quad.depth == -1.0f) {
            panelFound = true;
            EXPECT_FLOAT_EQ(call.quad.corners[0].x, 512 - 120);
            EXPECT_FLOAT_EQ(call.quad.corners[2].x, 512 + 120);
        }
    EXPECT_TRUE(panelFound);
    EXPECT_FALSE(above.leftArrow->visible);
    int leftArrowQuads = 0;
    for (const auto& call : quads)
        if (call.quad.texture == canvas.textures["l.bmp"]) ++leftArrowQuads;
    EXPECT_EQ(leftArrowQuads, 2);  // shadow and body
    // No model could be loaded here: the empty slot is neither turned nor drawn.
    EXPECT_TRUE(canvas.Of(Kind::Model).empty());

    menus.DeleteAll();
    ModelSelectorWidget& below = Models("Choose");
    EXPECT_EQ(menus.FindWidget(SelectorLabelId(below))->y, 384 + 100 + 50);
}

// A vehicle-sized box, its half sizes along x, y and z, centred on the model's origin.
std::unique_ptr<MeshTree> Box(float x, float y, float z) {
    auto model = std::make_unique<MeshTree>();
    const float half[3] = {x, y, z};
    for (int axis = 0; axis < 3; ++axis) {
        model->boundsMin[axis] = -half[axis];
        model->boundsMax[axis] = half[axis];
    }
    return model;
}

// The panels the selection menus use: the wide one in the middle and the two of Versus.
TEST_F(SelectorTest, AModelIsShrunkOnlyAsFarAsItsPanelNeeds) {
    struct Case {
        const char* what;
        int x, width;
        float half[3];
        bool shrunk;
    };
    const Case cases[] = {
        {"a small model in the wide panel", 512, 500, {0.8f, 0.3f, 0.8f}, false},
        {"a small model in Versus's left panel", 256, 400, {0.8f, 0.3f, 0.8f}, false},
        {"a small model in Versus's right panel", 768, 400, {0.8f, 0.3f, 0.8f}, false},
        {"a long model in Versus's left panel", 256, 400, {1.5f, 0.6f, 1.9f}, true},
        {"a long model in Versus's right panel", 768, 400, {1.5f, 0.6f, 1.9f}, true},
    };
    for (const Case& c : cases) {
        ModelSelectorWidget selector("", "", nullptr, nullptr, nullptr, c.x, 304, c.width, 200,
                                     kWhite, kWhite, 1);
        const auto model = Box(c.half[0], c.half[1], c.half[2]);
        const float scale = selector.FitScale(*model);
        EXPECT_EQ(scale < 1.0f, c.shrunk) << c.what << ": " << scale;
        EXPECT_GT(scale, 0.5f) << c.what;
        if (c.shrunk) {
            EXPECT_LT(scale, selector.FitScale(*Box(0.8f, 0.3f, 0.8f))) << c.what;
        }
    }
    // The rule that came before the panel's: a model over 1.9 units is brought down to 1.9
    // at least.
    ModelSelectorWidget wide("", "", nullptr, nullptr, nullptr, 512, 304, 500, 200, kWhite, kWhite,
                             1);
    EXPECT_LE(wide.FitScale(*Box(0.4f, 3.8f, 0.4f)), 0.5f);
}

TEST_F(SelectorTest, AVersusModelTurnsOverTheMiddleOfItsOwnPanel) {
    // At the model's depth the panel's centre lies this far across; the two sides mirror.
    ModelSelectorWidget left("", "", nullptr, nullptr, nullptr, 256, 304, 400, 200, kWhite, kWhite,
                             1);
    ModelSelectorWidget right("", "", nullptr, nullptr, nullptr, 768, 304, 400, 200, kWhite, kWhite,
                              1);
    ModelSelectorWidget middle("", "", nullptr, nullptr, nullptr, 512, 304, 500, 200, kWhite,
                               kWhite, 1);
    const float focal = 384.0f / 0.41421356f;
    EXPECT_NEAR(left.ModelAcross(), -256.0f * 12.0f / focal, 1e-4f);
    EXPECT_FLOAT_EQ(right.ModelAcross(), -left.ModelAcross());
    EXPECT_FLOAT_EQ(middle.ModelAcross(), 0.0f);
}

TEST_F(SelectorTest, ASelectorWithoutChoicesIsRefused) {
    const WidgetIdMap none =
        menus.CreateSelector(kOptionSelectorWidget, "Level Select", "", "l.bmp", "r.bmp", "M", 512,
                             400, 300, 50, kClear, kWhite, kWhite, kYellow, true, 0);
    EXPECT_TRUE(none.Empty());
    EXPECT_EQ(none.GetId("M"), -1);
    EXPECT_EQ(menus.GetLastWidgetId(), -1);  // no node was made
}

TEST_F(SelectorTest, TheLabelKeepsItsOwnCopyOfTheChoice) {
    OptionSelectorWidget& selector = Options();
    const int labelId = SelectorLabelId(selector);
    Click(637, 400);
    selector.options[1] = "changed";
    EXPECT_EQ(static_cast<LabelWidget&>(*menus.FindWidget(labelId)).name, "Hard ");
    menus.DeleteAll();  // each string freed once, by its own owner
}

}  // namespace
}  // namespace uitest
