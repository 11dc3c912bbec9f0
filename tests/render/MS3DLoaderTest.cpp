#include "render/MS3DLoader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>

#include "ModelBuilder.h"
#include "app/FileLoader.h"
#include "app/MessageBox.h"
#include "platform/fake/FakePlatform.h"
#include "tests/app/HostileFiles.h"
#include "tests/app/TempDir.h"
#include "tests/render/Ms3dFixtures.h"

namespace {

using namespace fixtures;
using content::model::ModelBuilder;
using content::model::Vec3;

std::string RefusalOf(const std::string& bytes, bool withShadowData = true) {
    MS3DLoader loader;
    MeshTree model;
    try {
        Read(loader, bytes, model, withShadowData);
    } catch (const ModelLoadError& error) {
        return error.what();
    }
    return "";
}

// A model of three primitives in three groups, two materials and a group without one.
Ms3dModel Composed() {
    ModelBuilder builder;
    const int crate = builder.AddMaterial(
        content::model::SolidMaterial("crate", 0.8f, 0.6f, 0.2f, "..\\Textures\\crate.bmp"));
    Ms3dMaterial rubber = content::model::SolidMaterial("rubber", 0.1f, 0.1f, 0.1f);
    rubber.shininess = 12.5f;
    rubber.transparency = 0.75f;
    rubber.specular[0] = 0.3f;
    rubber.alphaMapFile = "..\\Textures\\alpha.bmp";
    const int wheel = builder.AddMaterial(rubber);
    builder.AddBox(builder.AddGroup("body", crate), {0, 0.5f, 0}, {2, 1, 3});
    builder.AddCylinder(builder.AddGroup("wheel", wheel), {1.5f, 0, 1}, 0.5f, 0.4f,
                        content::model::Axis::X, 8);
    builder.AddWedge(builder.AddGroup("nose", -1), {0, 1.5f, 1}, 2, 1, 0.5f, 0);
    builder.CentreOnFloor();
    return builder.GetModel();
}

void ExpectSameMesh(const Ms3dModel& written, const MeshTree& model) {
    ASSERT_TRUE(model.mesh);
    const MeshData& mesh = *model.mesh;
    ASSERT_EQ(mesh.vertices.size(), written.vertices.size());
    for (std::size_t v = 0; v < written.vertices.size(); ++v) {
        EXPECT_EQ(mesh.vertices[v][0], written.vertices[v].x);
        EXPECT_EQ(mesh.vertices[v][1], written.vertices[v].y);
        EXPECT_EQ(mesh.vertices[v][2], written.vertices[v].z);
    }
    ASSERT_EQ(mesh.triangles.size(), written.triangles.size());
    for (std::size_t t = 0; t < written.triangles.size(); ++t) {
        const MeshTriangle& read = mesh.triangles[t];
        const Ms3dTriangle& file = written.triangles[t];
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(read.vertexIndices[k], file.vertexIndices[k]);
            for (int c = 0; c < 3; ++c) EXPECT_EQ(read.normals[k][c], file.normals[k][c]);
            EXPECT_EQ(read.s[k], file.s[k]);
            EXPECT_EQ(read.t[k], 1.0f - file.t[k]);
        }
    }
    ASSERT_EQ(mesh.groups.size(), written.groups.size());
    EXPECT_EQ(model.groupCount, static_cast<int>(written.groups.size()));
    for (std::size_t g = 0; g < written.groups.size(); ++g) {
        EXPECT_EQ(mesh.groups[g].name, written.groups[g].name);
        EXPECT_EQ(mesh.groups[g].triangleCount, written.groups[g].triangleIndices.size());
        EXPECT_EQ(mesh.groups[g].triangleIndices, written.groups[g].triangleIndices);
        EXPECT_EQ(mesh.groups[g].materialIndex, written.groups[g].materialIndex);
    }
    ASSERT_EQ(mesh.materials.size(), written.materials.size());
    for (std::size_t m = 0; m < written.materials.size(); ++m) {
        const MeshMaterial& read = mesh.materials[m];
        const Ms3dMaterial& file = written.materials[m];
        EXPECT_EQ(read.name, file.name);
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(read.ambient[c], file.ambient[c]);
            EXPECT_EQ(read.diffuse[c], file.diffuse[c]);
            EXPECT_EQ(read.specular[c], file.specular[c]);
            EXPECT_EQ(read.emissive[c], file.emissive[c]);
        }
        EXPECT_EQ(read.shininess, file.shininess);
        EXPECT_EQ(read.transparency, file.transparency);
        EXPECT_EQ(read.textureFile, file.textureFile);
        EXPECT_EQ(read.alphaMapFile, file.alphaMapFile);
    }
}

class MS3DLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { SetModelTextureSource(&textures); }
    void TearDown() override { SetModelTextureSource(nullptr); }

    platform::FakePlatform fake;
    RecordingTextures textures;
};

TEST_F(MS3DLoaderTest, AWrittenModelReadsBackExactlyThroughTheFileLoader) {
    const Ms3dModel written = Composed();
    TempDir dir;
    std::string error;
    ASSERT_TRUE(content::model::WriteMs3d(dir.path / "crate.ms3d", written, error)) << error;
    WorkingDirectory inside(dir.path);
    FileLoader loader;
    loader.Init();
    const std::unique_ptr<MeshTree> model =
        loader.LoadModel((loader.GetRoot() + "\\Crate.MS3D").c_str(), true);
    ASSERT_TRUE(model);
    EXPECT_TRUE(fake.dialogs.shown.empty());
    ExpectSameMesh(written, *model);
    ASSERT_EQ(textures.requested,
              std::vector<std::string>{".\\RESOURCES\\Art\\Textures\\crate.bmp"});
    EXPECT_EQ(model->mesh->materials[0].texture, 100u);
    EXPECT_EQ(model->mesh->materials[1].texture, 0u) << "no texture name, no texture";
    ASSERT_TRUE(model->matrix);
    EXPECT_EQ(model->matrix->m[0], 1.0f);
    EXPECT_EQ(model->matrix->m[12], 0.0f);
    EXPECT_EQ(model->boundsMin[1], 0.0f) << "the builder stands the model on the floor";
}

TEST_F(MS3DLoaderTest, SetsTheDrawingFlagsAndKeepsTheCentreOffsetZero) {
    MS3DLoader loader;
    MeshTree model;
    model.drawBlack = model.transparent = true;
    Read(loader, Bytes(Square()), model);
    EXPECT_TRUE(model.lit && model.outlined && model.castsShadow && model.scenery && model.visible);
    EXPECT_FALSE(model.celShaded || model.inRenderList || model.transparent ||
                 model.revealsUnderCaster || model.drawBlack);
    EXPECT_EQ(model.centreOffset.x, 0.0f);
    EXPECT_EQ(model.centreOffset.y, 0.0f);
    EXPECT_EQ(model.centreOffset.z, 0.0f);
}

TEST_F(MS3DLoaderTest, TexturesComeFromTheLoadersOwnSourceWhenItHasOne) {
    RecordingTextures own;
    MS3DLoader loader(&own);
    MeshTree model;
    Read(loader, Bytes(Square()), model);
    EXPECT_EQ(own.requested.size(), 1u);
    EXPECT_TRUE(textures.requested.empty());
}

TEST_F(MS3DLoaderTest, TextureNamesTooShortToCutGiveNoTexture) {
    for (const char* name : {"", "x"}) {
        Ms3dModel m = Square();
        m.materials[0].textureFile = name;
        MS3DLoader loader;
        MeshTree model;
        Read(loader, Bytes(m), model);
        EXPECT_EQ(model.mesh->materials[0].texture, 0u) << name;
    }
    EXPECT_TRUE(textures.requested.empty());
}

struct VersionCase {
    const char* name;
    std::int32_t version;
    std::string refusal;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << c.name;
}

class MS3DVersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(MS3DVersionTest, TakesVersionThreeAndLater) {
    Ms3dModel m = Square();
    m.version = GetParam().version;
    EXPECT_EQ(RefusalOf(Bytes(m)), GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, MS3DVersionTest,
    ::testing::Values(VersionCase{"Two", 2, "Outdated version number - version 1.3+ only"},
                      VersionCase{"Negative", -1, "Outdated version number - version 1.3+ only"},
                      VersionCase{"Three", 3, ""}, VersionCase{"Four", 4, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Vertices at various heights and their floor distance; the radius counts only those
// strictly between y = -2 and y = 4.
struct RadiusCase {
    const char* name;
    std::vector<Ms3dVertex> vertices;
    float radius;
};

void PrintTo(const RadiusCase& c, std::ostream* os) {
    *os << c.name;
}

class MS3DRadiusTest : public ::testing::TestWithParam<RadiusCase> {};

TEST_P(MS3DRadiusTest, CountsOnlyTheBandAboveTheFloor) {
    Ms3dModel m;
    m.vertices = GetParam().vertices;
    MS3DLoader loader;
    MeshTree model;
    Read(loader, Bytes(m), model);
    EXPECT_FLOAT_EQ(model.radius, GetParam().radius);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, MS3DRadiusTest,
    ::testing::Values(RadiusCase{"AtMinusTwo", {Vertex(1, 0, 0), Vertex(3, -2.0f, 4)}, 1.0f},
                      RadiusCase{
                          "JustAboveMinusTwo", {Vertex(1, 0, 0), Vertex(3, -1.999f, 4)}, 5.0f},
                      RadiusCase{"JustBelowFour", {Vertex(1, 0, 0), Vertex(3, 3.999f, 4)}, 5.0f},
                      RadiusCase{"AtFour", {Vertex(1, 0, 0), Vertex(3, 4.0f, 4)}, 1.0f},
                      RadiusCase{"AllAboveFour", {Vertex(1, 5, 0), Vertex(3, 9, 4)}, 0.0f},
                      RadiusCase{"FromXAndZOnly", {Vertex(-6, 1, -8)}, 10.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MS3DBoundsTest, BoundsCoverTheVerticesAndStayZeroWithoutAny) {
    Ms3dModel m;
    m.vertices = {Vertex(2, 3, 4), Vertex(-1, 5, 0), Vertex(0, -2, 9)};
    MS3DLoader loader;
    MeshTree model;
    Read(loader, Bytes(m), model);
    EXPECT_EQ(model.boundsMin[0], -1.0f);
    EXPECT_EQ(model.boundsMin[1], -2.0f);
    EXPECT_EQ(model.boundsMin[2], 0.0f);
    EXPECT_EQ(model.boundsMax[0], 2.0f);
    EXPECT_EQ(model.boundsMax[1], 5.0f);
    EXPECT_EQ(model.boundsMax[2], 9.0f);

    MeshTree empty;
    Read(loader, Bytes(Ms3dModel{}), empty);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(empty.boundsMin[c], 0.0f);
        EXPECT_EQ(empty.boundsMax[c], 0.0f);
    }
}

TEST(MS3DTriangleTest, TextureRowsAreFlipped) {
    Ms3dModel m = Square();
    m.triangles[0].t[0] = 0.25f;
    MS3DLoader loader;
    MeshTree model;
    Read(loader, Bytes(m), model);
    EXPECT_EQ(model.mesh->triangles[0].t[0], 0.75f);
}

TEST(MS3DShadowTest, TrianglesSharingAnEdgeInEitherDirectionAreNeighbours) {
    Ms3dModel m;
    for (int i = 0; i < 10; ++i)
        m.vertices.push_back(Vertex(static_cast<float>(i), 0, static_cast<float>(i * i)));
    m.triangles = {Triangle(4, 9, 0), Triangle(9, 4, 1), Triangle(2, 3, 5)};
    m.groups = {Group("g", {0, 1, 2}, -1)};
    MS3DLoader loader;
    MeshTree model;
    Read(loader, Bytes(m), model);
    const auto& t = model.mesh->triangles;
    EXPECT_EQ(t[0].neighbours[0], 2u);
    EXPECT_EQ(t[1].neighbours[0], 1u);
    for (int k : {1, 2}) {
        EXPECT_EQ(t[0].neighbours[k], kNoNeighbour);
        EXPECT_EQ(t[1].neighbours[k], kNoNeighbour);
    }
    for (int k = 0; k < 3; ++k) EXPECT_EQ(t[2].neighbours[k], kNoNeighbour);
    EXPECT_EQ(model.facesLight, std::vector<std::uint8_t>(3, 0));
}

TEST(MS3DShadowTest, TheShadowOrderFollowsTheGroups) {
    Ms3dModel m = Square();
    m.triangles.push_back(Triangle(1, 2, 3));
    m.groups = {Group("second first", {2, 0}, 0), Group("then", {1}, -1)};
    MS3DLoader loader;
    MeshTree model;
    Read(loader, Bytes(m), model);
    const MeshShadowIndex* shadow = model.GetShadowIndex();
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->count, 3u);
    EXPECT_EQ(shadow->order, (std::vector<std::uint16_t>{2, 0, 1}));
}

TEST(MS3DShadowTest, FaceEquationsPointOutOfTheCounterClockwiseSide) {
    Ms3dModel m;
    m.vertices = {Vertex(0, 0, 2), Vertex(1, 0, 2), Vertex(0, 1, 2)};
    m.triangles = {Triangle(0, 1, 2)};
    m.groups = {Group("g", {0}, -1)};
    MS3DLoader loader;
    MeshTree model;
    Read(loader, Bytes(m), model);
    const float* e = model.mesh->triangles[0].faceEquation;
    EXPECT_EQ(e[0], 0.0f);
    EXPECT_EQ(e[1], 0.0f);
    EXPECT_EQ(e[2], 1.0f);
    EXPECT_EQ(e[3], -2.0f);
}

TEST(MS3DShadowTest, WithoutShadowDataNothingOfItIsMade) {
    Ms3dModel m = Square();
    MS3DLoader loader;
    MeshTree model;
    Read(loader, Bytes(m), model, false);
    EXPECT_EQ(model.GetShadowIndex(), nullptr);
    EXPECT_TRUE(model.facesLight.empty());
    for (const MeshTriangle& t : model.mesh->triangles) {
        for (float e : t.faceEquation) EXPECT_EQ(e, 0.0f);
        for (std::uint32_t n : t.neighbours) EXPECT_EQ(n, kNoNeighbour);
    }
}

TEST(MS3DCountTest, EveryLoadAddsItsTrianglesAndARefusedOneNothing) {
    MS3DLoader loader;
    EXPECT_EQ(loader.GetTotalTriangles(), 0u);
    MeshTree a, b, c;
    Read(loader, Bytes(Square()), a);
    Read(loader, Bytes(Square()), b);
    EXPECT_EQ(loader.GetTotalTriangles(), 4u);
    Ms3dModel broken = Square();
    broken.groups[0].triangleIndices = {0};
    EXPECT_THROW(Read(loader, Bytes(broken), c), ModelLoadError);
    EXPECT_EQ(loader.GetTotalTriangles(), 4u);
}

// A valid file changed in one way, which the loader must refuse without keeping any of it.
struct BrokenCase {
    const char* name;
    std::function<std::string()> bytes;
    std::string refusal;
};

void PrintTo(const BrokenCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Mutated(const std::function<void(Ms3dModel&)>& change) {
    Ms3dModel m = Square();
    change(m);
    return Bytes(m);
}

// Fills the text field at `offset` with letters so that it has no terminating NUL.
std::string Unterminated(std::size_t offset, std::size_t size) {
    std::string bytes = Bytes(Square());
    for (std::size_t i = 0; i < size; ++i) bytes[offset + i] = 'A';
    return bytes;
}

const std::string kInvalid = "Not a valid MS3D Model";
const Layout kSquare = LayoutOf(Square());

class MS3DBrokenFileTest : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(MS3DBrokenFileTest, IsRefusedAndLeavesTheModelAsItWas) {
    RecordingTextures textures;
    MS3DLoader loader(&textures);
    MeshTree model;
    try {
        Read(loader, GetParam().bytes(), model);
        ADD_FAILURE() << "loaded";
    } catch (const ModelLoadError& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().refusal);
    }
    EXPECT_FALSE(model.mesh);
    EXPECT_FALSE(model.matrix);
    EXPECT_FALSE(model.visible);
    EXPECT_EQ(model.groupCount, 0);
    EXPECT_TRUE(textures.requested.empty());
    EXPECT_EQ(loader.GetTotalTriangles(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MS3DBrokenFileTest,
    ::testing::Values(
        BrokenCase{"Empty", [] { return std::string(); }, kInvalid},
        BrokenCase{"WrongMagic",
                   [] {
                       std::string b = Bytes(Square());
                       b[9] = '1';
                       return b;
                   },
                   kInvalid},
        BrokenCase{"HeaderWithoutVersion", [] { return std::string("MS3D000000\x04", 11); },
                   kInvalid},
        BrokenCase{
            "VertexIndexOutOfRange",
            [] { return Mutated([](Ms3dModel& m) { m.triangles[1].vertexIndices[2] = 4; }); },
            kInvalid},
        BrokenCase{"GroupTriangleOutOfRange",
                   [] { return Mutated([](Ms3dModel& m) { m.groups[0].triangleIndices[1] = 2; }); },
                   kInvalid},
        BrokenCase{"TriangleListedTwice",
                   [] {
                       return Mutated(
                           [](Ms3dModel& m) { m.groups.push_back(Group("again", {1}, -1)); });
                   },
                   kInvalid},
        BrokenCase{"TriangleInNoGroup",
                   [] { return Mutated([](Ms3dModel& m) { m.groups[0].triangleIndices = {1}; }); },
                   kInvalid},
        BrokenCase{"MaterialIndexPastTheEnd",
                   [] { return Mutated([](Ms3dModel& m) { m.groups[0].materialIndex = 1; }); },
                   kInvalid},
        BrokenCase{"MaterialIndexBelowNone",
                   [] { return Mutated([](Ms3dModel& m) { m.groups[0].materialIndex = -2; }); },
                   kInvalid},
        BrokenCase{"GroupNameUnterminated", [] { return Unterminated(kSquare.groups + 3, 32); },
                   kInvalid},
        BrokenCase{"MaterialNameUnterminated",
                   [] { return Unterminated(kSquare.materials + 2, 32); }, kInvalid},
        BrokenCase{"TextureNameUnterminated",
                   [] { return Unterminated(kSquare.materials + 2 + 105, 128); }, kInvalid},
        BrokenCase{"AlphaMapNameUnterminated",
                   [] { return Unterminated(kSquare.materials + 2 + 233, 128); }, kInvalid},
        BrokenCase{"HugeGroupInATinyFile",
                   [] {
                       std::string b = Bytes(Square()).substr(0, kSquare.groups + 2 + 33);
                       return b + std::string("\xff\xff\x00\x00", 4);
                   },
                   kInvalid}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MS3DTruncationTest, EveryCutBeforeTheEndOfTheMaterialsIsRefused) {
    const std::string whole = Bytes(Square());
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::string refusal = RefusalOf(whole.substr(0, length));
        if (length < kSquare.end)
            EXPECT_EQ(refusal, kInvalid) << "cut at " << length;
        else
            EXPECT_EQ(refusal, "") << "what follows the materials is not read; cut at " << length;
    }
}

TEST(MS3DEntryTest, NamesTheFaultsOfTheCall) {
    MS3DLoader loader;
    MeshTree model;
    auto messageOf = [](const std::function<void()>& call) {
        try {
            call();
        } catch (const ModelLoadError& error) {
            return std::string(error.what());
        }
        return std::string();
    };
    EXPECT_EQ(messageOf([&] { loader.Load(nullptr, &model, true); }), "Invalid or empty filename");
    EXPECT_EQ(messageOf([&] { loader.Load("", &model, true); }), "Invalid or empty filename");
    EXPECT_EQ(messageOf([&] { loader.Load("x.ms3d", nullptr, true); }),
              "Internal error: MeshTree model is <null>!");
    TempDir dir;
    EXPECT_EQ(messageOf([&] { loader.Load((dir.path / "absent.ms3d").c_str(), &model, true); }),
              "File not found");
}

class FileLoaderModelTest : public ::testing::Test {
protected:
    platform::FakePlatform fake;
    TempDir dir;
};

TEST_F(FileLoaderModelTest, AFileItCannotUseGivesOneBoxCaptionedWithThePath) {
    Ms3dModel old = Square();
    old.version = 2;
    std::string error;
    ASSERT_TRUE(content::model::WriteMs3d(dir.path / "old.ms3d", old, error));
    FileLoader loader;
    loader.Init();
    for (const auto& [file, message] :
         {std::pair{std::string("absent.ms3d"), std::string("File not found")},
          std::pair{std::string("old.ms3d"),
                    std::string("Outdated version number - version 1.3+ only")}}) {
        fake.dialogs.shown.clear();
        const std::string path = (dir.path / file).string();
        EXPECT_FALSE(loader.LoadModel(path.c_str(), true));
        ASSERT_EQ(fake.dialogs.shown.size(), 1u);
        EXPECT_FALSE(fake.dialogs.shown[0].question);
        EXPECT_EQ(fake.dialogs.shown[0].text, message);
        EXPECT_EQ(fake.dialogs.shown[0].caption, path);
    }
}

TEST_F(FileLoaderModelTest, AFileThatFailsAgainShowsNoSecondBoxAndALaterGoodOneLoads) {
    FileLoader loader;
    loader.Init();
    const std::string path = (dir.path / "late.ms3d").string();
    for (int request = 0; request < 3; ++request)
        EXPECT_FALSE(loader.LoadModel(path.c_str(), false));
    EXPECT_EQ(fake.dialogs.shown.size(), 1u);
    std::string error;
    ASSERT_TRUE(content::model::WriteMs3d(path, Square(), error));
    EXPECT_TRUE(loader.LoadModel(path.c_str(), false));
}

TEST_F(FileLoaderModelTest, WhatIsNoModelFileIsNotFound) {
    FileLoader loader;
    loader.Init();
    std::filesystem::create_directories(dir.path / "folder.ms3d");
    const std::filesystem::path places[] = {dir.path / "folder.ms3d",
                                            hostile::MakeFifo(dir.path / "fifo.ms3d"),
                                            hostile::MakeEndless(dir.path / "endless.ms3d")};
    for (const std::filesystem::path& place : places)
        EXPECT_FALSE(hostile::WithinSeconds(
            place, [&] { return loader.LoadModel(place.c_str(), true) != nullptr; }));
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    for (const auto& shown : fake.dialogs.shown) EXPECT_EQ(shown.text, "File not found");
}

TEST_F(FileLoaderModelTest, BeforeInitAndAfterReleaseThereIsNoModelAndNoBox) {
    std::string error;
    ASSERT_TRUE(content::model::WriteMs3d(dir.path / "square.ms3d", Square(), error));
    const std::string path = (dir.path / "square.ms3d").string();
    FileLoader loader;
    EXPECT_FALSE(loader.LoadModel(path.c_str(), true));
    loader.Init();
    EXPECT_TRUE(loader.LoadModel(path.c_str(), false));
    loader.ReleaseModelLoader();
    EXPECT_FALSE(loader.LoadModel(path.c_str(), true));
    loader.ReleaseModelLoader();
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

}  // namespace
