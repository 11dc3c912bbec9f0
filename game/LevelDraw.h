#pragma once
// The draw rules of a level frame, as small pure functions on plain facts (which entity gets a
// planar shadow, which one the entity pass draws, which one casts a shadow volume and from
// which light), and the per-entity draw steps built on them. The Application's passes, the
// level picture tests and the frame benchmark all draw through these steps.
class GameEntity;
class Renderer;

namespace leveldraw {

// The room of a level `width` x `depth` units: the floor slab, reaching half a unit past the
// walls, and the walls as a box seen from inside, each with its texture. A floor drawn is told
// to the renderer, as it hides what lies under it. Either part can be left out (a profile of
// the frame does).
struct RoomParts {
    bool floor = true;
    bool walls = true;
};
void DrawRoom(Renderer& renderer, float width, float depth, const char* floorTexture,
              const char* wallTexture, RoomParts parts = {});

// A planar shadow falls from every shadow-casting model that is not a vehicle's; vehicles and
// batteries cast shadow volumes instead.
bool CastsPlanarShadow(bool castsShadow, bool isVehicle);

// The entity pass draws a model unless render list 2 draws it: a model in the list is drawn
// by the list, except scenery outside the overhead views (camera modes 2 and 4), which the
// list leaves to this pass.
bool DrawnByEntityPass(bool inRenderList, bool scenery, int cameraMode);

// The light a shadow volume is cast from: none, the room's fixed light, or the light placed
// with the camera.
enum class VolumeLight { None, Fixed, Camera };

// What the shadow-volume rule needs to know of one entity.
struct VolumeFacts {
    bool vehicle = false;     // its type name is "Vehicle" (batteries are vehicles too)
    bool battery = false;     // named "Battery"
    bool sodaCan = false;     // named "soda_can.ms3d"
    bool human = false;       // a vehicle driven by a player
    bool firstEnemy = false;  // the level screen's first enemy slot
};

// Versus draws no shadow volumes. Batteries and the soda can cast theirs from the fixed
// light; vehicles from the camera's, in Story and Battle all of them, elsewhere only the
// players' and, in Survival, the first enemy's. Nothing else casts one.
VolumeLight ShadowVolumeLight(const VolumeFacts& facts, int gameMode);

// The facts of `entity`; `firstEnemy` is the entity in the first enemy slot (may be null).
VolumeFacts FactsOf(const GameEntity& entity, const GameEntity* firstEnemy);

// Whether an entity's effects are drawn after render list 2 rather than before it: those of
// the tall level objects that the list draws (recorded shadow casters). Particles write no
// depth, so the object drawn after them would cover its own effect, such as a shower's water.
// A radial blast, also in the list, casts no shadow and keeps its effects before it.
bool DrawsEffectsAfterRenderList(bool inRenderList, bool castsShadow);

// The per-entity steps of the frame's passes.
void DrawPlanarShadow(Renderer& renderer, GameEntity& entity);
void DrawEntity(GameEntity& entity, int cameraMode);
void DrawShadowVolume(Renderer& renderer, GameEntity& entity, int gameMode,
                      const GameEntity* firstEnemy);
// The entity's effects when they belong to the pass before the list (`afterRenderList`
// false) or after it (true).
void DrawEffects(GameEntity& entity, bool afterRenderList);

}  // namespace leveldraw
