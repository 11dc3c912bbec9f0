#include "particles/GlParticleCanvas.h"

#include <GL/gl.h>

#include "render/GraphicsSystem.h"

namespace {

// Made on first use and never destroyed: effects held by other global objects are released
// during the static destructors, in an order no file can rely on.
GlParticleCanvas& GameCanvas() {
    static GlParticleCanvas* canvas = new GlParticleCanvas;
    return *canvas;
}

ParticleCanvas* current = nullptr;

// Texture coordinates of the four corners of every strip.
constexpr float kStripTexCoords[4][2] = {{1, 1}, {0, 1}, {1, 0}, {0, 0}};

}  // namespace

ParticleCanvas& GetParticleCanvas() {
    return current ? *current : GameCanvas();
}

void SetParticleCanvas(ParticleCanvas* canvas) {
    current = canvas;
}

GlParticleCanvas::~GlParticleCanvas() {
    if (quadric) gluDeleteQuadric(quadric);
}

bool GlParticleCanvas::HasContext() {
    return graphicsSystem.renderer && graphicsSystem.renderer->HasContext();
}

unsigned GlParticleCanvas::LoadTexture(const std::string& file) {
    if (!graphicsSystem.textureManager) return 0;
    return graphicsSystem.textureManager->LoadTexture(file.c_str());
}

unsigned GlParticleCanvas::LoadTextureColourKey(const std::string& file, const int key[3]) {
    if (!graphicsSystem.textureManager) return 0;
    return graphicsSystem.textureManager->LoadTextureColourKey(file.c_str(), key);
}

ParticlePass::ParticlePass() {
    GetParticleCanvas().BeginPass();
}

ParticlePass::~ParticlePass() {
    GetParticleCanvas().EndPass();
}

// Particles are blended over what is drawn without hiding each other, unlit.
void GlParticleCanvas::EnterParticleState() {
    texturingWasOn = glIsEnabled(GL_TEXTURE_2D);
    // Other code may have drawn since: GL's texturing is not known.
    glFrameKnown = false;
    lastBound = 0;
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_LIGHTING_BIT);
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);
}

void GlParticleCanvas::LeaveParticleState() {
    // What is still batched is drawn, and the frame the emitters bound last is left bound,
    // as binding each at once would.
    FlushBatch();
    if (lastBound != 0) glBindTexture(GL_TEXTURE_2D, lastBound);
    glDepthMask(GL_TRUE);
    glPopAttrib();
    if (texturingWasOn)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}

void GlParticleCanvas::ApplyFrame(unsigned frame) {
    if (glFrameKnown && glFrame == frame) return;
    glFrame = frame;
    glFrameKnown = true;
    if (frame == 0) {
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, frame);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void GlParticleCanvas::BeginPass() {
    if (inPass || !HasContext()) return;
    EnterParticleState();
    inPass = true;
}

void GlParticleCanvas::EndPass() {
    if (!inPass) return;
    inPass = false;
    LeaveParticleState();
}

void GlParticleCanvas::BeginSystem() {
    drawing = HasContext();
    if (!drawing) return;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    if (!inPass) EnterParticleState();
    // Until a frame is bound: an emitter without frames draws plain colour, not whatever
    // texture the last model left bound.
    emitterFrame = 0;
    glGetFloatv(GL_MODELVIEW_MATRIX, systemView);
}

void GlParticleCanvas::BindFrame(unsigned texture) {
    if (!drawing) return;
    // The emitter binds the frame of every batch of particles it made together; a batch
    // of the same frame stays open.
    emitterFrame = texture;
    if (texture != 0) lastBound = texture;
}

void GlParticleCanvas::DrawSphere(float radius) {
    if (!quadric) quadric = gluNewQuadric();
    if (!quadric) return;
    gluSphere(quadric, radius, 10, 10);
}

void GlParticleCanvas::DrawParticle(const ParticleDraw& d) {
    if (!drawing) return;
    if (d.type == CUSTOM_2D && batchBillboards) {
        AddToBatch(d);
        return;
    }
    FlushBatch();
    ApplyFrame(d.type == CUSTOM_3D ? 0 : emitterFrame);
    glPushMatrix();
    glColor4f(d.rgba[0], d.rgba[1], d.rgba[2], d.rgba[3]);
    if (d.birthMatrix) {
        // The block offset turns with the owner as it stood at the particle's birth.
        glMultMatrixf(d.birthMatrix);
        glTranslatef(-d.birthMatrix[12], -d.birthMatrix[13], -d.birthMatrix[14]);
    }
    glTranslatef(d.position[0], d.position[1], d.position[2]);
    switch (d.type) {
        case CUSTOM_2D:
            DrawBillboard(d);
            break;
        case CUSTOM_3D:
            // A sphere is plain colour, and so is what the emitter draws after it until it
            // binds a frame again.
            emitterFrame = 0;
            glDisable(GL_CULL_FACE);
            DrawSphere(d.sphereRadius);
            glEnable(GL_CULL_FACE);
            break;
        case DECAL: {
            const float s = d.size;
            const float corners[4][2] = {{s, -s}, {-s, -s}, {s, s}, {-s, s}};
            glBegin(GL_TRIANGLE_STRIP);
            for (int c = 0; c < 4; ++c) {
                glTexCoord2f(kStripTexCoords[c][0], kStripTexCoords[c][1]);
                glVertex3f(corners[c][0], 0.0f, corners[c][1]);
            }
            glEnd();
            break;
        }
        default:
            break;
    }
    glPopMatrix();
}

void GlParticleCanvas::DrawBillboard(const ParticleDraw& d) {
    Renderer& renderer = *graphicsSystem.renderer;
    renderer.BeginBillboard();
    glBegin(GL_TRIANGLE_STRIP);
    for (int c = 0; c < 4; ++c) {
        glTexCoord2f(kStripTexCoords[c][0], kStripTexCoords[c][1]);
        glVertex3f(d.corners[c][0], d.corners[c][1], 0.0f);
    }
    glEnd();
    renderer.EndBillboard();
    renderer.trianglesDrawn += 2;
}

void GlParticleCanvas::AddToBatch(const ParticleDraw& d) {
    if (!batchPositions.empty() && batchFrame != emitterFrame) FlushBatch();
    if (batchPositions.empty()) batchFrame = emitterFrame;
    // Where the particle's own matrix puts its origin in eye space, as the matrix calls of
    // DrawBillboard would: the billboard keeps that point and drops the turn.
    float point[3] = {d.position[0], d.position[1], d.position[2]};
    if (d.birthMatrix) {
        const float* b = d.birthMatrix;
        const float local[3] = {point[0] - b[12], point[1] - b[13], point[2] - b[14]};
        for (int row = 0; row < 3; ++row)
            point[row] =
                b[row] * local[0] + b[4 + row] * local[1] + b[8 + row] * local[2] + b[12 + row];
    }
    float eye[3];
    for (int row = 0; row < 3; ++row)
        eye[row] = systemView[row] * point[0] + systemView[4 + row] * point[1] +
                   systemView[8 + row] * point[2] + systemView[12 + row];
    // The strip's two triangles, corner for corner.
    for (const int c : {0, 1, 2, 2, 1, 3}) {
        batchPositions.insert(batchPositions.end(),
                              {eye[0] + d.corners[c][0], eye[1] + d.corners[c][1], eye[2]});
        batchTexCoords.insert(batchTexCoords.end(), kStripTexCoords[c], kStripTexCoords[c] + 2);
        batchColours.insert(batchColours.end(), d.rgba, d.rgba + 4);
    }
    graphicsSystem.renderer->trianglesDrawn += 2;
}

void GlParticleCanvas::FlushBatch() {
    if (batchPositions.empty()) return;
    ApplyFrame(batchFrame);
    glPushMatrix();
    glLoadIdentity();
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, batchPositions.data());
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, 0, batchTexCoords.data());
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_FLOAT, 0, batchColours.data());
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(batchPositions.size() / 3));
    glPopClientAttrib();
    glPopMatrix();
    // The last corner's colour and coordinates stay current, as drawing corner by corner
    // leaves them.
    glColor4fv(&batchColours[batchColours.size() - 4]);
    glTexCoord2fv(&batchTexCoords[batchTexCoords.size() - 2]);
    batchPositions.clear();
    batchTexCoords.clear();
    batchColours.clear();
}

void GlParticleCanvas::EndSystem() {
    if (!drawing) return;
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (!inPass) LeaveParticleState();
    glPopMatrix();
    drawing = false;
}

// The statistics count per frame; a pool that goes away takes its quads off, never below 0.
void GlParticleCanvas::ForgetTriangles(int particles) {
    if (!graphicsSystem.renderer || particles <= 0) return;
    std::uint32_t& drawn = graphicsSystem.renderer->trianglesDrawn;
    const std::uint32_t quads = 2u * static_cast<std::uint32_t>(particles);
    drawn = drawn > quads ? drawn - quads : 0u;
}
