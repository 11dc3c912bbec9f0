#pragma once
// The OpenGL context on the game window, the fixed drawing state and the light, the render
// lists, model and overlay drawing, and the three kinds of shadow.
#include <GL/gl.h>

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

#include "app/Vector3.h"
#include "render/ModelDrawing.h"
#include "render/ShadeRamp.h"
#include "render/ShadowCaster.h"

class MeshTree;
struct BoxGeometry;

// The floor a level is drawn on, in the coordinates the room is drawn in: the height of its
// top and a rectangle of it (x and z) that the floor covers with room to spare. With `walls`,
// walls drawn facing inwards stand on the rectangle's edges from under the floor up to a
// ceiling at `ceiling`, closing the room.
struct RoomFloor {
    float top = 0.0f;
    float minX = 0.0f;
    float minZ = 0.0f;
    float maxX = 0.0f;
    float maxZ = 0.0f;
    bool walls = false;
    float ceiling = 0.0f;
};

// Process-wide capabilities, decided when the context is made.
extern bool twoSidedStencil;
extern bool pointParameters;

constexpr int kRenderLists = 3;

class Renderer {
public:
    Renderer();
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Set-up and the frame.
    void Init(int width, int height, int bitsPerPixel);
    void CreateContext(int bitsPerPixel);
    void Resize(int width, int height);
    void InitState();
    void SetupLight();
    void Clear();
    // Hands what the frame has drawn so far to the driver without waiting for it. A driver
    // that rasterises on threads of its own fills those pixels while the next pass is
    // prepared, instead of all of them after the last pass.
    void FlushDrawing();
    void SwapBuffers();
    void ReleaseContext();
    bool HasContext() const { return renderingContext; }

    // Models.
    void DrawMeshTree(MeshTree* model);
    void BindTexture(GLuint texture, GLenum target, GLenum unit);
    // Puts back each unit's GL_TEXTURE_2D as saved when drawing began.
    void UnbindTextures(const TextureUnitState& saved);
    float GetShadeCoordinate(float nx, float ny, float nz);

    // Render lists: models drawn after the entities.
    void AddToRenderList(MeshTree* model, int list, bool atBack);
    void RemoveFromRenderList(MeshTree* model, int list);
    void DrawRenderList(int list);
    void ClearRenderLists();

    // Overlays.
    void BeginBillboard();
    void EndBillboard();
    void Begin2D();
    void End2D();
    void DrawTexturedBox(const float centre[3], float sizeX, float sizeY, float sizeZ,
                         const char* textureFile, float tileX, float tileY, float tileZ,
                         bool shaded);

    // Shadows. The caster table is sized from the models that the planar-shadow pass will
    // draw (the level objects of the update list that cast a shadow).
    void BuildShadowCasterTable(const std::vector<const MeshTree*>& planarShadowModels);
    void FreeShadowCasterTable();
    void DrawPlanarShadow(MeshTree* model, int group);
    bool GetShadowBias(MeshTree* model, float* shadowBias);
    void DrawShadowVolume(MeshTree* model, bool lightFromCamera);
    void DrawShadowVolumeSides(MeshTree* model, float lx, float ly, float lz);
    // The floor (and walls) drawn this frame, which hide what lies under the floor from an eye
    // above it, and all past them from an eye inside the closed room: the shadow volumes
    // drawn after them leave out what they hide.
    void SetRoomFloor(const RoomFloor& floor);
    void ClearRoomFloor();

    // Models wholly out of view are left undrawn; off, every model is drawn in full (a picture
    // to compare with).
    bool cullModelsOutOfView = true;
    // Statistics: triangles drawn since the last Clear, and models left out of it.
    std::uint32_t trianglesDrawn = 0;
    std::uint32_t modelsOutOfView = 0;
    Vector3 lightPosition;
    Vector3 lightDirection;
    GLuint shadeRampTexture = 0;
    ShadeRampTable shadeRamp;
    // The modelview matrix of the group being drawn.
    float modelView[16];
    bool castersRecorded = false;
    int casterCount = 0;
    int nextCaster = 0;
    std::unique_ptr<ShadowCaster[]> casters;
    std::list<MeshTree*> renderLists[kRenderLists];

private:
    // The black edges of a box's faces that look away from the eye.
    void DrawBoxOutline(const BoxGeometry& box);

    bool renderingContext = false;
    bool roomFloorSet = false;
    RoomFloor roomFloor;
};
