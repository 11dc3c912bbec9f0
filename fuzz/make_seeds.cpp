// fuzz_make_seeds <folder>: writes a few well-formed inputs per reader for the fuzzers to
// start from, under <folder>/<reader>/.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ModelBuilder.h"
#include "Ms3dWriter.h"

namespace {

namespace fs = std::filesystem;
using namespace content::model;

bool Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

Ms3dModel Vehicle() {
    ModelBuilder builder;
    const int paint =
        builder.AddMaterial(SolidMaterial("paint", 0.2f, 0.5f, 0.2f, "..\\Textures\\tank.bmp"));
    const int rubber = builder.AddMaterial(SolidMaterial("rubber", 0.1f, 0.1f, 0.1f));
    const int body = builder.AddGroup("body", paint);
    builder.AddBox(body, {0, 0.5f, 0}, {2, 1, 3});
    builder.AddWedge(body, {0, 1.5f, 0.5f}, 1.5f, 1, 0.5f, 0);
    const int wheels = builder.AddGroup("wheels", rubber);
    for (float x : {-1.2f, 1.2f}) builder.AddCylinder(wheels, {x, 0, 1}, 0.5f, 0.4f, Axis::X, 6);
    builder.CentreOnFloor();
    return builder.GetModel();
}

// A grid of triangles at the format's largest counts, 65,535 vertices and triangles; with
// `closed`, the grid wraps round into a torus, whose every edge is shared.
Ms3dModel Largest(bool closed) {
    constexpr int kLargest = 65535;
    constexpr int kSide = 181;
    Ms3dModel m;
    for (int v = 0; v < kLargest; ++v) {
        Ms3dVertex vertex;
        vertex.x = static_cast<float>(v % 256);
        vertex.z = static_cast<float>(v / 256);
        m.vertices.push_back(vertex);
    }
    auto at = [closed](int row, int column) {
        const int side = closed ? kSide : kSide + 1;
        return static_cast<std::uint16_t>((row % side) * side + column % side);
    };
    Ms3dGroup group;
    group.name = "all";
    group.materialIndex = -1;
    for (int t = 0; t < kLargest; ++t) {
        const int cell = t / 2 % (kSide * kSide);
        const int row = cell / kSide, column = cell % kSide;
        Ms3dTriangle triangle{};
        if (t % 2 == 0)
            triangle.vertexIndices = {at(row, column), at(row + 1, column), at(row, column + 1)};
        else
            triangle.vertexIndices = {at(row + 1, column), at(row + 1, column + 1),
                                      at(row, column + 1)};
        m.triangles.push_back(triangle);
        group.triangleIndices.push_back(static_cast<std::uint16_t>(t));
    }
    m.groups = {group};
    return m;
}

// The three dialogue files as the seeds give them.
const char* const kDialogueList = "number of dialogues = 1\nfilename = \"config.txt\"\n";
const char* const kDialogueConfig =
    "name = objectives\ndialogue text = \"text.txt\"\nmenu location = \"LEVEL_SCREEN\"\n"
    "background image = \"panel.jpg\"\nposition = 256, 120\nsize = 500, 150\n"
    "window color = 0.1, 0.1, 0.2, 0.8\ntext color = 1.0, 0.9, 0.5, 1.0\n"
    "self transition = false\nuse color key = TRUE\nchars per line = 30\n"
    "transition time = 1.0\nfont index = 1\n";
const char* const kDialogueText =
    "number of textboxes = 2\nnumber of portraits = 2\nportrait size = 128, 128\n"
    "portrait[0]\n{\n\"terran.jpg\"\n}\nportrait[-1]\n{\n\"diveroruz.jpg\"\n}\n"
    "textbox[0]\n{\n\"First page.\"\n\"Second page.\"\n}\n"
    "textbox[1]\n{\n\"Third page, 100% sure.\"\n}\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    bool ok = true;
    ok &= Write(root / "level_file/room.txt",
                "floor.bmp unused.bmp walls.bmp\n(24,20)\n"
                "GAME_ENTITY soda_can.ms3d (5,6) 1 1 SPHERE\n"
                "GAME_ENTITY bathroom_shower.ms3d (10,3) 3 2 shower.txt\n"
                "VEHICLE tank.txt (20,16) 1 1 NONE\nBATTERY battery.txt (12,12) 1 1 NONE\n");
    ok &= Write(root / "bounding_boxes/two.txt", "2\n(-1,-2),(1,2)\n(0,0),(4.5,1)\n");
    ok &= Write(root / "tag_file/tank.txt",
                "<MESH_FILE>tank.ms3d</MESH_FILE>\n<NAME>Davavod Tank</NAME>\n"
                "<HIT_POINTS>100</HIT_POINTS>\n<MAX_SPEED>1.2</MAX_SPEED>\n");
    ok &= Write(root / "line_readers/script.cfg",
                "\x12\x34num particles = 12\nposition = 1, 2\n"
                "window color = 0.1, 0.2, 0.3, 1.0\nfade in duration  = 0.5\n"
                "name = spark\nportrait[0]\n{\n\"portrait.bmp\"\n}\n"
                "dialogue text = \"Hello there\"\n");
    std::string error;
    fs::create_directories(root / "ms3d");
    ok &= WriteMs3d(root / "ms3d/vehicle.ms3d", Vehicle(), error);
    ModelBuilder small;
    small.AddBox(small.AddGroup("box"), {0, 0, 0}, {1, 1, 1});
    ok &= WriteMs3d(root / "ms3d/box.ms3d", small.GetModel(), error);
    Ms3dModel largest = Largest(true);
    ok &= WriteMs3d(root / "ms3d/largest_closed.ms3d", largest, error);
    ok &= WriteMs3d(root / "ms3d/largest_open.ms3d", Largest(false), error);
    // The largest counts, every triangle in a group of its own but for the last.
    largest.groups.clear();
    for (std::uint16_t t = 0; t < 65534; t += 2) {
        Ms3dGroup pair;
        pair.name = "g";
        pair.materialIndex = -1;
        pair.triangleIndices = {t, static_cast<std::uint16_t>(t + 1)};
        largest.groups.push_back(pair);
    }
    largest.groups.back().triangleIndices.push_back(65534);
    ok &= WriteMs3d(root / "ms3d/largest_groups.ms3d", largest, error);

    ok &= Write(root / "dialogue_files/list.txt", kDialogueList);
    ok &= Write(root / "dialogue_files/config.txt", kDialogueConfig);
    ok &= Write(root / "dialogue_files/text.txt", kDialogueText);
    ok &= Write(root / "dialogue_widgets/objectives.txt",
                std::string(kDialogueList) + '\0' + kDialogueConfig + '\0' + kDialogueText);
    ok &= Write(root / "level_build/room.txt",
                "Wood_Dark.jpg Wood_Floor.jpg Wallpaper_Stripes.bmp\n(24,20)\n"
                "GAME_ENTITY soda_can.ms3d (5,6) 1 1 SPHERE\n"
                "GAME_ENTITY bathroom_shower.ms3d (10,3) 3 2 shower.txt\n"
                "GAME_ENTITY kitchen_counter.ms3d (6,0) 7 3 kitchen_counter.txt\n"
                "VEHICLE tank.txt (20,16) 1 1 NONE\nBATTERY battery.txt (12,12) 1 1 NONE\n");
    if (!ok)
        std::fprintf(stderr, "fuzz_make_seeds: %s\n",
                     error.empty() ? "cannot write" : error.c_str());
    return ok ? 0 : 1;
}
