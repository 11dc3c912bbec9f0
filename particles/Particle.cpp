#include "particles/Particle.h"

#include <set>
#include <sstream>

#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/MessageBox.h"
#include "particles/ParticleRandom.h"
#include "platform/ContentLimits.h"
#include "platform/Files.h"

namespace {

// The scripts already reported: a missing file shows its box once, not once per shot.
std::set<std::string>& ReportedScripts() {
    static std::set<std::string> reported;
    return reported;
}

float Draw10() {
    return static_cast<float>(GetParticleRandom().Next() % 10);
}

}  // namespace

bool ReadSmokeOption() {
    std::istringstream in;
    if (!platform::OpenContentText(fileLoader.GetRoot() + "/options.txt",
                                   contentlimits::kMaxSettingsFileBytes, in))
        return false;
    std::string word;
    FileLoader::ReadStringLine(&in, "smoke effects = %s", &word);
    return word == "true";
}

Particle::Particle() : GameEntity("", EntityKind::Particle) {}

Particle::~Particle() {
    ReleaseSystems();
}

std::unique_ptr<GameEntity> Particle::Create() {
    return std::make_unique<Particle>();
}

std::string Particle::GetTypeName() const {
    return "Particle";
}

std::unique_ptr<Message> Particle::Update(std::uint8_t*) {
    return std::make_unique<Message>();
}

void Particle::ForgetReportedScripts() {
    ReportedScripts().clear();
}

void Particle::LoadScripts(const std::vector<std::string>& scripts) {
    smoke = ReadSmokeOption();
    ReleaseSystems();
    for (const std::string& name : scripts) {
        try {
            LoadOne(name);
        } catch (const ParticleLoadError& error) {
            ReleaseSystems();
            if (ReportedScripts().insert(name).second)
                MessageBox(error.what(), "Error", MB_OK | MB_ICONERROR);
            return;
        }
    }
}

void Particle::LoadOne(const std::string& name) {
    systems.push_back(std::make_unique<ParticleSystem>());
    ParticleSystem& system = *systems.back();
    system.Load(name.c_str());
    if (IsRandom(system)) debrisCount = kDebrisEmitters;
    if (!smoke || debrisCount < 1) return;
    if (system.HasRandomPosition()) {
        const float x = Draw10() / 20.0f - 0.1f;
        const float y = Draw10() / 40.0f + 0.15f;
        const float z = Draw10() / 20.0f - 0.1f;
        system.SetPosition(x, y, z);
    }
    if (system.HasRandomDirection()) LaunchDebris(name);
}

// A second random-direction script replaces the pieces (the old ones are freed).
void Particle::LaunchDebris(const std::string& name) {
    for (int k = 0; k < debrisCount; ++k) {
        debris[k] = std::make_unique<ParticleSystem>();
        debris[k]->Load(name.c_str());
        for (int a = 0; a < 3; ++a) debrisPosition[k][a] = 0.0f;
        debrisVelocity[k][0] = Draw10() / 30.0f - 0.15f;
        debrisVelocity[k][1] = Draw10() / 40.0f + 0.15f;
        debrisVelocity[k][2] = Draw10() / 30.0f - 0.15f;
    }
}

void Particle::ReleaseSystems() {
    systems.clear();
    for (auto& piece : debris) piece.reset();
}

void Particle::Draw() {
    DrawFrame(frameTimer.GetDeltaTime());
}

void Particle::DrawFrame(float frameTime) {
    bool debrisDrawn = false;
    for (auto& system : systems) {
        if (!IsRandom(*system)) {
            system->DrawFrame(frameTime);
            continue;
        }
        // Its own particles never show; the debris carries them, stepped once per frame
        // however many random scripts the effect has.
        system->Stop(true);
        if (smoke && !debrisDrawn) {
            DrawDebris(frameTime);
            debrisDrawn = true;
        }
        system->DrawFrame(frameTime);
    }
}

void Particle::DrawDebris(float frameTime) {
    for (int k = 0; k < debrisCount; ++k) {
        ParticleSystem* piece = debris[k].get();
        if (!piece) continue;
        StepDebris(k, frameTime);
        // Born at once where the piece is.
        if (!piece->WasDrawn()) piece->ExpireParticles();
        piece->SetPosition(debrisPosition[k][0], debrisPosition[k][1], debrisPosition[k][2]);
        piece->DrawFrame(frameTime);
    }
}

void Particle::StepDebris(int k, float frameTime) {
    if (k < 0 || k >= kDebrisSlots) return;
    StepDebrisMotion(debrisVelocity[k], debrisPosition[k], frameTime);
}

ParticleSystem* Particle::GetDebris(int k) const {
    return k >= 0 && k < kDebrisSlots ? debris[k].get() : nullptr;
}

void Particle::MoveTo(float x, float y, float z, bool asOffset) {
    for (auto& system : systems) {
        if (asOffset)
            system->SetOffset(x, y, z);
        else
            system->SetPosition(x, y, z);
    }
    if (!smoke) return;
    for (auto& piece : debris)
        if (piece) piece->SetOffset(x, y, z);
}

void Particle::PlaceAt(MeshTree* model, bool asOffset) {
    if (!model || !model->matrix) return;
    const float* m = model->matrix->m;
    MoveTo(m[12], 0.0f, m[14], asOffset);
    if (asOffset) return;
    for (auto& system : systems) system->AttachToMatrix(m);
}

void Particle::Start() {
    for (auto& system : systems) system->Start();
}

void Particle::Stop(bool now) {
    for (auto& system : systems) system->Stop(now);
}

void Particle::ExpireAll() {
    for (auto& system : systems) system->ExpireParticles();
}

bool Particle::IsAlive() const {
    for (const auto& system : systems) {
        if (IsRandom(*system) && smoke) {
            for (int k = 0; k < debrisCount; ++k)
                if (debris[k] && debris[k]->AnyAlive()) return true;
        } else if (system->AnyAlive()) {
            return true;
        }
    }
    return false;
}

bool Particle::WasDrawn() const {
    for (const auto& system : systems)
        if (system->WasDrawn()) return true;
    return false;
}

ParticleSystem* Particle::GetSystem(int i) {
    if (i < 0 || i >= GetSystemCount()) return nullptr;
    return systems[static_cast<size_t>(i)].get();
}

void Particle::SetSystemOffset(int i, float x, float y, float z) {
    if (ParticleSystem* system = GetSystem(i)) system->SetOffset(x, y, z);
}

void Particle::PauseSystem(int i) {
    if (ParticleSystem* system = GetSystem(i)) system->Pause();
}

void Particle::ResumeSystem(int i) {
    if (ParticleSystem* system = GetSystem(i)) system->Resume();
}
