#include "ui/Typewriter.h"

void Typewriter::Reset() {
    position = 0;
    column = 0;
    line = 0;
    revealed.clear();
    for (std::string& text : lines) text.clear();
}

namespace {
void Put(std::string& target, std::size_t at, char c) {
    if (at < target.size())
        target[at] = c;
    else
        target.append(at - target.size(), ' ').push_back(c);
}
}  // namespace

void Typewriter::Advance(std::string_view text, int charsPerLine) {
    if (text.size() > kTextMax) text = text.substr(0, kTextMax);
    if (charsPerLine < 1) charsPerLine = 1;
    const bool finished = lastLength > 0 && position == lastLength && text != revealed;
    if (finished || position > text.size()) Reset();
    // A line breaks at the first space at or after charsPerLine; the space begins the next
    // line. The third line never ends: further text overwrites it from its start.
    if (column >= charsPerLine && position < text.size() && text[position] == ' ') {
        column = 0;
        if (line < kLines - 1) ++line;
    }
    if (position < text.size()) {
        Put(revealed, position, text[position]);
        Put(lines[static_cast<std::size_t>(line)], static_cast<std::size_t>(column),
            text[position]);
    }
    lastLength = text.size();
    if (position < text.size()) {
        ++position;
        ++column;
    }
}
