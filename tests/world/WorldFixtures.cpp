#include "tests/world/WorldFixtures.h"

#include <filesystem>

#include "tools/content/model/Ms3dWriter.h"

namespace worldtest {

content::model::Ms3dModel BoxModel(float sizeX, float sizeY, float sizeZ) {
    content::model::ModelBuilder builder;
    const int material =
        builder.AddMaterial(content::model::SolidMaterial("paint", 0.6f, 0.5f, 0.4f));
    const int group = builder.AddGroup("body", material);
    builder.AddBox(group, {0.0f, 0.0f, 0.0f}, {sizeX, sizeY, sizeZ});
    return builder.GetModel();
}

std::string TagText(const std::map<std::string, std::string>& pairs) {
    std::string text;
    for (const auto& [key, value] : pairs) text += "<" + key + ">" + value + "</" + key + ">\n";
    return text;
}

std::map<std::string, std::string> VehicleKeys(const std::string& name) {
    return {
        {"MESH_FILE", "car.ms3d"},
        {"NAME", name},
        {"PILOT", "Pilot"},
        {"PILOT_IMAGE_FILE", "pilot.bmp"},
        {"PRIMARY_WEAPON_FILE", "gun.txt"},
        {"SECONDARY_WEAPON_FILE", "special.txt"},
        {"PRIMARY_WEAPON", "NORMAL"},
        {"SECONDARY_WEAPON", "Mine"},
        {"HIT_POINTS", "300"},
        {"FUEL", "1000"},
        {"FUEL_REGEN", "5"},
        {"PRIMARY_FUEL_COST", "10"},
        {"SECONDARY_FUEL_COST", "40"},
        {"ACCELERATION", "0.5"},
        {"TURNING_RATE", "0.2"},
        {"MAX_SPEED", "1.25"},
        {"WEIGHT", "2.5"},
        {"PRIMARY_WEAPON_DELAY", "0.3"},
        {"SECONDARY_WEAPON_DELAY", "2"},
        {"SOUND_EFFECT_ONE", "3"},
        {"SOUND_EFFECT_TWO", "6"},
        {"BOUNDING_BOX", "SPHERE"},
    };
}

ContentFolder::ContentFolder() : inside(dir.path) {
    fileLoader.Init();
}

ContentFolder::~ContentFolder() {
    fileLoader.ReleaseModelLoader();
}

void ContentFolder::Remove(const std::string& relative) const {
    std::filesystem::remove(dir.path / relative);
}

void ContentFolder::Vehicle(const std::string& file,
                            const std::map<std::string, std::string>& keys) const {
    Write("RESOURCES/Files/Vehicles/" + file, TagText(keys));
}

void ContentFolder::Weapon(const std::string& file,
                           const std::map<std::string, std::string>& keys) const {
    Write("RESOURCES/Files/Weapons/" + file, TagText(keys));
}

std::string ContentFolder::Level(const std::string& file, const std::string& text) const {
    Write("RESOURCES/Files/" + file, text);
    return fileLoader.GetRoot() + "\\RESOURCES\\Files\\" + file;
}

void ContentFolder::Boxes(const std::string& file, const std::string& text) const {
    Write("RESOURCES/Files/BoundingBoxes/" + file, text);
}

void ContentFolder::Model(const std::string& file, const content::model::Ms3dModel& model) const {
    const std::vector<std::uint8_t> bytes = content::model::EncodeMs3d(model);
    Write("RESOURCES/Art/Models/" + file, std::string(bytes.begin(), bytes.end()));
}

void ContentFolder::Weapons() const {
    Weapon("gun.txt", {{"NAME", "Machine Gun"},
                       {"RANGE", "60"},
                       {"MESH_FILE", "shell.ms3d"},
                       {"WEAPON_TYPE", "NORMAL"}});
    Weapon(
        "special.txt",
        {{"NAME", "Mine"}, {"RANGE", "7"}, {"MESH_FILE", "shell.ms3d"}, {"WEAPON_TYPE", "NORMAL"}});
    Model("shell.ms3d", BoxModel(0.5f, 0.5f, 0.5f));
}

std::unique_ptr<World> MakeWorld() {
    auto w = std::make_unique<World>();
    w->ResetResourceCache();
    return w;
}

std::vector<std::pair<int, int>> CellsListing(const World& w, const GameEntity* e) {
    std::vector<std::pair<int, int>> found;
    for (int x = 0; x < kMaxGridSize; ++x)
        for (int z = 0; z < kMaxGridSize; ++z)
            for (const GameEntity* listed : w.cells[x][z])
                if (listed == e) {
                    found.emplace_back(x, z);
                    break;
                }
    return found;
}

}  // namespace worldtest
