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
    if (!ok)
        std::fprintf(stderr, "fuzz_make_seeds: %s\n",
                     error.empty() ? "cannot write" : error.c_str());
    return ok ? 0 : 1;
}
