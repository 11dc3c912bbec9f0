#include "ui/DialogueReader.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <string_view>

#include "app/LineReader.h"

namespace {

// Reads lines one by one, knowing the line number for the problems it reports.
class Lines {
public:
    Lines(std::istream& in, DialogueProblems& problems) : in(in), problems(problems) {}

    bool Next(std::string& line) {
        if (pushedBack) {
            line = pending;
            pushedBack = false;
            return true;
        }
        if (!ReadPhysicalLine(in, line)) return false;
        ++number;
        return true;
    }
    void PushBack(const std::string& line) {
        pending = line;
        pushedBack = true;
    }
    void Problem(const std::string& what) {
        problems.push_back("line " + std::to_string(number) + ": " + what);
    }
    void EndProblem(const std::string& what) { problems.push_back("end of file: " + what); }

private:
    std::istream& in;
    DialogueProblems& problems;
    int number = 0;
    std::string pending;
    bool pushedBack = false;
};

std::string Cut(std::string text, std::size_t limit, Lines& lines, const char* what) {
    if (text.size() > limit) {
        lines.Problem(std::string(what) + " longer than " + std::to_string(limit) + " characters");
        text.resize(limit);
    }
    return text;
}

// One line of whole numbers; false (and the targets untouched) when it does not match.
bool ReadInts(Lines& lines, const char* format, int* a, int* b = nullptr) {
    std::string line;
    if (!lines.Next(line)) {
        lines.EndProblem(std::string("missing \"") + format + "\"");
        return false;
    }
    int first = INT_MIN, second = INT_MIN;
    const LineTarget targets[] = {&first, &second};
    MatchLine(line, format, std::span<const LineTarget>(targets, b ? 2 : 1));
    if (first == INT_MIN || (b && second == INT_MIN)) {
        lines.Problem(std::string("expected \"") + format + "\", found \"" + line + "\"");
        return false;
    }
    *a = first;
    if (b) *b = second;
    return true;
}

bool ReadFloats(Lines& lines, const char* format, float* values, int count) {
    std::string line;
    if (!lines.Next(line)) {
        lines.EndProblem(std::string("missing \"") + format + "\"");
        return false;
    }
    float read[4] = {NAN, NAN, NAN, NAN};
    const LineTarget targets[] = {&read[0], &read[1], &read[2], &read[3]};
    MatchLine(line, format, std::span<const LineTarget>(targets, static_cast<std::size_t>(count)));
    for (int i = 0; i < count; ++i)
        if (std::isnan(read[i])) {
            lines.Problem(std::string("expected \"") + format + "\", found \"" + line + "\"");
            return false;
        }
    std::copy(read, read + count, values);
    return true;
}

bool ReadWord(Lines& lines, const char* format, std::string* word) {
    std::string line;
    if (!lines.Next(line)) {
        lines.EndProblem(std::string("missing \"") + format + "\"");
        return false;
    }
    std::string read;
    const LineTarget targets[] = {&read};
    MatchLine(line, format, targets);
    if (read.empty()) {
        lines.Problem(std::string("expected \"") + format + "\", found \"" + line + "\"");
        return false;
    }
    *word = read;
    return true;
}

// The text between the first two double quotes of a line that begins with `label`.
bool ReadQuoted(Lines& lines, std::string_view label, std::string* value) {
    std::string line;
    if (!lines.Next(line)) {
        lines.EndProblem("missing \"" + std::string(label) + "\"");
        return false;
    }
    const std::size_t open = line.find('"');
    const std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
    if (line.compare(0, label.size(), label) != 0 || close == std::string::npos) {
        lines.Problem("expected " + std::string(label) + " \"...\", found \"" + line + "\"");
        return false;
    }
    *value = line.substr(open + 1, close - open - 1);
    return true;
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A count read from a file, refused when negative or beyond any sensible size.
int CheckedCount(int count, Lines& lines, const char* what) {
    if (count < 0 || count > kDialogueCountMax) {
        lines.Problem(std::string(what) + " out of range: " + std::to_string(count));
        return 0;
    }
    return count;
}

// A pair of places or sizes: both taken when each lies in [low, kDialogueGeometryMax], else
// both keep their defaults.
void ReadGeometry(Lines& lines, const char* format, const char* what, int low, int* a, int* b) {
    int first = *a, second = *b;
    if (!ReadInts(lines, format, &first, &second)) return;
    if (first < low || first > kDialogueGeometryMax || second < low ||
        second > kDialogueGeometryMax) {
        lines.Problem(std::string(what) + " out of range: " + std::to_string(first) + ", " +
                      std::to_string(second) + " (each " + std::to_string(low) + " to " +
                      std::to_string(kDialogueGeometryMax) + ")");
        return;
    }
    *a = first;
    *b = second;
}

// A line that holds only the brace.
bool ReadBrace(Lines& lines, char brace) {
    std::string line;
    if (!lines.Next(line)) {
        lines.EndProblem(std::string("missing \"") + brace + "\"");
        return false;
    }
    if (line.size() != 1 || line[0] != brace) {
        lines.Problem(std::string("expected \"") + brace + "\", found \"" + line + "\"");
        if (line.empty() || line[0] != brace) lines.PushBack(line);
        return false;
    }
    return true;
}

// A quoted text that starts at the first character of a line and runs to the next quote,
// over line breaks if need be (kept as line feeds); the rest of the closing line is ignored.
bool ReadPage(Lines& lines, const std::string& first, std::string* text) {
    std::string collected = first.substr(1);
    std::size_t close = collected.find('"');
    std::string line;
    while (close == std::string::npos) {
        if (!lines.Next(line)) {
            lines.EndProblem("a page without its closing quote");
            return false;
        }
        lines.Problem("a page runs over a line break");
        collected += '\n';
        collected += line;
        close = collected.find('"');
    }
    if (close + 1 < collected.size() &&
        collected.find_first_not_of(' ', close + 1) != std::string::npos)
        lines.Problem("text after a page's closing quote");
    *text = Cut(collected.substr(0, close), kDialoguePageMax, lines, "page");
    return true;
}

}  // namespace

std::vector<std::string> ReadDialogueList(std::istream& in, DialogueProblems& problems) {
    Lines lines(in, problems);
    std::vector<std::string> paths;
    int count = 0;
    if (!ReadInts(lines, "number of dialogues = %i", &count)) return paths;
    count = CheckedCount(count, lines, "number of dialogues");
    for (int i = 0; i < count; ++i) {
        std::string path;
        if (!ReadQuoted(lines, "filename =", &path)) {
            // Stop at the end of the file; an unreadable line is skipped.
            if (!in) break;
            continue;
        }
        paths.push_back(path);
    }
    std::string extra;
    if (lines.Next(extra) && !extra.empty()) lines.Problem("more lines than dialogues announced");
    return paths;
}

DialogueConfig ReadDialogueConfig(std::istream& in, DialogueProblems& problems) {
    Lines lines(in, problems);
    DialogueConfig config;
    std::string word;
    if (ReadWord(lines, "name = %s", &word))
        config.name = Lower(Cut(word, kDialogueNameMax, lines, "name"));
    ReadQuoted(lines, "dialogue text =", &config.dialogueText);
    if (ReadQuoted(lines, "menu location =", &word))
        config.menuLocation = Cut(word, kMenuLocationMax, lines, "menu location");
    ReadQuoted(lines, "background image =", &config.backgroundImage);
    ReadGeometry(lines, "position = %i, %i", "position", -kDialogueGeometryMax, &config.x,
                 &config.y);
    ReadGeometry(lines, "size = %i, %i", "size", 0, &config.w, &config.h);
    ReadFloats(lines, "window color = %f, %f, %f, %f", config.windowColour, 4);
    ReadFloats(lines, "text color = %f, %f, %f, %f", config.textColour, 4);
    if (ReadWord(lines, "self transition = %s", &word))
        config.selfTransition = Cut(word, kDialogueFlagMax, lines, "self transition");
    if (ReadWord(lines, "use color key = %s", &word))
        config.colourKey = Lower(Cut(word, kDialogueFlagMax, lines, "use color key")) == "true";
    int charsPerLine = config.charsPerLine;
    if (ReadInts(lines, "chars per line = %i", &charsPerLine)) {
        if (charsPerLine >= 1)
            config.charsPerLine = charsPerLine;
        else
            lines.Problem("chars per line must be at least 1");
    }
    float transition = config.transitionTime;
    if (ReadFloats(lines, "transition time = %f", &transition, 1)) {
        if (transition > 0.0f)
            config.transitionTime = transition;
        else
            lines.Problem("transition time must be above 0");
    }
    int font = config.font;
    if (ReadInts(lines, "font index = %i", &font)) {
        if (font >= 0 && font < kDialogueFontMax)
            config.font = font;
        else
            lines.Problem("font index out of range: " + std::to_string(font));
    }
    if (config.name.empty()) problems.push_back("the dialogue has no name");
    return config;
}

DialogueText ReadDialogueText(std::istream& in, DialogueProblems& problems) {
    Lines lines(in, problems);
    DialogueText text;
    int count = 0;
    if (ReadInts(lines, "number of textboxes = %i", &count))
        text.textboxCount = CheckedCount(count, lines, "number of textboxes");
    int portraits = 0;
    if (ReadInts(lines, "number of portraits = %i", &portraits))
        portraits = CheckedCount(portraits, lines, "number of portraits");
    if (portraits > 0)
        ReadGeometry(lines, "portrait size = %i, %i", "portrait size", 0, &text.portraitWidth,
                     &text.portraitHeight);
    for (int i = 0; i < portraits; ++i) {
        DialoguePortrait portrait;
        if (!ReadInts(lines, "portrait[%i]", &portrait.number) && !in) return text;
        ReadBrace(lines, '{');
        std::string line;
        if (!lines.Next(line)) {
            lines.EndProblem("a portrait without its image");
            return text;
        }
        if (line.empty() || line[0] != '"' || !ReadPage(lines, line, &portrait.image)) {
            lines.Problem("expected the quoted image of a portrait, found \"" + line + "\"");
            if (!in) return text;
        }
        ReadBrace(lines, '}');
        text.portraits.push_back(portrait);
    }
    for (int block = 0; block < text.textboxCount; ++block) {
        int number = 0;
        if (!ReadInts(lines, "textbox[%i]", &number)) {
            if (!in) return text;  // the file ends early: keep what was read
            continue;
        }
        ReadBrace(lines, '{');
        int pagesInBlock = 0;
        std::string line;
        while (true) {
            if (!lines.Next(line)) {
                lines.EndProblem("a textbox without its closing brace");
                return text;
            }
            if (!line.empty() && line[0] == '}') break;
            if (line.empty() || line[0] != '"') {
                // Most likely the next block: the closing brace is missing.
                lines.Problem("expected a quoted page or \"}\", found \"" + line + "\"");
                lines.PushBack(line);
                break;
            }
            std::string page;
            if (!ReadPage(lines, line, &page)) return text;
            text.pages.emplace_back(number, page);
            ++pagesInBlock;
        }
        if (pagesInBlock == 0) lines.Problem("a textbox without pages");
    }
    return text;
}
