// The real game's level frame: the program's own start-up, menus and main loop, driven by the
// scripted player of the end-to-end runs through "Single-Player", "Battle Mode " and
// "To Battle!" into a Battle in the Big Bedroom, where a pilot hunts the computer drivers and
// they fight back. Offscreen on Mesa at 1024 x 768, unpaced. Rounds of bare clear-and-swap
// frames and of level frames alternate, so that both meet the same load, and the level frame
// is given in bare frames of the same run.
//
//   brask_real_level_frame_bench [rounds] [frames per round]   (default 3 and 200)
//
// Exits with 1 when the game never reaches the level or the fight ends before the rounds do.
#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/common/BareFrame.h"
#include "bench/common/FrameTimes.h"
#include "game/Application.h"
#include "game/MenuNames.h"
#include "platform/Keyboard.h"
#include "tests/e2e/Pilot.h"
#include "tests/e2e/ScriptedGame.h"
#include "ui/MenuSystem.h"

namespace mn = menunames;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRounds = 3;
constexpr int kDefaultFrames = 200;
// The frames played after the level's first before timing starts: the opening dialogue has
// played out and the drivers have met.
constexpr int kWarmUpFrames = 150;
constexpr unsigned kSeed = 1;

template <typename Frame>
double MedianFrameMs(int frames, Frame frame) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const Clock::time_point start = Clock::now();
        frame();
        glFinish();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return benchframes::Summarise(times).medianMs;
}

// The median of the rounds' medians.
double MedianOf(std::vector<double> rounds) {
    return benchframes::Summarise(rounds).medianMs;
}

bool ToTheBattle(e2e::ScriptedGame& game) {
    if (!game.SkipIntro()) return false;
    game.Frames(30);
    for (const char* caption : {"Single-Player", "Battle Mode ", "To Battle!"}) {
        if (!game.Click(caption)) return false;
        game.Frames(10);
    }
    return game.FramesUntil(mn::kLevelScreen, 1000);
}

bool Fighting(const e2e::ScriptedGame& game) {
    return game.Running() && game.Menu() == mn::kLevelScreen && game.Popup().empty() &&
           !game.OutOfFrames();
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRounds;
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultFrames;
    e2e::ScriptedGame game(kSeed);
    if (!ToTheBattle(game)) {
        std::printf("the game never reached the Battle (menu %s)\n", game.Menu().c_str());
        return 1;
    }
    e2e::Pilot pilot(0, {platform::vk::A, platform::vk::D, platform::vk::W, platform::vk::S,
                         platform::vk::J, platform::vk::K});
    const auto levelFrame = [&] {
        pilot.Steer(game);
        game.Frame();
    };
    for (int i = 0; i < kWarmUpFrames && Fighting(game); ++i) levelFrame();

    std::vector<double> bare, level;
    for (int round = 0; round < rounds && Fighting(game); ++round) {
        bare.push_back(MedianFrameMs(frames, benchframes::BareFrame));
        level.push_back(MedianFrameMs(frames, levelFrame));
        std::printf("round %d: bare frame %.3f ms, level frame %.3f ms = %.2f bare frames\n",
                    round + 1, bare.back(), level.back(), level.back() / bare.back());
    }
    const bool finished = static_cast<int>(level.size()) == rounds && Fighting(game);
    const double bareMs = MedianOf(bare);
    const double levelMs = MedianOf(level);
    std::printf(
        "real level frame (Battle, Big Bedroom, %d rounds of %d frames): %.3f ms = "
        "%.2f bare frames of %.3f ms\n",
        static_cast<int>(level.size()), frames, levelMs, bareMs > 0.0 ? levelMs / bareMs : 0.0,
        bareMs);
    game.Keys().held.clear();
    if (!finished)
        std::printf("the fight ended before the last round (menu %s, popup %s)\n",
                    game.Menu().c_str(), game.Popup().c_str());
    return finished ? 0 : 1;
}
