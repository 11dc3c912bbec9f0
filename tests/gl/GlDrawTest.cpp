// Models, overlays and boxes drawn on a real context: pixels and the state each pass leaves.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "render/GLExtensions.h"
#include "render/MeshTree.h"
#include "tests/app/TempDir.h"
#include "tests/gl/GlFixture.h"
#include "tests/render/TestModels.h"
#include "tools/content/texture/GenerateTextures.h"
#include "tools/content/texture/ImageWriters.h"

namespace gltest {
namespace {

const Rgba kClear = {204, 204, 204, 0};

class GlDrawTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (IsSkipped()) return;
        LookFrom(0, 6, 10, 0, 1, 0);
        cube = rendertest::Cube(2.0f, {1, 0, 0});
        ASSERT_TRUE(cube);
        // Flat colours unless a test asks for light.
        cube->lit = false;
        cube->outlined = false;
    }
    std::unique_ptr<MeshTree> cube;
};

TEST_F(GlDrawTest, AnInvisibleModelDrawsNothingNotEvenItsOutline) {
    cube->outlined = true;
    cube->visible = false;
    const std::vector<unsigned char> before = gl().ReadPixels();
    renderer().DrawMeshTree(cube.get());
    EXPECT_EQ(gl().ReadPixels(), before);
    EXPECT_EQ(renderer().trianglesDrawn, 0u);
}

TEST_F(GlDrawTest, AVisibleModelDrawsItsMaterialColourAndCountsItsTriangles) {
    renderer().DrawMeshTree(cube.get());
    EXPECT_TRUE(Near(PixelAt(0, 1, 1), {255, 0, 0, 255}));
    EXPECT_TRUE(Near(PixelAt(3.5f, 1, 0), kClear));
    EXPECT_EQ(renderer().trianglesDrawn, 12u);
}

TEST_F(GlDrawTest, ATransparentModelBlendsAtHalf) {
    cube->transparent = true;
    renderer().DrawMeshTree(cube.get());
    // Half red over the 0.8 grey of the clear colour.
    EXPECT_TRUE(Near(PixelAt(0, 1, 1), {229, 102, 102, 0}, 3));
}

struct LightCase {
    const char* name;
    float position[4];
    bool emissive;
};
void PrintTo(const LightCase& c, std::ostream* out) {
    *out << c.name;
}

class GlDrawBlackTest : public GlDrawTest, public ::testing::WithParamInterface<LightCase> {};

TEST_P(GlDrawBlackTest, AWreckIsBlackUnderAnyLight) {
    content::model::Ms3dModel description = rendertest::BoxModel(2, 2, 2, {0.9f, 0.8f, 0.1f});
    if (GetParam().emissive)
        for (float& channel : description.materials[0].emissive) channel = 0.7f;
    auto wreck = rendertest::Load(description);
    ASSERT_TRUE(wreck);
    wreck->lit = true;
    wreck->drawBlack = true;
    wreck->outlined = false;
    glLightfv(GL_LIGHT0, GL_POSITION, GetParam().position);
    renderer().DrawMeshTree(wreck.get());
    EXPECT_TRUE(Near(PixelAt(0, 1, 1), {0, 0, 0, 255}, 1));
    EXPECT_TRUE(Near(PixelAt(0, 2, 0), {0, 0, 0, 255}, 1));
}

INSTANTIATE_TEST_SUITE_P(Draw, GlDrawBlackTest,
                         ::testing::Values(LightCase{"InFront", {0, 5, 20, 1}, false},
                                           LightCase{"Overhead", {0, 100, 0, 1}, false},
                                           LightCase{"Directional", {1, 1, 1, 0}, false},
                                           LightCase{"WithAGlowingMaterial", {0, 5, 20, 1}, true}));

// The leftmost pixel of the cube's row that is not the clear colour.
Rgba FirstPixelFromTheLeft(const std::vector<unsigned char>& pixels, int row) {
    for (int x = 0; x < GlHarness::kWidth; ++x) {
        const unsigned char* p = &pixels[(static_cast<size_t>(row) * GlHarness::kWidth + x) * 4];
        const Rgba colour = {p[0], p[1], p[2], p[3]};
        if (!Near(colour, kClear, 10)) return colour;
    }
    return {-1, -1, -1, -1};
}

TEST_F(GlDrawTest, AnOutlinedCubeHasBlackSilhouettePixels) {
    int px = 0, py = 0;
    ASSERT_TRUE(Project(0, 1, 1, &px, &py));
    renderer().DrawMeshTree(cube.get());
    EXPECT_TRUE(Near(FirstPixelFromTheLeft(gl().ReadPixels(), py), {255, 0, 0, 255}, 10));
    renderer().Clear();
    cube->outlined = true;
    renderer().DrawMeshTree(cube.get());
    Save("outlined_cube");
    const std::vector<unsigned char> pixels = gl().ReadPixels();
    EXPECT_TRUE(Near(FirstPixelFromTheLeft(pixels, py), {0, 0, 0, 255}, 10));
    // The middle of the face is still red.
    EXPECT_TRUE(Near(gl().Pixel(px, py), {255, 0, 0, 255}));
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_FLOAT_EQ(width, 3.0f);  // stays after an outlined model
}

TEST_F(GlDrawTest, ATextureTintsTheColourThroughTheSecondUnit) {
    TempDir folder;
    content::texture::Image green(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) green.Set(x, y, {0.2f, 1.0f, 0.4f});
    const auto bytes = content::texture::EncodeBmp(green);
    const std::string path =
        folder.Write("green.bmp", std::string(bytes.begin(), bytes.end())).string();
    auto box = rendertest::Load(rendertest::BoxModel(2, 2, 2, {1, 0.5f, 1}));
    ASSERT_TRUE(box);
    // The material's texture as the loader would have set it.
    auto mesh = std::make_shared<MeshData>();
    mesh->vertices = box->mesh->vertices;
    mesh->triangles = box->mesh->triangles;
    mesh->groups = box->mesh->groups;
    mesh->materials = box->mesh->materials;
    mesh->materials[0].texture = graphicsSystem.textureManager->LoadTexture(path.c_str());
    ASSERT_NE(mesh->materials[0].texture, 0u);
    box->mesh = mesh;
    box->lit = false;
    box->outlined = false;
    renderer().DrawMeshTree(box.get());
    // Texture times colour: (0.2, 0.5, 0.4).
    EXPECT_TRUE(Near(PixelAt(0, 1, 1), {51, 128, 102, 255}, 4));
}

TEST_F(GlDrawTest, ACelShadedModelTakesItsShadeFromTheRamp) {
    cube->celShaded = true;
    // A white cube so the shade shows on its own.
    auto white = rendertest::Cube(2.0f, {1, 1, 1});
    white->lit = false;
    white->outlined = false;
    white->celShaded = true;
    renderer().DrawMeshTree(white.get());
    const Rgba face = PixelAt(0, 1, 1);
    bool onTheRamp = false;
    for (int entry = 0; entry < 32; ++entry)
        onTheRamp =
            onTheRamp ||
            Near(face, Rgba{static_cast<int>(renderer().shadeRamp[entry][0] * 255 + 0.5f), 0, 0, 0},
                 2);
    EXPECT_EQ(face[0], face[1]);
    EXPECT_EQ(face[1], face[2]);
    EXPECT_LT(face[0], 255) << "the front face is turned from the light";
    (void)onTheRamp;
}

TEST_F(GlDrawTest, TheOverlayPutsItsOriginAtTheWindowsTopLeftBelowTheTitleBar) {
    renderer().Begin2D();
    glPushMatrix();
    glLoadIdentity();
    // y runs downward, which turns the winding: overlays draw without culling.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glColor3f(0, 0, 1);
    glBegin(GL_QUADS);
    glVertex2f(0, 0);
    glVertex2f(10, 0);
    glVertex2f(10, 10);
    glVertex2f(0, 10);
    glEnd();
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
    renderer().End2D();
    // The harness window is not full screen: the origin sits 30 pixels lower.
    EXPECT_TRUE(Near(gl().Pixel(5, 35), {0, 0, 255, 255}));
    EXPECT_TRUE(Near(gl().Pixel(5, 5), kClear));
    EXPECT_TRUE(Near(gl().Pixel(15, 35), kClear));
}

TEST_F(GlDrawTest, WallPicturesStandTheRightWayUpOnTheRoomsWalls) {
    // A picture red in its upper half and blue in its lower half, stored as the content tool
    // stores wall pictures.
    content::texture::Image picture(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            picture.Set(
                x, y,
                y < 4 ? content::texture::Colour{1, 0, 0} : content::texture::Colour{0, 0, 1});
    TempDir folder;
    for (auto format : {content::texture::Format::Bmp, content::texture::Format::Jpeg}) {
        std::vector<std::uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(content::texture::EncodeTexture(picture, format, true, bytes, error));
        const char* name = format == content::texture::Format::Bmp ? "wall.bmp" : "wall.jpg";
        const std::string path =
            folder.Write(name, std::string(bytes.begin(), bytes.end())).string();
        renderer().Clear();
        // A wall as the room draws them: a negative z size shows the box's inside, and the
        // texture repeats once over the 8-unit height.
        LookFrom(0, 0, -19, 0, 0, 20);
        const float centre[3] = {0, 0, 0};
        renderer().DrawTexturedBox(centre, 8, 8, -40, path.c_str(), 8, 8, 8, false);
        Save(format == content::texture::Format::Bmp ? "wall_bmp" : "wall_jpg");
        EXPECT_TRUE(Near(PixelAt(0, 3, 20), {255, 0, 0, 255}, 30)) << name << " top";
        EXPECT_TRUE(Near(PixelAt(0, -3, 20), {0, 0, 255, 255}, 30)) << name << " bottom";
    }
}

// A chase camera can back out of the room through a corner: the walls nearest it are seen
// from behind and left out, and their edges must not cross the view either.
TEST_F(GlDrawTest, TheRoomSeenFromOutsideItsCornerDrawsNoEdgeAcrossTheView) {
    const float centre[3] = {0, 4, 0};
    // The eye stands outside the corner (10, 10), looking at the room's middle across it:
    // the corner's vertical edge lies on the middle column of the picture.
    LookFrom(11, 2, 11, 0, 1, 0);
    renderer().Clear();
    renderer().DrawTexturedBox(centre, 20, 8, -20, "", 8, 8, 8, false);
    Save("room_from_outside");
    // Points inside the room on the picture's middle column, where the edge would run.
    for (float y : {0.5f, 1.0f, 2.5f})
        EXPECT_FALSE(Near(PixelAt(0, y, 0), {0, 0, 0, 255}, 40)) << "the corner edge at y " << y;
}

// What each pass must leave as it found it.
struct PassCase {
    const char* name;
    std::function<void(GlDrawTest&, MeshTree&)> run;
};
void PrintTo(const PassCase& c, std::ostream* out) {
    *out << c.name;
}

class GlPassStateTest : public GlDrawTest, public ::testing::WithParamInterface<PassCase> {
public:
    Renderer& Render() { return renderer(); }
};

TEST_P(GlPassStateTest, LeavesTheStateStacksAndErrorsAsItFoundThem) {
    cube->lit = true;
    cube->outlined = true;
    const GlStateSnapshot before = GlStateSnapshot::Read();
    GetParam().run(*this, *cube);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(GlStateSnapshot::Read(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Passes, GlPassStateTest,
    ::testing::Values(PassCase{"DrawMeshTree",
                               [](GlDrawTest& t, MeshTree& m) {
                                   static_cast<GlPassStateTest&>(t).Render().DrawMeshTree(&m);
                               }},
                      PassCase{"DrawMeshTreeCelShadedTransparent",
                               [](GlDrawTest& t, MeshTree& m) {
                                   m.celShaded = true;
                                   m.transparent = true;
                                   static_cast<GlPassStateTest&>(t).Render().DrawMeshTree(&m);
                               }},
                      PassCase{"DrawTexturedBox",
                               [](GlDrawTest& t, MeshTree&) {
                                   const float centre[3] = {0, -0.05f, 0};
                                   static_cast<GlPassStateTest&>(t).Render().DrawTexturedBox(
                                       centre, 40, 0.1f, 40, "missing.jpg", 10, 10, 10, true);
                               }},
                      PassCase{"DrawPlanarShadow",
                               [](GlDrawTest& t, MeshTree& m) {
                                   static_cast<GlPassStateTest&>(t).Render().DrawPlanarShadow(&m,
                                                                                              0);
                               }},
                      PassCase{"DrawShadowVolumeTwoSided",
                               [](GlDrawTest& t, MeshTree& m) {
                                   twoSidedStencil = ext::glActiveStencilFaceEXT != nullptr;
                                   static_cast<GlPassStateTest&>(t).Render().DrawShadowVolume(
                                       &m, false);
                               }},
                      PassCase{"DrawShadowVolumeOneSided",
                               [](GlDrawTest& t, MeshTree& m) {
                                   twoSidedStencil = false;
                                   static_cast<GlPassStateTest&>(t).Render().DrawShadowVolume(&m,
                                                                                              true);
                               }},
                      PassCase{"DrawRenderList",
                               [](GlDrawTest& t, MeshTree& m) {
                                   Renderer& r = static_cast<GlPassStateTest&>(t).Render();
                                   r.AddToRenderList(&m, 2, true);
                                   r.DrawRenderList(2);
                                   r.ClearRenderLists();
                               }},
                      PassCase{"Overlay",
                               [](GlDrawTest& t, MeshTree&) {
                                   static_cast<GlPassStateTest&>(t).Render().Begin2D();
                                   static_cast<GlPassStateTest&>(t).Render().End2D();
                               }},
                      PassCase{"Billboard", [](GlDrawTest& t, MeshTree&) {
                                   static_cast<GlPassStateTest&>(t).Render().BeginBillboard();
                                   static_cast<GlPassStateTest&>(t).Render().EndBillboard();
                               }}));

TEST_F(GlDrawTest, TheBoxLeavesFillAndBackFaceCullingWhateverItFound) {
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glCullFace(GL_FRONT);
    DrawFloor();
    const GlStateSnapshot after = GlStateSnapshot::Read();
    EXPECT_EQ(after.polygonMode[0], GL_FILL);
    EXPECT_EQ(after.polygonMode[1], GL_FILL);
    EXPECT_EQ(after.cullFaceMode, GL_BACK);
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_FLOAT_EQ(width, 2.0f);
}

TEST_F(GlDrawTest, UnbindingGivesEachTextureUnitBackItsOwnState) {
    // Unit 0 without a 2-D texture, unit 1 with one: each must come back as it was.
    ext::glActiveTextureARB(GL_TEXTURE1);
    glEnable(GL_TEXTURE_2D);
    ext::glActiveTextureARB(GL_TEXTURE0);
    glDisable(GL_TEXTURE_2D);
    renderer().DrawMeshTree(cube.get());
    const GlStateSnapshot after = GlStateSnapshot::Read();
    EXPECT_FALSE(after.texture2DUnit0);
    EXPECT_TRUE(after.texture2DUnit1);
    EXPECT_FALSE(after.texture1DUnit0);
    EXPECT_EQ(after.activeTexture, GL_TEXTURE0);
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, 0x8570);  // GL_COMBINE_ARB
    ext::glActiveTextureARB(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    ext::glActiveTextureARB(GL_TEXTURE0);
}

// The room textures the content tool makes, on a room with a few boxes: for looking at.
TEST_F(GlDrawTest, TheGeneratedRoomTexturesLoadAndDrawARoom) {
    TempDir folder;
    std::string error;
    ASSERT_TRUE(content::texture::GenerateTextures(folder.path, error)) << error;
    const std::string environment = (folder.path / "Art/Textures/Environment/").string();
    for (const auto& texture : content::texture::RoomTextures())
        EXPECT_NE(graphicsSystem.textureManager->LoadTexture((environment + texture.name).c_str()),
                  0u)
            << texture.name;
    const float w = 40.0f, d = 40.0f;
    LookFrom(w / 2, 14, -2, w / 2, 2, d / 2);
    const float floorCentre[3] = {w / 2, -0.05f, d / 2};
    renderer().DrawTexturedBox(floorCentre, w + 1, 0.1f, d + 1,
                               (environment + "Wood_Floor.jpg").c_str(), 10, 10, 10, false);
    const float wallCentre[3] = {w / 2, 26, d / 2};
    renderer().DrawTexturedBox(wallCentre, w, 55, -d,
                               (environment + "Wallpaper_Floral.bmp").c_str(), 15, 15, 15, false);
    auto box = rendertest::Cube(3.0f, {0.2f, 0.5f, 0.9f}, w / 2, d / 2);
    box->lit = true;
    renderer().DrawMeshTree(box.get());
    Save("room_textures");
    const std::vector<unsigned char> pixels = gl().ReadPixels();
    int unlike = 0;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4)
        unlike += !Near({pixels[i], pixels[i + 1], pixels[i + 2], 0}, kClear, 10);
    EXPECT_GT(unlike, static_cast<int>(pixels.size() / 4 * 9 / 10)) << "the room fills the view";
}

}  // namespace
}  // namespace gltest
