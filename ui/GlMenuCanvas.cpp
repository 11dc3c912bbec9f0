#include "ui/GlMenuCanvas.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

#include "platform/Fonts.h"
#include "render/GraphicsSystem.h"
#include "render/MeshTree.h"

namespace {

// Texels whose red, green and blue are all at most this are transparent in keyed pictures.
const int kColourKey[3] = {2, 2, 2};

// The renderer's 2D overlay with an identity modelview, put back afterwards.
class Overlay2D {
public:
    Overlay2D() {
        graphicsSystem.renderer->Begin2D();
        glPushMatrix();
        glLoadIdentity();
    }
    ~Overlay2D() {
        glPopMatrix();
        graphicsSystem.renderer->End2D();
    }
    Overlay2D(const Overlay2D&) = delete;
    Overlay2D& operator=(const Overlay2D&) = delete;
};

// Texturing on with the picture (modulated by the colour) or off, restored afterwards.
class Texturing {
public:
    explicit Texturing(unsigned texture) : wasEnabled(glIsEnabled(GL_TEXTURE_2D) == GL_TRUE) {
        if (texture != 0) {
            glBindTexture(GL_TEXTURE_2D, texture);
            glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
            glEnable(GL_TEXTURE_2D);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
    }
    ~Texturing() {
        if (wasEnabled)
            glEnable(GL_TEXTURE_2D);
        else
            glDisable(GL_TEXTURE_2D);
    }
    Texturing(const Texturing&) = delete;
    Texturing& operator=(const Texturing&) = delete;

private:
    bool wasEnabled;
};

}  // namespace

bool GlMenuCanvas::HasContext() {
    return graphicsSystem.renderer && graphicsSystem.renderer->HasContext();
}

void GlMenuCanvas::BeginMenus() {
    if (!HasContext()) return;
    glPushAttrib(GL_LIGHTING_BIT | GL_DEPTH_BUFFER_BIT | GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
}

void GlMenuCanvas::EndMenus() {
    if (!HasContext()) return;
    glPopAttrib();
}

unsigned GlMenuCanvas::LoadTexture(const std::string& file, bool colourKey) {
    if (!HasContext() || !graphicsSystem.textureManager || file.empty()) return 0;
    TextureManager& textures = *graphicsSystem.textureManager;
    return colourKey ? textures.LoadTextureColourKey(file.c_str(), kColourKey)
                     : textures.LoadTexture(file.c_str());
}

void GlMenuCanvas::DrawQuad(const CanvasQuad& quad) {
    if (!HasContext()) return;
    Overlay2D overlay;
    Texturing texturing(quad.texture);
    glColor4fv(quad.colour);
    glBegin(GL_QUADS);
    for (const CanvasVertex& corner : quad.corners) {
        glTexCoord2f(corner.s, corner.t);
        glVertex3f(corner.x, corner.y, quad.depth);
    }
    glEnd();
    glColor4f(1, 1, 1, 1);
}

void GlMenuCanvas::DrawLineStrip(const std::vector<CanvasVertex>& points, float depth,
                                 const float colour[4]) {
    if (!HasContext()) return;
    Overlay2D overlay;
    Texturing texturing(0);
    glColor4fv(colour);
    glBegin(GL_LINE_STRIP);
    for (const CanvasVertex& point : points) glVertex3f(point.x, point.y, depth);
    glEnd();
    glColor4f(1, 1, 1, 1);
}

void GlMenuCanvas::SetTextureOffset(float s, float t) {
    if (!HasContext()) return;
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(s, t, 0);
    glMatrixMode(GL_MODELVIEW);
}

void GlMenuCanvas::ResetTextureOffset() {
    if (!HasContext()) return;
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}

void GlMenuCanvas::DrawModel(MeshTree& model, float x, float y, float z, float tiltX, float scale) {
    if (!HasContext()) return;
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_LIGHTING_BIT | GL_ENABLE_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(x, y, z);
    glRotatef(tiltX, 1, 0, 0);
    if (scale != 1.0f) {
        glEnable(GL_NORMALIZE);
        glScalef(scale, scale, scale);
    }
    graphicsSystem.DrawMeshTree(&model);
    glPopMatrix();
    glPopAttrib();
}

int GlMenuCanvas::CompileFont(const platform::GlyphSet& glyphs) {
    if (!HasContext() || glyphs.glyphs.size() != static_cast<std::size_t>(platform::kGlyphCount))
        return -1;
    const GLuint base = glGenLists(platform::kGlyphCount);
    if (base == 0) return -1;
    // Rows packed without padding, read as they stand; the caller's pixel-store state is
    // put back afterwards.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    static const GLubyte kNoBits[1] = {0};
    for (int i = 0; i < platform::kGlyphCount; ++i) {
        const platform::Glyph& glyph = glyphs.glyphs[static_cast<std::size_t>(i)];
        glNewList(base + static_cast<GLuint>(i), GL_COMPILE);
        glBitmap(glyph.width, glyph.height, glyph.originX, glyph.originY, glyph.advance, 0,
                 glyph.bits.empty() ? kNoBits : glyph.bits.data());
        glEndList();
    }
    glPopClientAttrib();
    return static_cast<int>(base);
}

void GlMenuCanvas::DeleteFont(int base) {
    if (!HasContext() || base <= 0) return;
    glDeleteLists(static_cast<GLuint>(base), platform::kGlyphCount);
}

void GlMenuCanvas::CallGlyphs(int base, std::string_view text) {
    glPushAttrib(GL_LIST_BIT);
    glListBase(static_cast<GLuint>(base - platform::kFirstGlyphCode));
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    glPopAttrib();
}

void GlMenuCanvas::DrawText2D(int base, float x, float y, const float rgb[3],
                              std::string_view text) {
    if (!HasContext() || base <= 0 || text.empty()) return;
    glPushAttrib(GL_CURRENT_BIT | GL_LIGHTING_BIT | GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    {
        Overlay2D overlay;
        // The raster colour is taken when the position is set.
        glColor3f(rgb[0], rgb[1], rgb[2]);
        glRasterPos2f(x, y);
        CallGlyphs(base, text);
    }
    glPopAttrib();
}

void GlMenuCanvas::DrawText3D(int base, float x, float y, float z, const float rgb[3],
                              std::string_view text) {
    if (!HasContext() || base <= 0 || text.empty()) return;
    glPushAttrib(GL_CURRENT_BIT | GL_LIGHTING_BIT | GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glColor3f(rgb[0], rgb[1], rgb[2]);
    glRasterPos3f(x, y, z);
    CallGlyphs(base, text);
    glPopMatrix();
    glPopAttrib();
}
