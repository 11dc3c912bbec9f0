#include "bench/common/FrameTimes.h"

#include <algorithm>

namespace benchframes {

FrameTimes Summarise(std::vector<double>& frameMs) {
    FrameTimes times;
    times.frames = frameMs.size();
    if (frameMs.empty()) return times;
    std::sort(frameMs.begin(), frameMs.end());
    times.medianMs = frameMs[frameMs.size() / 2];
    times.worstMs = frameMs.back();
    times.p99Ms = frameMs[frameMs.size() * 99 / 100];
    return times;
}

}  // namespace benchframes
