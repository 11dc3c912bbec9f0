#include "app/FrameTimer.h"

#include <cstdio>

#include "app/Clock.h"
#include "platform/Services.h"

void FrameTimer::Init(bool useHighResolution) {
    msNow = 0;
    msPrevious = 0;
    accumulated = 0;
    fpsInterval = 0.1;
    deltaTime = 0;
    frameCount = 0;
    fps = 0;
    highResolution = useHighResolution;
    startPending = true;
    ResetAlarms();
}

void FrameTimer::Update() {
    platform::Clock& clock = platform::GetClock();
    if (highResolution) {
        // Every second update measures the frame that just ended; the one between reuses it.
        if (startPending) {
            clock.Counter(counterStart);
            startPending = false;
        } else {
            clock.Counter(counterEnd);
            if (clock.Frequency(counterFrequency) && counterFrequency > 0) {
                counterEnd -= counterStart;
                deltaTime = static_cast<double>(counterEnd) / static_cast<double>(counterFrequency);
                accumulated += deltaTime;
                startPending = true;
            }
        }
    } else {
        msPrevious = msNow;
        msNow = static_cast<double>(timeGetTime());
        deltaTime = (msNow - msPrevious) / 1000.0;
        accumulated += deltaTime;
        frameCount += 1;
        if (accumulated >= fpsInterval) {
            fps = static_cast<int>(frameCount / accumulated);
            frameCount = 0;
            accumulated = 0;
        }
    }
    if (accumulated > fpsInterval) {
        fps = deltaTime > 0 ? static_cast<int>(1.0 / deltaTime) : 0;
        accumulated = 0;
    }
}

char* FrameTimer::GetFPSText() {
    std::snprintf(fpsText.data(), fpsText.size(), "%d", fps);
    return fpsText.data();
}

bool FrameTimer::Alarm(int slot, float seconds, bool repeat) {
    if (slot < 0 || slot >= kAlarmSlots) return false;
    if (!repeat && (alarmFired[slot] || alarmElapsed[slot] > alarmDuration[slot])) return false;
    if (!alarmActive[slot]) {
        // Arming counts no time; later durations are ignored while the alarm stays armed.
        alarmElapsed[slot] = 0;
        alarmDuration[slot] = seconds;
        alarmActive[slot] = true;
        alarmFired[slot] = false;
        return false;
    }
    alarmElapsed[slot] += static_cast<float>(deltaTime);
    if (alarmElapsed[slot] < alarmDuration[slot]) return false;
    if (repeat)
        alarmActive[slot] = false;
    else
        alarmFired[slot] = true;
    return true;
}

void FrameTimer::ResetAlarms() {
    for (int slot = 0; slot < kAlarmSlots; ++slot) {
        alarmElapsed[slot] = 0;
        alarmDuration[slot] = 0;
        alarmActive[slot] = false;
        alarmFired[slot] = false;
    }
}
