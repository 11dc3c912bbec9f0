#include "bench/world/JamWatch.h"

#include <algorithm>
#include <cmath>

JamWatch::JamWatch(float frameSeconds)
    : frame(frameSeconds),
      window(static_cast<std::size_t>(std::lround(kWindowSeconds / frameSeconds))),
      ring(window) {}

void JamWatch::Sample(float x, float z, bool thrust, bool touchingPlayer) {
    if (frames >= static_cast<long long>(window)) {
        const Moment& leaving = ring[next];
        thrustFrames -= leaving.thrust ? 1 : 0;
        touchFrames -= leaving.touching ? 1 : 0;
    }
    ring[next] = Moment{x, z, thrust, touchingPlayer};
    leastX.Add(frames, x, false);
    greatestX.Add(frames, x, true);
    leastZ.Add(frames, z, false);
    greatestZ.Add(frames, z, true);
    thrustFrames += thrust ? 1 : 0;
    touchFrames += touchingPlayer ? 1 : 0;
    next = (next + 1) % window;
    ++frames;
    if (frames < static_cast<long long>(window)) return;

    const long long oldest = frames - static_cast<long long>(window);
    for (Extreme* e : {&leastX, &greatestX, &leastZ, &greatestZ}) e->DropBefore(oldest);
    const bool jammed =
        touchFrames == 0 && static_cast<float>(thrustFrames) >= kThrustShare * window &&
        greatestX.Value() - leastX.Value() < kReach && greatestZ.Value() - leastZ.Value() < kReach;
    if (jammed) MarkWindow();
}

void JamWatch::MarkWindow() {
    const long long last = frames - 1;
    const long long windowStart = frames - static_cast<long long>(window);
    if (episodeStart < 0 || markedThrough < windowStart - 1) {
        // A gap since the last jammed frame: the episode before it is over.
        if (episodeStart >= 0) episodes.push_back(markedThrough - episodeStart + 1);
        episodeStart = windowStart;
    }
    jammedFrames += last - std::max(markedThrough + 1, windowStart) + 1;
    markedThrough = last;
    longestFrames = std::max(longestFrames, last - episodeStart + 1);
}

void JamWatch::Extreme::Add(long long at, float value, bool greatest) {
    // A kept frame that the new one beats can never be the extreme again.
    while (!kept.empty() && (greatest ? kept.back().second <= value : kept.back().second >= value))
        kept.pop_back();
    kept.emplace_back(at, value);
}

void JamWatch::Extreme::DropBefore(long long at) {
    while (!kept.empty() && kept.front().first < at) kept.pop_front();
}

int JamWatch::EpisodesOver(double seconds) const {
    int count = 0;
    for (long long length : episodes)
        if (static_cast<double>(length) * frame > seconds) ++count;
    if (episodeStart >= 0 &&
        static_cast<double>(markedThrough - episodeStart + 1) * frame > seconds)
        ++count;
    return count;
}
