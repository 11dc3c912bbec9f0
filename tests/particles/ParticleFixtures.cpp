#include "tests/particles/ParticleFixtures.h"

#include <sstream>

#include "app/FileLoader.h"
#include "particles/Particle.h"

namespace particletest {

ScriptText::ScriptText()
    : lines{{"type", "CUSTOM_2D"},
            {"name", "test"},
            {"texture path", "./frames/puff.tga"},
            {"script path", "./blocks.txt"},
            {"num bitmaps", "1"},
            {"num particles", "2"},
            {"particle length", "1.0"},
            {"particle height", "1.0"},
            {"random position", "false"},
            {"position", "0.0, 0.0, 0.0"},
            {"random direction", "false"},
            {"direction", "0.0, 0.0, 0.0"},
            {"color", "1.0, 1.0, 1.0"},
            {"color transparency", "2, 2, 2"},
            {"alpha", "1.0"},
            {"gravity", "0.0, 0.0, 0.0"},
            {"lifetime", "60.0"},
            {"interval", "0.0"},
            {"fade speed", "1.0"},
            {"fade in duration ", "0.0"},
            {"fade out duration", "0.0"},
            {"fade step", "1"},
            {"grow up rate", "0.0"},
            {"min size", "0.0"},
            {"max size", "100.0"},
            {"min alpha", "0.0"},
            {"max alpha", "1.0"},
            {"min y speed", "0.0"},
            {"max y speed", "0.0"},
            {"animation loops", "1"},
            {"lifetime loops", "-1"},
            {"animation frameskip modifier", "10"},
            {"movement scaler", "1.0"},
            {"explosion", "false"}} {}

ScriptText& ScriptText::Set(const std::string& key, const std::string& value) {
    for (auto& line : lines)
        if (line.first == key || line.first == key + " ") {
            line.second = value;
            return *this;
        }
    ADD_FAILURE() << "no script key " << key;
    return *this;
}

std::string ScriptText::Text() const {
    std::string text;
    for (const auto& [key, value] : lines) text += key + " = " + value + "\n";
    return text;
}

std::string BlockText(int count, const float pos[3], const float posSpread[3], const float dir[3],
                      const float dirSpread[3]) {
    std::ostringstream out;
    const char* axes = "xyz";
    for (int i = 0; i < count; ++i) {
        out << "particle[" << i << "]\n{\n";
        for (int a = 0; a < 3; ++a)
            out << "pos." << axes[a] << " = " << pos[a] << ", " << posSpread[a] << "\n";
        for (int a = 0; a < 3; ++a)
            out << "dir." << axes[a] << " = " << dir[a] << ", " << dirSpread[a] << "\n";
        out << "}\n";
    }
    return out.str();
}

std::string BlockText(int count) {
    const float zero[3] = {0, 0, 0};
    return BlockText(count, zero, zero, zero, zero);
}

ParticleTest::ParticleTest() {
    inside = std::make_unique<WorkingDirectory>(folder.path);
    fileLoader.Init();
    SetParticleCanvas(&canvas);
    SetParticleRandom(&random);
    Particle::ForgetReportedScripts();
}

ParticleTest::~ParticleTest() {
    SetParticleCanvas(nullptr);
    SetParticleRandom(nullptr);
    Particle::ForgetReportedScripts();
    inside.reset();
}

std::string ParticleTest::Write(const std::string& relative, const std::string& text) {
    folder.Write(relative, text);
    return "./" + relative;
}

}  // namespace particletest
