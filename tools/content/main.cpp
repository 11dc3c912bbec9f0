// brask_content <RESOURCES folder>: writes every generated content file under that folder.
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/content/particle/GenerateParticleImages.h"
#include "tools/content/scene/SceneModels.h"
#include "tools/content/sound/GenerateSounds.h"
#include "tools/content/texture/GenerateTextures.h"
#include "tools/content/ui/UiArt.h"

namespace {

// One entry per kind of content; each writes its files under the RESOURCES folder.
struct Generator {
    const char* name;
    bool (*generate)(const std::filesystem::path& resources, std::string& error);
};

const Generator kGenerators[] = {
    {"sounds",
     [](const std::filesystem::path& resources, std::string& error) {
         return content::sound::GenerateSounds(resources / "Sound", error);
     }},
    {"models", [](const std::filesystem::path& resources,
                  std::string& error) { return content::scene::GenerateScene(resources, error); }},
    {"textures",
     [](const std::filesystem::path& resources, std::string& error) {
         return content::texture::GenerateTextures(resources, error);
     }},
    {"menu pictures",
     [](const std::filesystem::path& resources, std::string& error) {
         return content::ui::GenerateUiArt(resources, error);
     }},
    {"particle images",
     [](const std::filesystem::path& resources, std::string& error) {
         return content::particle::GenerateParticleImages(resources, error);
     }},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <RESOURCES folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path resources = argv[1];
    std::error_code error;
    std::filesystem::create_directories(resources, error);
    if (error) {
        std::fprintf(stderr, "brask_content: cannot make %s: %s\n", resources.c_str(),
                     error.message().c_str());
        return 1;
    }
    for (const Generator& generator : kGenerators) {
        std::string reason;
        if (!generator.generate(resources, reason)) {
            std::fprintf(stderr, "brask_content: %s: %s\n", generator.name, reason.c_str());
            return 1;
        }
    }
    return 0;
}
