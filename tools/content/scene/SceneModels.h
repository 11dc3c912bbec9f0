#pragma once
// Every model the game's content names: the four vehicles and the battery, the weapons'
// shapes, and the furniture and toys of the rooms. Sizes follow the room grid: a cell is
// 4.0 units, a vehicle about one cell; each model stands on y = 0, centred in x and z,
// with its front toward +z (a piece of furniture stands with its back to the wall at -z).
#include <filesystem>
#include <string>
#include <vector>

#include "tools/content/scene/Shapes.h"

namespace content::scene {

struct SceneModel {
    std::string file;      // under Art/Models/
    Shapes (*build)();     // the model facing +z
    int quarterTurns = 0;  // turned about y afterwards: 1 faces +x, 2 faces -z, 3 faces -x
};

// The models in file order.
const std::vector<SceneModel>& SceneModels();

// One model, built, turned and stood on the floor.
model::Ms3dModel BuildSceneModel(const SceneModel& entry);

// Writes every model under `resources`/Art/Models, making the folder. Returns false with
// the reason in `error` when a model cannot be built or written.
bool GenerateScene(const std::filesystem::path& resources, std::string& error);

// The builders, by kind.
Shapes Tank();
Shapes Buggy();
Shapes Ufo();
Shapes Lancer();
Shapes Battery();

Shapes Bullet();
Shapes Shell();
Shapes LaserBolt();
Shapes RailSlug();
Shapes ForceBall();
Shapes Mine();
Shapes IrradiationField();
Shapes ForceBlast();
Shapes RamShield();

Shapes BathroomShower();
Shapes Bathtub();
Shapes Toilet();
Shapes BathroomSink();
Shapes BathroomCabinet();
Shapes LaundryBasket();

Shapes Bed();
Shapes SingleBed();
Shapes Wardrobe();
Shapes Desk();
Shapes DeskChair();
Shapes Nightstand();
Shapes Bookshelf();
Shapes FloorLamp();

Shapes KitchenTable();
Shapes KitchenChair();
Shapes Fridge();
Shapes KitchenCounter();
Shapes KitchenStove();
Shapes TrashCan();

Shapes DiningTable();
Shapes DiningChair();
Shapes Sideboard();
Shapes ChinaCabinet();
Shapes PottedPlant();

Shapes SodaCan();
Shapes RubberDuck();
Shapes BookStack();
Shapes ToyBlocks();
Shapes ToyBlockRed();
Shapes ToyBlockBlue();
Shapes ToyBlockYellow();
Shapes ToyBlockGreen();
Shapes BlockWall();
Shapes Ball();
Shapes TeddyBear();
Shapes BlanketFort();
Shapes Cushion();

}  // namespace content::scene
