#pragma once
// The game-flow object: its own start-up and shutdown, the steps of a frame, and the
// state that the game flow works on.
#include <list>
#include <memory>
#include <string>

class GameEntity;
class Particle;
class Vehicle;

// 0 Battle, 1 Versus, 2 Assault, 3 Story, 4 Survival.
enum GameMode { Battle = 0, Versus = 1, Assault = 2, Story = 3, Survival = 4 };
constexpr int kGameModes = 5;

class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void Init();
    // Start-up step 7: the menus' drawing and their four fonts, once the context exists.
    void CreateFonts();
    bool IsRunning() const;
    void Shutdown();
    void ClearLevelLists();

    // Level lists.
    void AddLevel(std::string path, const int& mode);
    std::string GetCurrentLevel() const;
    const std::list<std::string>& GetLevelList(int mode) const { return levelLists[mode]; }
    void ClearVehicles();
    int GetGameMode() const { return gameMode; }

    // The steps of a frame, in the order the main loop runs them.
    void PumpMessages();
    void UpdateTimer();
    void PollInput();
    void ClearScreen();
    void UpdateCamera();
    void UpdateScreens();
    void UpdateCollisions();
    void DrawPlanarShadows();
    void UpdateEntities();
    void DrawShadowVolumes();
    void DrawPasses();
    void DrawEntityEffects();
    void SweepDeadEntities();
    void DrawInterface();
    void SwapBuffers();

    // The current menu is the level screen and player one's vehicle exists.
    bool IsLevelFrame() const;

    const float* GetCameraMatrix() const { return cameraMatrix; }
    // The bars over enemy slot i (0 to 4): emitter 0 the full bar, emitter 1 the value.
    // Null before start-up.
    Particle* GetHealthBar(int i) const;
    Particle* GetEnergyBar(int i) const;

private:
    static constexpr int kEnemyBars = 5;
    // Start-up: the health and energy bars shown over the computer vehicles.
    void CreateEnemyBars();

    Vehicle* players[2];
    Vehicle* enemies[5];
    int gameMode = Battle;
    int chosenVehicle = -1;
    std::string vehiclePage;
    int survivalKills = 0;
    // The one cursor of the passes over the World's lists.
    std::list<GameEntity*>::iterator entityCursor;
    std::list<GameEntity*> deadEntities;
    std::list<std::string> levelLists[kGameModes];
    std::list<std::string>::iterator currentLevel;
    std::list<std::string>::iterator nextLevel;
    GameEntity* currentEntity = nullptr;
    const char* configFileName = "config.cfg";
    float storyDifficulty[6] = {0.15f, 0.25f, 0.4f, 0.7f, 0.45f, 0.6f};
    int storyLevel = 0;
    float defeatCameraAngle = 2.0f;
    bool levelOver = false;
    bool levelWon = false;
    bool resultsPending = false;
    int cameraMode = 0;
    // Start-up view matrix, column-major.
    float cameraMatrix[16] = {};
    std::unique_ptr<Particle[]> healthBars;
    std::unique_ptr<Particle[]> energyBars;
};

extern Application application;

// The entry: start-up, the main loop and shutdown. Returns the program's result.
int GameMain();
