#pragma once
#include <string>

namespace platform {

// A loaded sample; 0 is no sample.
using SampleId = int;

class Audio {
public:
    virtual ~Audio() = default;
    // Opens the device once; later calls answer as the first did.
    virtual bool Open(int frequency, int channels, std::string& error) = 0;
    virtual SampleId Load(const std::string& path, std::string& error) = 0;
    // Plays the sample once on a free channel, volume 0 to 255; returns the channel or -1.
    virtual int Play(SampleId sample, int volume) = 0;
    virtual void Close() = 0;
};

}  // namespace platform
