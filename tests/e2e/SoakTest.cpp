// Long play: random clicks on whatever buttons are on show and random keys in the levels of
// every mode, for BRASK_SOAK_SECONDS of wall time (60 by default) from seed BRASK_SOAK_SEED.
// Fails on a vehicle position that is not a number or lies outside its room and on a screen
// the player cannot leave; crashes and sanitizer reports end the program.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "game/Application.h"
#include "game/MenuNames.h"
#include "platform/Keyboard.h"
#include "tests/e2e/ScriptedGame.h"
#include "ui/MenuSystem.h"
#include "world/World.h"

namespace mn = menunames;

namespace {

using namespace platform;
using e2e::ScriptedGame;

bool IsLeavingButton(const std::string& caption) {
    return caption == "Exit" || caption == "Exit Game";
}

// Whether a click there could land on a button that ends the program: the soak leaves those
// alone, or the game would end by the player's own choice.
bool NearALeavingButton(int x, int y) {
    constexpr int kMargin = 8;
    for (const std::string& name :
         {menuSystem.GetPopupMenuName(), menuSystem.GetCurrentMenuName()}) {
        const MenuSystem::Menu* menu = menuSystem.FindMenu(name);
        if (!menu) continue;
        for (const MenuSystem::WidgetNode& node : menu->widgets) {
            const Widget& widget = *node.widget;
            if (widget.type == kButtonWidget && IsLeavingButton(widget.name) &&
                std::abs(x - widget.x) <= widget.w / 2 + kMargin &&
                std::abs(y - widget.y) <= widget.h / 2 + kMargin)
                return true;
        }
    }
    return false;
}

double EnvSeconds(const char* name, double fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atof(text) : fallback;
}

TEST(LongPlay, RandomPlayThroughEveryModeKeepsTheGameSound) {
    const auto seed = static_cast<unsigned>(EnvSeconds("BRASK_SOAK_SEED", 1.0));
    // Timed by the wall clock, so without a budget of frames.
    ScriptedGame game(seed, std::numeric_limits<int>::max());
    ASSERT_TRUE(game.SkipIntro()) << game.Menu();
    const double seconds = EnvSeconds("BRASK_SOAK_SECONDS", 60.0);
    std::mt19937 random(seed);
    const int keys[] = {vk::W,       vk::A,       vk::S,       vk::D,       vk::J,
                        vk::K,       vk::Up,      vk::Down,    vk::Left,    vk::Right,
                        vk::Numpad0, vk::Decimal, vk::Numpad1, vk::Numpad2, vk::Numpad3};
    const auto start = std::chrono::steady_clock::now();
    std::string lastMenu;
    int framesOnMenu = 0;
    int levels = 0;
    while (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() <
           seconds) {
        ASSERT_TRUE(game.Running()) << "the game ended by itself on " << game.Menu();
        const std::string menu = game.Menu();
        if (menu != lastMenu) {
            if (menu == mn::kLevelScreen) ++levels;
            lastMenu = menu;
            framesOnMenu = 0;
        }
        ++framesOnMenu;
        // A level is played a while before the buttons of its popups are tried.
        const bool inLevel = menu == mn::kLevelScreen;
        if (inLevel) {
            for (int key : keys) game.Hold(key, random() % 4 == 0);
            if (random() % 900 == 0) game.Tap(vk::Escape);
        }
        std::vector<std::string> buttons = game.Buttons();
        std::erase_if(buttons, IsLeavingButton);
        const int patience = inLevel && game.Popup().empty() ? 600 : 40;
        if (!buttons.empty() && framesOnMenu % patience == 0) {
            game.Keys().held.clear();
            game.Click(buttons[random() % buttons.size()]);
        } else if (random() % 60 == 0) {
            // Clicks anywhere move dialogues and intros on.
            const int x = static_cast<int>(random() % 1024);
            const int y = static_cast<int>(random() % 768);
            if (!NearALeavingButton(x, y)) {
                game.Events().Push(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
                game.Events().Push(WM_LBUTTONUP, 0, x, y);
            }
        }
        game.Frame();
        const std::string fault = e2e::CheckVehicles();
        ASSERT_TRUE(fault.empty()) << fault;
        ASSERT_LT(framesOnMenu, 20000) << "stuck on " << menu;
    }
    std::cout << "soak: " << levels << " levels entered in " << seconds << " s\n";
    game.Keys().held.clear();
}

}  // namespace
