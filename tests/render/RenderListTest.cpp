#include <gtest/gtest.h>

#include <list>
#include <ostream>
#include <vector>

#include "render/MeshTree.h"
#include "render/RenderLists.h"
#include "render/Renderer.h"

namespace {

class RenderListTest : public ::testing::Test {
protected:
    RenderListTest() {
        blast.scenery = false;   // a radial blast
        casterA.scenery = true;  // recorded level objects
        casterB.scenery = true;
        shower.scenery = false;
    }
    MeshTree blast, casterA, casterB, shower;
};

struct OrderCase {
    const char* name;
    int cameraMode;
    bool overhead;
};
void PrintTo(const OrderCase& c, std::ostream* out) {
    *out << c.name;
}

class RenderListOrderTest : public RenderListTest,
                            public ::testing::WithParamInterface<OrderCase> {};

TEST_P(RenderListOrderTest, OverheadViewsDrawAllBackToFrontOthersNonSceneryFrontToBack) {
    const std::list<MeshTree*> list = {&casterA, &blast, &casterB, &shower};
    const std::vector<MeshTree*> order = RenderListDrawOrder(list, GetParam().cameraMode);
    if (GetParam().overhead)
        EXPECT_EQ(order, (std::vector<MeshTree*>{&shower, &casterB, &blast, &casterA}));
    else
        EXPECT_EQ(order, (std::vector<MeshTree*>{&blast, &shower}));
}

INSTANTIATE_TEST_SUITE_P(Modes, RenderListOrderTest,
                         ::testing::Values(OrderCase{"NoView", 0, false},
                                           OrderCase{"Chase", 1, false},
                                           OrderCase{"TopDown", 2, true},
                                           OrderCase{"Front", 3, false},
                                           OrderCase{"Overview", 4, true}));

TEST_F(RenderListTest, AddsAtEitherEndAndRemovesOnlyTheFirstOccurrence) {
    Renderer renderer;
    renderer.AddToRenderList(&casterA, 2, true);
    renderer.AddToRenderList(&blast, 2, true);
    renderer.AddToRenderList(&casterB, 2, false);
    renderer.AddToRenderList(&blast, 2, true);
    using List = std::list<MeshTree*>;
    EXPECT_EQ(renderer.renderLists[2], (List{&casterB, &casterA, &blast, &blast}));
    renderer.RemoveFromRenderList(&shower, 2);  // not in it
    EXPECT_EQ(renderer.renderLists[2].size(), 4u);
    renderer.RemoveFromRenderList(&blast, 2);
    EXPECT_EQ(renderer.renderLists[2], (List{&casterB, &casterA, &blast}));
    renderer.AddToRenderList(&shower, 3, true);  // no such list
    renderer.AddToRenderList(&shower, -1, true);
    renderer.RemoveFromRenderList(&shower, 7);
    EXPECT_TRUE(renderer.renderLists[0].empty());
    renderer.ClearRenderLists();
    for (const List& list : renderer.renderLists) EXPECT_TRUE(list.empty());
}

}  // namespace
