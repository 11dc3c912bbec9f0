#pragma once
// The OpenGL extension entry points, fetched once by name when the context is made and
// kept for the whole process. An entry point counts as present only when the driver's
// extension string names its extension: a lookup by name can answer for anything.
#include <GL/gl.h>

using ActiveTextureProc = void (*)(GLenum texture);
using ClientActiveTextureProc = void (*)(GLenum texture);
using MultiTexCoord1fProc = void (*)(GLenum target, GLfloat s);
using MultiTexCoord2fProc = void (*)(GLenum target, GLfloat s, GLfloat t);
using PointParameterfProc = void (*)(GLenum name, GLfloat value);
using PointParameterfvProc = void (*)(GLenum name, const GLfloat* values);
using ActiveStencilFaceProc = void (*)(GLenum face);
using SwapIntervalProc = int (*)(int interval);

// In their own namespace: the system GL header declares some of these names as functions.
namespace ext {
extern ActiveTextureProc glActiveTextureARB;
extern ClientActiveTextureProc glClientActiveTextureARB;
extern MultiTexCoord1fProc glMultiTexCoord1fARB;
extern MultiTexCoord2fProc glMultiTexCoord2fARB;
extern PointParameterfProc glPointParameterfARB;
extern PointParameterfvProc glPointParameterfvARB;
extern ActiveStencilFaceProc glActiveStencilFaceEXT;
extern SwapIntervalProc wglSwapIntervalEXT;
}  // namespace ext

// Fetches every entry point from the current context; missing ones stay null.
void LoadExtensionFunctions();
// Whether the whole word `name` stands in the extension string.
bool HasExtension(const char* extensions, const char* name);
