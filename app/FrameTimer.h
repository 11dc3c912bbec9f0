#pragma once
// The one clock of the frame: the frame time that motion is scaled by, a
// frames-per-second figure and ten countdown alarms for the screens.
#include <array>
#include <cstdint>

class FrameTimer {
public:
    static constexpr int kAlarmSlots = 10;

    FrameTimer() { Init(false); }

    void Init(bool useHighResolution);
    void Update();
    float GetDeltaTime() const { return static_cast<float>(deltaTime); }
    int GetFPS() const { return fps; }
    char* GetFPSText();
    bool Alarm(int slot, float seconds, bool repeat);
    void ResetAlarms();

private:
    std::int64_t counterStart = 0;
    std::int64_t counterEnd = 0;
    std::int64_t counterFrequency = 0;
    double msNow = 0;
    double msPrevious = 0;
    double accumulated = 0;
    double fpsInterval = 0.1;
    double deltaTime = 0;
    float alarmElapsed[kAlarmSlots] = {};
    float alarmDuration[kAlarmSlots] = {};
    int frameCount = 0;
    int fps = 0;
    bool highResolution = false;
    bool startPending = true;
    bool alarmActive[kAlarmSlots] = {};
    // A one-shot alarm that has fired stays silent until the alarms are reset, even when
    // its count landed exactly on its duration.
    bool alarmFired[kAlarmSlots] = {};
    std::array<char, 10> fpsText = {};
};

extern FrameTimer frameTimer;
