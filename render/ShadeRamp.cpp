#include "render/ShadeRamp.h"

#include <charconv>
#include <string>

#include "app/LineReader.h"

namespace {

// The leading number of a line as the C runtime's atof reads it, but independent of the
// locale: blanks skipped, then the longest number; 0 when there is none.
float LeadingNumber(const std::string& line) {
    size_t at = line.find_first_not_of(" \t\r\n\f\v");
    if (at == std::string::npos) return 0.0f;
    if (line[at] == '+') ++at;
    float value = 0.0f;
    const auto result = std::from_chars(line.data() + at, line.data() + line.size(), value);
    return result.ec == std::errc() ? value : 0.0f;
}

void SetEntry(ShadeRampTable ramp, int entry, float value) {
    ramp[entry][0] = ramp[entry][1] = ramp[entry][2] = value;
}

}  // namespace

void FillDefaultShadeRamp(ShadeRampTable ramp) {
    for (int entry = 0; entry < kShadeRampEntries; ++entry)
        SetEntry(ramp, entry, entry < 10 ? 0.4f : entry < 21 ? 0.7f : 1.0f);
}

int ReadShadeRamp(std::istream& in, ShadeRampTable ramp) {
    int filled = 0;
    std::string line;
    // Only a line actually read counts: the end of the file adds no entry.
    while (filled < kShadeRampEntries && ReadPhysicalLine(in, line)) {
        SetEntry(ramp, filled, LeadingNumber(line));
        ++filled;
    }
    for (int entry = filled; filled > 0 && entry < kShadeRampEntries; ++entry)
        SetEntry(ramp, entry, ramp[filled - 1][0]);
    return filled;
}
