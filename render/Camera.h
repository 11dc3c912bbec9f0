#pragma once
// The projection, set once, and the view, set every frame from a frame (eye, forward, up)
// built from a followed model's transform in one of five ways. The followed entity is given
// by its model's transform (column-major, translation in elements 12 to 14): the renderer
// sits below the world and knows models, not entities.

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

    Camera();

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
    // One scratch frame per builder, kept as the last one built.
    float chaseFrame[16];
    float topDownFrame[16];
    float frontFrame[16];
    float overviewFrame[16];
    float orbitFrame[16];
};
