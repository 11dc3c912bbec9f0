#include <stdexcept>
#include <system_error>

#include "tools/content/scene/SceneModels.h"

namespace content::scene {
namespace {

// A piece that stands against any of the four walls comes in four turns.
void AddTurns(std::vector<SceneModel>& list, const std::string& name, Shapes (*build)()) {
    list.push_back({name + ".ms3d", build, 0});
    list.push_back({name + "_90.ms3d", build, 1});
    list.push_back({name + "_180.ms3d", build, 2});
    list.push_back({name + "_270.ms3d", build, 3});
}

std::vector<SceneModel> MakeList() {
    std::vector<SceneModel> list = {
        // The vehicles, as the vehicle files and the selection menus name them.
        {"tank.ms3d", Tank},
        {"buggy.ms3d", Buggy},
        {"ufo.ms3d", Ufo},
        {"lancer.ms3d", Lancer},
        {"battery.ms3d", Battery},
        // What the weapons look like.
        {"bullet.ms3d", Bullet},
        {"shell.ms3d", Shell},
        {"laser_bolt.ms3d", LaserBolt},
        {"rail_slug.ms3d", RailSlug},
        {"force_ball.ms3d", ForceBall},
        {"mine.ms3d", Mine},
        {"irradiation_field.ms3d", IrradiationField},
        {"force_blast.ms3d", ForceBlast},
        {"ram_shield.ms3d", RamShield},
        // Pieces that look the same from every side, or stand free in the room.
        {"bathroom_shower.ms3d", BathroomShower},
        {"bathtub.ms3d", Bathtub},
        {"laundry_basket.ms3d", LaundryBasket},
        {"nightstand.ms3d", Nightstand},
        {"floor_lamp.ms3d", FloorLamp},
        {"kitchen_table.ms3d", KitchenTable},
        {"trash_can.ms3d", TrashCan},
        {"dining_table.ms3d", DiningTable},
        {"dining_table_90.ms3d", DiningTable, 1},
        {"potted_plant.ms3d", PottedPlant},
        {"soda_can.ms3d", SodaCan},
        {"rubber_duck.ms3d", RubberDuck},
        {"book_stack.ms3d", BookStack},
        {"toy_blocks.ms3d", ToyBlocks},
        {"toy_block_red.ms3d", ToyBlockRed},
        {"toy_block_blue.ms3d", ToyBlockBlue},
        {"toy_block_yellow.ms3d", ToyBlockYellow},
        {"toy_block_green.ms3d", ToyBlockGreen},
        {"block_wall.ms3d", BlockWall},
        {"block_wall_90.ms3d", BlockWall, 1},
        {"ball.ms3d", Ball},
        {"teddy_bear.ms3d", TeddyBear},
        {"blanket_fort.ms3d", BlanketFort},
        {"cushion.ms3d", Cushion},
    };
    AddTurns(list, "toilet", Toilet);
    AddTurns(list, "bathroom_sink", BathroomSink);
    AddTurns(list, "bathroom_cabinet", BathroomCabinet);
    AddTurns(list, "bed", Bed);
    AddTurns(list, "single_bed", SingleBed);
    AddTurns(list, "wardrobe", Wardrobe);
    AddTurns(list, "desk", Desk);
    AddTurns(list, "desk_chair", DeskChair);
    AddTurns(list, "bookshelf", Bookshelf);
    AddTurns(list, "kitchen_chair", KitchenChair);
    AddTurns(list, "fridge", Fridge);
    AddTurns(list, "kitchen_counter", KitchenCounter);
    AddTurns(list, "kitchen_stove", KitchenStove);
    AddTurns(list, "dining_chair", DiningChair);
    AddTurns(list, "sideboard", Sideboard);
    AddTurns(list, "china_cabinet", ChinaCabinet);
    return list;
}

}  // namespace

const std::vector<SceneModel>& SceneModels() {
    static const std::vector<SceneModel> list = MakeList();
    return list;
}

model::Ms3dModel BuildSceneModel(const SceneModel& entry) {
    Shapes shapes = entry.build();
    shapes.CentreOnFloor();
    shapes.TurnQuarters(entry.quarterTurns);
    return shapes.GetModel();
}

bool GenerateScene(const std::filesystem::path& resources, std::string& error) {
    const std::filesystem::path folder = resources / "Art" / "Models";
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) {
        error = "cannot make " + folder.string() + ": " + made.message();
        return false;
    }
    for (const SceneModel& entry : SceneModels()) {
        try {
            if (!model::WriteMs3d(folder / entry.file, BuildSceneModel(entry), error)) return false;
        } catch (const std::invalid_argument& broken) {
            error = entry.file + ": " + broken.what();
            return false;
        }
    }
    return true;
}

}  // namespace content::scene
