#pragma once
// mp3 encoding of a finished mono sample, over libmp3lame.
#include <string>
#include <vector>

namespace content::sound {

constexpr int kBitrateKbps = 128;

// Encodes mono 44100 Hz samples in -1 to 1 as MPEG-1 Layer III at a constant bit rate. The
// first frame carries the encoder's delay and padding, so decoders that read it play the
// sample without the encoder's leading silence. Returns false with the reason in `error`.
bool EncodeMp3(const std::vector<float>& samples, std::vector<unsigned char>& mp3,
               std::string& error);

}  // namespace content::sound
