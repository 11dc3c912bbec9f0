#include "tools/content/sound/Mp3Encoder.h"

#include <lame/lame.h>

#include <algorithm>
#include <memory>

#include "tools/content/sound/Synth.h"

namespace content::sound {

namespace {

struct LameCloser {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};
using Lame = std::unique_ptr<lame_global_flags, LameCloser>;

// Samples handed to the encoder per call; the output bound below is lame's own.
constexpr int kChunk = 8192;
constexpr int kChunkOutput = kChunk * 5 / 4 + 7200;
// lame's recommended size for the buffer that receives the last frames.
constexpr int kFlushOutput = 7200;
// lame's quality scale runs from 0 (best, slowest) to 9; 2 is its "high quality" setting.
constexpr int kQuality = 2;

}  // namespace

bool EncodeMp3(const std::vector<float>& samples, std::vector<unsigned char>& mp3,
               std::string& error) {
    mp3.clear();
    Lame lame(lame_init());
    if (!lame) {
        error = "the mp3 encoder could not start";
        return false;
    }
    lame_global_flags* flags = lame.get();
    lame_set_in_samplerate(flags, kSampleRate);
    lame_set_out_samplerate(flags, kSampleRate);
    lame_set_num_channels(flags, 1);
    lame_set_mode(flags, MONO);
    lame_set_VBR(flags, vbr_off);
    lame_set_brate(flags, kBitrateKbps);
    lame_set_quality(flags, kQuality);
    lame_set_bWriteVbrTag(flags, 1);
    lame_set_write_id3tag_automatic(flags, 0);
    if (lame_init_params(flags) < 0) {
        error = "the mp3 encoder refused its settings";
        return false;
    }

    std::vector<unsigned char> buffer(kChunkOutput);
    for (std::size_t done = 0; done < samples.size();) {
        const int count = static_cast<int>(std::min<std::size_t>(kChunk, samples.size() - done));
        // Mono: lame reads only the first channel.
        const int written =
            lame_encode_buffer_ieee_float(flags, samples.data() + done, samples.data() + done,
                                          count, buffer.data(), static_cast<int>(buffer.size()));
        if (written < 0) {
            error = "the mp3 encoder failed (code " + std::to_string(written) + ")";
            return false;
        }
        mp3.insert(mp3.end(), buffer.begin(), buffer.begin() + written);
        done += static_cast<std::size_t>(count);
    }
    buffer.assign(kFlushOutput, 0);
    const int flushed = lame_encode_flush(flags, buffer.data(), static_cast<int>(buffer.size()));
    if (flushed < 0) {
        error = "the mp3 encoder failed to finish (code " + std::to_string(flushed) + ")";
        return false;
    }
    mp3.insert(mp3.end(), buffer.begin(), buffer.begin() + flushed);

    // The encoder left room for the tag frame at the start; fill it in now that the
    // lengths are known.
    unsigned char tag[kFlushOutput];
    const std::size_t tagSize = lame_get_lametag_frame(flags, tag, sizeof tag);
    if (tagSize == 0 || tagSize > sizeof tag || tagSize > mp3.size()) {
        error = "the mp3 encoder gave no tag frame";
        return false;
    }
    std::copy(tag, tag + tagSize, mp3.begin());
    return true;
}

}  // namespace content::sound
