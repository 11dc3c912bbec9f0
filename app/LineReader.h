#pragma once
// Line files (particle scripts, block files, dialogues, the options file): each line holds a
// fixed label, an equals sign and one or more values, such as "num particles = %i" or
// "window color = %f, %f, %f, %f", and the reader knows which line comes next.
//
// A format is split at its commas (a run of commas counts as one; leading and trailing ones
// give no piece) and every piece after the first gets one comma back in front, so each piece
// holds one conversion and fills one target. Within a piece a blank matches any run of
// blanks, also none; %i reads a signed integer (0x for hexadecimal, a leading 0 for octal);
// %d a decimal one; %f a decimal number; %s one word; any other character must match
// exactly. A piece that does not match leaves its target as it was, and the next piece goes
// on where the match stopped.
//
// Matching never leaves the physical line: a value missing at the end of a line does not
// reach into the next one. LF and CR LF line ends read alike, as does a last line without a
// line break. Numbers read the same in every locale.
#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <variant>

using LineTarget = std::variant<int*, float*, std::string*>;

// Matches `line` (without its line break) against `format`, one target per piece. Pieces
// beyond the targets are not matched; targets beyond the pieces are left alone.
void MatchLine(std::string_view line, std::string_view format, std::span<const LineTarget> targets);

// Reads one physical line into `line` without its LF or CR LF; false when the stream has
// nothing left, and false with the stream failed at a line longer than
// contentlimits::kMaxLineBytes, so that the reader takes the file as ending there.
bool ReadPhysicalLine(std::istream& in, std::string& line);

// Reads the next line of `f` and matches it; a null stream reads nothing.
void ReadFormattedLine(std::istream* f, std::string_view format,
                       std::span<const LineTarget> targets);
