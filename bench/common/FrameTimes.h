#pragma once
// Frames timed one by one, for the benchmarks that judge a frame against a budget: the
// budget is the median frame, and the worst shows the hitches.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace benchframes {

struct FrameTimes {
    std::size_t frames = 0;
    double medianMs = 0.0;
    double worstMs = 0.0;
    // The frame that 99 in 100 frames are no slower than: the worst without the odd frame
    // that the machine took elsewhere.
    double p99Ms = 0.0;
};

// The median and the worst of `frameMs` (sorted in place); zeros when it is empty.
FrameTimes Summarise(std::vector<double>& frameMs);

// Runs `frame` once an iteration, each timed whole.
template <typename Frame>
FrameTimes TimeFrames(benchmark::State& state, Frame frame) {
    std::vector<double> frameMs;
    frameMs.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        const auto frameStart = std::chrono::steady_clock::now();
        frame();
        frameMs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - frameStart)
                .count());
    }
    return Summarise(frameMs);
}

}  // namespace benchframes
