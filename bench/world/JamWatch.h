#pragma once
// Watches one computer driver for jams, sampled once a frame. A driver is jammed over a 5 s
// window when it held thrust (forward or reverse) at least half the window's time, stayed
// within 4 units along each axis all through it (a wide circle that comes back to where it
// began is driving, not a jam), and never touched player one in it. Every
// frame of such a window counts as jammed, once; an episode is a run of consecutive jammed
// frames. Turning on the spot neither ends nor excuses a jam.
#include <cstddef>
#include <deque>
#include <vector>

class JamWatch {
public:
    static constexpr float kWindowSeconds = 5.0f;
    static constexpr float kReach = 4.0f;
    static constexpr float kThrustShare = 0.5f;

    explicit JamWatch(float frameSeconds);

    // One frame: the vehicle's position at its end, whether thrust or reverse was held and
    // whether it touched player one.
    void Sample(float x, float z, bool thrust, bool touchingPlayer);

    double JammedSeconds() const { return static_cast<double>(jammedFrames) * frame; }
    double LongestEpisodeSeconds() const { return static_cast<double>(longestFrames) * frame; }
    // Episodes of at least `seconds`, counted as they end or at the last sample.
    int EpisodesOver(double seconds) const;

private:
    struct Moment {
        float x, z;
        bool thrust, touching;
    };
    void MarkWindow();
    // The window's least and greatest x and z, kept as the samples come and go: each deque
    // holds the frames that can still be the extreme, oldest first.
    struct Extreme {
        std::deque<std::pair<long long, float>> kept;
        void Add(long long at, float value, bool greatest);
        void DropBefore(long long at);
        float Value() const { return kept.front().second; }
    };

    float frame;
    std::size_t window;  // frames in a window
    std::vector<Moment> ring;
    std::size_t next = 0;          // ring slot of the coming sample
    long long frames = 0;          // samples taken
    int thrustFrames = 0;          // in the window
    int touchFrames = 0;           // in the window
    long long markedThrough = -1;  // last frame counted as jammed
    long long episodeStart = -1;
    long long jammedFrames = 0;
    long long longestFrames = 0;
    std::vector<long long> episodes;  // lengths of the ended episodes, in frames
    Extreme leastX, greatestX, leastZ, greatestZ;
};
