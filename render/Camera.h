#pragma once
// The projection, set once, and the view, set every frame from a frame (eye, forward, up)
// built from a followed model's transform in one of five ways. The followed entity is given
// by its model's transform (column-major, translation in elements 12 to 14): the renderer
// sits below the world and knows models, not entities. Given the room's floor rectangle, the
// chase, front and orbit eyes stay inside its walls.

class Camera {
public:
    // The modes as GetMode reports them.
    static constexpr int kNoView = 0;
    static constexpr int kChase = 1;  // also the orbit view
    static constexpr int kTopDown = 2;
    static constexpr int kFront = 3;
    static constexpr int kOverview = 4;
    // Follow's value for the orbit view.
    static constexpr int kOrbit = 5;

    // A floor rectangle in x and z, the walls standing on its edges.
    struct Room {
        float minX, minZ, maxX, maxZ;
    };
    // How far inside the walls a pulled-in eye stops: well past the near plane's corners (a
    // tenth of a unit ahead), and far enough that the shadow volumes cut at the walls show
    // no cracks in front of it.
    static constexpr float kWallMargin = 1.0f;

    Camera();

    // The room the chase, front and orbit eyes stay inside from now on.
    void SetRoom(float minX, float minZ, float maxX, float maxZ);
    // No room from now on: the eyes go wherever their builders put them.
    void ClearRoom() { hasRoom = false; }

    void SetPerspective(const float frame[16], float zNear, float zFar);
    // Places light 0 under the current modelview, then loads the view of `frame` (or of the
    // stored view when it is null).
    void ApplyView(const float frame[16]);
    // Mode 1 chase (a distance, b height, c tilt), 2 top-down (a height, b extra height),
    // 3 front (as chase), 5 orbit (a distance, b height, c angle); any other mode does
    // nothing, and so does a null matrix.
    void Follow(int mode, const float* entityMatrix, float a, float b, float c);
    void SetChaseView(const float* entityMatrix, float distance, float height, float tilt);
    void SetTopDownView(const float* entityMatrix, float height, float extra);
    void SetFrontView(const float* entityMatrix, float distance, float height, float tilt);
    void SetOverview(const float* firstMatrix, const float* secondMatrix);
    void SetOrbitView(const float* entityMatrix, float distance, float height, float angle);
    void ResetLight();
    void SetDefaultView();

    int GetMode() const { return mode; }
    const float* GetProjectionMatrix() const { return projection; }
    const float* GetModelViewBeforeLight() const { return modelViewBeforeLight; }
    const float* GetView() const { return view; }
    const float* GetLightEye() const { return lightEye; }

    // The frames the builders hand to ApplyView: up in elements 4 to 6, forward in 8 to 10,
    // the eye in 12 to 14; the rest is the followed transform's.
    static void ChaseFrame(const float* entity, float distance, float height, float tilt,
                           float frame[16]);
    static void TopDownFrame(const float* entity, float height, float extra, float frame[16]);
    static void FrontFrame(const float* entity, float distance, float height, float tilt,
                           float frame[16]);
    static void OverviewFrame(const float* first, const float* second, float frame[16]);
    static void OrbitFrame(const float* entity, float distance, float height, float angle,
                           float frame[16]);

    // An eye lying less than kWallMargin inside the room's walls moves along its line to
    // `target` until it lies that far inside. Across a wall that the target itself lies that
    // near, the eye is only held at the margin. An eye inside the margin is left exactly as
    // it is.
    static void KeepEyeInRoom(const Room& room, const float target[3], float eye[3]);

    // The matrices of gluPerspective and gluLookAt, column-major.
    static void PerspectiveMatrix(float fovyDegrees, float aspect, float zNear, float zFar,
                                  float matrix[16]);
    static void LookAtMatrix(const float eye[3], const float centre[3], const float up[3],
                             float matrix[16]);

private:
    float modelViewBeforeLight[16];
    float modelViewAfterLight[16];
    float lightEye[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float view[16];
    float projection[16];
    int mode = kNoView;
    bool hasRoom = false;
    Room room{};
    // One scratch frame per builder, kept as the last one built.
    float chaseFrame[16];
    float topDownFrame[16];
    float frontFrame[16];
    float overviewFrame[16];
    float orbitFrame[16];

    // Keeps the eye of `frame`, built on `entityMatrix`, inside the room, if one is set.
    void KeepInRoom(const float* entityMatrix, float frame[16]) const;
};
