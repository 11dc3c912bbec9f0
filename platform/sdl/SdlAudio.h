#pragma once
#include <vector>

#include "platform/Audio.h"

struct Mix_Chunk;

namespace platform {

class SdlAudio : public Audio {
public:
    ~SdlAudio() override;
    bool Open(int frequency, int channels, std::string& error) override;
    SampleId Load(const std::string& path, std::string& error) override;
    int Play(SampleId sample, int volume) override;
    void Close() override;

private:
    enum class State { Closed, Open, Failed };
    State state = State::Closed;
    std::string openError;
    std::vector<Mix_Chunk*> samples;
};

}  // namespace platform
