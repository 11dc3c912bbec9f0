#pragma once
// Reveals a text one character per call in up to three lines, breaking a line at the first
// space at or after the given number of characters. The layout only; the menu system draws
// the lines it answers.
#include <array>
#include <string>
#include <string_view>

class Typewriter {
public:
    static constexpr int kLines = 3;
    static constexpr std::size_t kTextMax = 255;

    // Back to the first character of an empty text. The length of the last text stays.
    void Reset();
    // One more character of `text` (cut to kTextMax bytes). A text that differs from the one
    // completely revealed, or that is shorter than the position reached, starts again from
    // its first character.
    void Advance(std::string_view text, int charsPerLine);

    // The lines to draw after Advance: 0 to GetLine() - 1 are complete, GetLine() is growing.
    int GetLine() const { return line; }
    const std::string& GetLineText(int index) const {
        return lines[static_cast<std::size_t>(index)];
    }
    std::size_t GetPosition() const { return position; }

private:
    std::size_t position = 0;
    int column = 0;
    int line = 0;
    std::size_t lastLength = 0;
    std::string revealed;
    std::array<std::string, kLines> lines;
};
