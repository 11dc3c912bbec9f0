#pragma once
// The game-flow object: its own start-up and shutdown, the steps of a frame, and the
// state that the game flow works on.
#include <list>
#include <memory>
#include <span>
#include <string>

#include "game/LevelLoading.h"
#include "game/LevelState.h"
#include "game/Results.h"
#include "world/EntitySet.h"

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
    // Back to the state at construction (no level, no level lists, Battle, the first Story
    // level, no builders), so that another run can follow in the same process.
    void Reset();
    void ClearLevelLists();

    // Modes, level lists and difficulty.
    void AddLevel(std::string path, const int& mode);
    void ResetLevels();
    void SelectLevel(int n);
    // Moves on to the next level of the current mode's list and returns its path.
    // `startButtonLedHere`: the selection menu's start button was the click that led to
    // this level start (a new Story run begins at story level 0).
    std::string NextLevel(bool startButtonLedHere);
    bool IsLastLevel() const;
    std::string GetCurrentLevel() const;
    float GetAIDifficulty(int index) const;
    const std::list<std::string>& GetLevelList(int mode) const { return levelLists[mode]; }
    int GetGameMode() const { return gameMode; }
    void SetGameMode(int mode);
    void SetLevelWon(bool value) { levelWon = value; }
    bool IsLevelWon() const { return levelWon; }
    void SetResultsPending(bool value) { level.resultsPending = value; }
    bool IsResultsPending() const { return level.resultsPending; }
    void SetCameraMode(CameraMode mode) { level.cameraMode = mode; }
    CameraMode GetCameraMode() const { return level.cameraMode; }
    int GetStoryLevel() const { return storyLevel; }
    bool IsLevelOver() const { return level.levelOver; }
    int GetSurvivalKills() const { return level.survivalKills; }
    float GetDefeatCameraAngle() const { return level.defeatCameraAngle; }
    Vehicle* GetPlayer(int slot) const { return level.players[slot]; }
    Vehicle* GetEnemy(int slot) const { return level.enemies[slot]; }
    const LevelState& GetLevelState() const { return level; }

    // Level-over tests over a slot list, which ends at its first empty slot.
    static bool AllDestroyed(std::span<Vehicle* const> slots);
    static int CountAlive(std::span<Vehicle* const> slots);

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
    // The passes after the shadow volumes, each also a step of its own: the bars, the
    // entities' effects, render list 2, the effects drawn after it, the bars again.
    void DrawPasses();
    void DrawEntityEffects();
    void DrawRenderList();
    // The effects of the entities whose models render list 2 draws, after that list.
    void DrawRenderListEffects();
    void DrawEnemyBarsOverRenderList();
    void SweepDeadEntities();
    void DrawInterface();
    void SwapBuffers();

    // The current menu is the level screen and player one's vehicle exists.
    bool IsLevelFrame() const;

    // The level screen: the World clock, the room and the level-over rules of one frame,
    // each also a step of its own, so that a driver of the frame can leave out the room.
    void UpdateLevelScreen();
    void AdvanceLevelClock();
    void DrawRoom();
    void ApplyLevelRules();
    void ResetDrawColour();
    void DrawEnemyBars();
    void DrawHud();
    // The objectives dialogue, the result popup and the in-game menu.
    void UpdateResults();
    // The wait for the result popup of a decided level: 3.75 s of level frames, then any
    // dialogue, then 0.25 s of frames without one. True in the frame the popup is due.
    bool ResultsDue(bool dialogueActive);
    // Starts the Story dialogue of an event for player one's race and the story level.
    bool PlayStoryDialogue(int event);
    // The player and computer-vehicle slots from the World's collision list; player one's
    // vehicle records `choice`.
    void TakeVehicleSlots(int choice);
    // Puts one level-loading step on the loading screen and one unloading step on the
    // unloading screen.
    void QueueLoadingSteps();
    // Keeps the info popups and portraits of the selection menu on show in step with its
    // selectors.
    void UpdateVehicleSelection();
    const std::string& GetVehiclePage() const { return vehiclePage; }
    // What builds the remaining menus behind the menu-loading screen.
    using MenuBuilder = void (*)();
    void SetMenuBuilder(MenuBuilder builder) { menuBuilder = builder; }
    // What builds the intro screens during Init, once the fonts exist.
    void SetIntroBuilder(MenuBuilder builder) { introBuilder = builder; }
    // Level start, with what the selection and options menus hold: the level selector's
    // index, the AI Difficulty index, the two vehicle choices, and whether the start button
    // led here. False, with a box captioned with the file, when the level cannot be read:
    // nothing is entered and the levels are reset.
    bool StartLevel(int levelIndex, int difficultyIndex, int choice1, int choice2,
                    bool startButtonLedHere);
    // Level leave: the World, the caster table, the slots and the render lists emptied; the
    // answer says where the unloading screen goes.
    UnloadTarget EndLevel(LeaveButton button);
    // A level that starts: a fresh level state, and not won.
    void ResetLevelState();
    // A level that is left: its state dropped. The level's won flag stays for what follows
    // (the unloading screen's target, the next Story level).
    void DropLevelState();
    bool IsCrosshairShown() const { return crosshairShown; }

    const float* GetCameraMatrix() const { return cameraMatrix; }
    // The bars over enemy slot i (0 to 4): emitter 0 the full bar, emitter 1 the value.
    // Null before start-up.
    Particle* GetHealthBar(int i) const;
    // Start-up: the health and energy bars shown over the computer vehicles.
    void CreateEnemyBars();
    Particle* GetEnergyBar(int i) const;

private:
    void ApplyOneSidedRules();
    void ApplySurvivalRules();
    void BuildRemainingMenus();
    // The few requests the game flow makes of the menus.
    std::string CurrentMenuName() const;
    bool StartDialogueIfPresent(const std::string& name, int event);
    bool IsDialogueActive() const;
    void ShowCrosshair(bool visible);
    std::string PopupMenuName() const;
    void TogglePopup(const std::string& name);
    static constexpr int kEnemyBars = kEnemySlots;

    // Everything that lives from a level's start to its leave.
    LevelState level;
    int gameMode = Battle;
    std::string vehiclePage;
    // The one cursor of the passes over the World's lists.
    std::list<GameEntity*>::iterator entityCursor;
    // The collision pass's neighbours of the entity under the cursor, kept from entity to
    // entity and frame to frame.
    EntitySet neighbours;
    std::list<GameEntity*> deadEntities;
    std::list<std::string> levelLists[kGameModes];
    // The level cursors are positions in the current mode's list, so that a change of mode
    // can never leave them pointing into another list; nextLevel may be the list's size
    // (past the last level).
    int currentLevel = 0;
    int nextLevel = 0;
    GameEntity* currentEntity = nullptr;
    const char* configFileName = "config.cfg";
    float storyDifficulty[6] = {0.15f, 0.25f, 0.4f, 0.7f, 0.45f, 0.6f};
    int storyLevel = 0;
    // Player one won the level last decided; read when the next level starts.
    bool levelWon = false;
    // Start-up view matrix, column-major.
    float cameraMatrix[16] = {};
    // What the crosshair widget was last set to; the widget outlives the level.
    bool crosshairShown = true;
    MenuBuilder menuBuilder = nullptr;
    MenuBuilder introBuilder = nullptr;
    std::unique_ptr<Particle[]> healthBars;
    std::unique_ptr<Particle[]> energyBars;
};

extern Application application;

// The entry: start-up, the main loop and shutdown. Returns the program's result.
int GameMain();
// One frame of the main loop: its fourteen steps in order.
void RunFrame();
// The same without the last step, the swap: what a frame puts in the drawing buffer.
void UpdateAndDrawFrame();
