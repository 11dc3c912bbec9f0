#include "render/GLExtensions.h"

#include <cstring>

#include "platform/Services.h"

namespace ext {
ActiveTextureProc glActiveTextureARB = nullptr;
ClientActiveTextureProc glClientActiveTextureARB = nullptr;
MultiTexCoord1fProc glMultiTexCoord1fARB = nullptr;
MultiTexCoord2fProc glMultiTexCoord2fARB = nullptr;
PointParameterfProc glPointParameterfARB = nullptr;
PointParameterfvProc glPointParameterfvARB = nullptr;
ActiveStencilFaceProc glActiveStencilFaceEXT = nullptr;
SwapIntervalProc wglSwapIntervalEXT = nullptr;
}  // namespace ext

namespace {

using GetStringProc = const GLubyte* (*)(GLenum name);

template <typename Proc>
Proc Fetch(const char* name, bool present) {
    void* address = platform::GetDisplay().GetProcAddress(name);
    return present ? reinterpret_cast<Proc>(address) : nullptr;
}

}  // namespace

bool HasExtension(const char* extensions, const char* name) {
    if (!extensions || !name || !*name) return false;
    const size_t length = std::strlen(name);
    for (const char* at = std::strstr(extensions, name); at; at = std::strstr(at + 1, name)) {
        const bool startsWord = at == extensions || at[-1] == ' ';
        const bool endsWord = at[length] == '\0' || at[length] == ' ';
        if (startsWord && endsWord) return true;
    }
    return false;
}

void LoadExtensionFunctions() {
    // glGetString is fetched like the others, so that the context that answers is the one in use.
    auto getString =
        reinterpret_cast<GetStringProc>(platform::GetDisplay().GetProcAddress("glGetString"));
    const char* extensions =
        getString ? reinterpret_cast<const char*>(getString(GL_EXTENSIONS)) : nullptr;
    const bool multitexture = HasExtension(extensions, "GL_ARB_multitexture");
    const bool pointParameters = HasExtension(extensions, "GL_ARB_point_parameters");
    const bool twoSidedStencil = HasExtension(extensions, "GL_EXT_stencil_two_side");

    ext::glActiveTextureARB = Fetch<ActiveTextureProc>("glActiveTextureARB", multitexture);
    ext::glClientActiveTextureARB =
        Fetch<ClientActiveTextureProc>("glClientActiveTextureARB", multitexture);
    ext::glMultiTexCoord1fARB = Fetch<MultiTexCoord1fProc>("glMultiTexCoord1fARB", multitexture);
    ext::glMultiTexCoord2fARB = Fetch<MultiTexCoord2fProc>("glMultiTexCoord2fARB", multitexture);
    ext::glPointParameterfARB = Fetch<PointParameterfProc>("glPointParameterfARB", pointParameters);
    ext::glPointParameterfvARB =
        Fetch<PointParameterfvProc>("glPointParameterfvARB", pointParameters);
    ext::glActiveStencilFaceEXT =
        Fetch<ActiveStencilFaceProc>("glActiveStencilFaceEXT", twoSidedStencil);
    // The swap interval belongs to the platform here; the name is looked up and never called.
    ext::wglSwapIntervalEXT = Fetch<SwapIntervalProc>("wglSwapIntervalEXT", true);
}
