#pragma once
// The largest content the game takes in, in one place. Each cap stands far above the largest
// file of its kind that the game ships (the figure after "ships:"), so real content never
// meets one; what goes beyond is refused as a missing file would be, with the reader's own
// box or its default. Without them a link to an endless device, or a file of one endless
// word, would grow memory until the system stops the game.
#include <cstddef>

namespace contentlimits {

constexpr std::size_t kKiB = 1024;
constexpr std::size_t kMiB = 1024 * kKiB;

// Whole files, by kind. Files are read whole before parsing, so these bound their memory.

// Levels: a thousand times the largest room. Ships: 1.5 KiB (Multi1.txt).
constexpr std::size_t kMaxLevelFileBytes = 1 * kMiB;
// Bounding-box files: thousands of rectangles. Ships: 106 bytes.
constexpr std::size_t kMaxBoundingBoxFileBytes = 256 * kKiB;
// Vehicle and weapon definitions (tag files). Ships: 875 bytes (ufo.txt).
constexpr std::size_t kMaxTagFileBytes = 256 * kKiB;
// Particle scripts and block files: a block file for the largest batch the script reader
// takes (4096 blocks of nine lines) stays under 2 MiB even with long numbers.
// Ships: 2.1 KiB (blue_sparks_blocks.txt).
constexpr std::size_t kMaxParticleFileBytes = 4 * kMiB;
// Dialogue lists, configs and texts. Ships: 5.4 KiB (DialogueList.txt).
constexpr std::size_t kMaxDialogueFileBytes = 1 * kMiB;
// The options file and the shading ramp: a few short lines. Ships: 106 bytes (shader.txt).
constexpr std::size_t kMaxSettingsFileBytes = 64 * kKiB;
// Models: a MilkShape file at the format's largest counts in every section (65,535 vertices,
// triangles, groups and materials) comes to under 32 MiB. Ships: 153 KiB (dining_table.ms3d).
constexpr std::size_t kMaxModelFileBytes = 64 * kMiB;
// Pictures: a 4096 x 4096 picture uncompressed at 32 bits. Ships: 384 KiB (scratch.bmp).
constexpr std::size_t kMaxImageFileBytes = 64 * kMiB;
// Sound samples: minutes of compressed sound. Ships: 29 KiB (VehicleExplosion.mp3).
constexpr std::size_t kMaxSoundFileBytes = 16 * kMiB;

// Text readers. A file with a longer line is refused whole; the line reader also stops at
// this length on any stream it is given. Ships: 125 characters (a DialogueList.txt entry).
constexpr std::size_t kMaxLineBytes = 4 * kKiB;
// One word of a level file (a texture or model name, a type, a bounds file), which the reader
// takes across line breaks. Ships: 25 characters.
constexpr std::size_t kMaxTokenBytes = 1 * kKiB;

}  // namespace contentlimits
