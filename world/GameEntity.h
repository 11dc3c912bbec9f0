#pragma once
// The base of every game object: level objects and the walls, vehicles and batteries,
// weapons. It carries a name, a model whose transform is the entity's place, motion state,
// collision data, the entity last touched and five effect slots. Kinds are told apart by the
// kind each class sets when it is made (the same kinds GetTypeName names) and by the name,
// never by run-time type information.
#include <cstdint>
#include <memory>
#include <string>

#include "app/Vector3.h"
#include "render/MeshTree.h"
#include "world/EffectSlots.h"
#include "world/EntityKind.h"
#include "world/EntitySet.h"
#include "world/Message.h"

class GameEntity {
public:
    // A level object.
    explicit GameEntity(std::string name = "");
    GameEntity(const GameEntity&) = delete;
    GameEntity& operator=(const GameEntity&) = delete;

    // The virtual operations, in slot order.
    virtual ~GameEntity();
    virtual std::unique_ptr<GameEntity> Create();
    virtual std::string GetTypeName() const;
    // One frame: `keys` is the key array (player one's slots first). The plain entity stops
    // on the floor and has nothing to report.
    virtual std::unique_ptr<Message> Update(std::uint8_t* keys);

    // The kind that GetTypeName names; set once by the class that makes the entity.
    EntityKind GetKind() const { return kind; }
    void SetName(std::string newName) { name = std::move(newName); }
    const std::string& GetName() const { return name; }
    // The entity's model becomes `instance` (its transform and boxes with it); the mesh stays
    // shared with the cache's prototype. A null instance leaves an empty model.
    void SetModel(std::unique_ptr<MeshTree> instance);
    MeshTree* GetModel() { return &model; }
    const MeshTree* GetModel() const { return &model; }
    // Element i of the transform, column-major (12, 13, 14 are the position); 0 outside 0..15.
    float GetMatrixElement(int i) const;
    void GetPosition(float out[3]) const;
    void Translate(float dx, float dy, float dz) { model.Translate(dx, dy, dz); }
    GameEntity* GetContact() const { return contact; }
    void SetContact(GameEntity* entity) { contact = entity; }
    // The model, unless hidden.
    void Draw();
    // Each running effect in slot order; a slot whose effect has no live particle left after
    // drawing stops running (the effect stays in its slot).
    void DrawEffects();

    bool hidden = false;
    bool circleCollision = false;
    float speed = 0.0f;
    float steer = 0.0f;
    float acceleration = 0.0f;
    float turningRate = 0.0f;
    float maxSpeed = 0.0f;
    float weight = 0.0f;
    Vector3 velocity;
    EffectSlots effects;
    // Counts up as entities are made; gives neighbour sets an order that does not depend on
    // where the allocator happened to put each entity.
    const std::uint64_t serial;
    // At least the number of grid entries that name the entity, kept by the cells' lists
    // (a cleared grid leaves it high): the World stops looking for entries once it is 0.
    int gridEntries = 0;

protected:
    // For the derived classes, which each give their own kind.
    GameEntity(std::string name, EntityKind kind);

    // Read and written through GetName/SetName, GetModel/SetModel and GetContact/SetContact
    // from outside.
    std::string name;
    // Always has a transform.
    MeshTree model;
    // The entity last touched; not owned. The World clears it when that entity is destroyed.
    GameEntity* contact = nullptr;

private:
    const EntityKind kind;
};
