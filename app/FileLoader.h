#pragma once
// The one object through which the game reads its content files: it knows the game's root
// folder and owns the model reader.
#include <concepts>
#include <istream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/ContentRecords.h"
#include "app/LineReader.h"

class MeshTree;
class MS3DLoader;

class FileLoader {
public:
    FileLoader() = default;
    ~FileLoader() { ReleaseModelLoader(); }
    FileLoader(const FileLoader&) = delete;
    FileLoader& operator=(const FileLoader&) = delete;

    // The root becomes the working directory, and models can be loaded from now on.
    void Init();
    void ReleaseModelLoader();
    void GetScreenSize(const char* fileName, int* width, int* height);
    const std::string& GetRoot() const { return root; }

    // A level file at a complete path: its records, with the header into the five outputs.
    // A file that does not open gives an empty list and leaves the outputs as they were.
    std::vector<EntityDesc> ReadLevelFile(std::string path, std::string* texture1,
                                          std::string* texture2, std::string* texture3,
                                          int* gridSizeX, int* gridSizeZ) const;
    // The bounding-box file `name` under the root's "\RESOURCES\Files\BoundingBoxes\".
    std::vector<Box> ReadBoundingBoxes(std::string name) const;
    // A tag file at `path`, used unchanged.
    std::map<std::string, std::string> ReadTagFile(const char* path) const;
    // A new model read from the MilkShape 3D file at `path`, or null: before Init, or after
    // the error box that names what the file lacks. That box is shown once per file until
    // the model reader is released; a later request tries the file again quietly. Defined beside
    // the model reader, in the render library.
    std::unique_ptr<MeshTree> LoadModel(const char* path, bool withShadowData);

    // Line files: each call reads one line of `f` against `format` into the targets, one
    // per comma-separated piece of the format (app/LineReader.h). A null `f` reads nothing.
    template <std::same_as<int>... More>
    static void ReadIntLine(std::istream* f, const char* format, int* target, More*... more) {
        const LineTarget targets[] = {target, more...};
        ReadFormattedLine(f, format ? format : "", targets);
    }
    template <std::same_as<std::string>... More>
    static void ReadStringLine(std::istream* f, const char* format, std::string* target,
                               More*... more) {
        const LineTarget targets[] = {target, more...};
        ReadFormattedLine(f, format ? format : "", targets);
    }
    template <std::same_as<float>... More>
    static void ReadFloatLine(std::istream* f, const char* format, float* target, More*... more) {
        const LineTarget targets[] = {target, more...};
        ReadFormattedLine(f, format ? format : "", targets);
    }
    // Skips the text (not compared) and the line break after it: the "{" and "}" lines.
    static void SkipText(std::istream* f, const char* text);
    // A quoted text starting at the current position: the first character is taken as the
    // opening quote; the text runs to the next double quote or the end of the file, over
    // line breaks; the rest of the closing quote's line is skipped.
    static void ReadQuotedString(std::istream* f, std::string* out);
    // The next quoted text on the way forward, whatever stands before it; empty when no quote
    // follows. The label documents the line and is not read.
    static void ReadQuotedValue(std::istream* f, const char* label, std::string* out);

private:
    std::string root;
    // The model reader belongs to the render library, which this one cannot see: LoadModel
    // makes it on its first use after Init, and it is released through the deleter stored
    // with it.
    std::unique_ptr<MS3DLoader, void (*)(MS3DLoader*)> modelLoader{nullptr, nullptr};
    bool modelLoaderWanted = false;
    std::set<std::string> reportedModels;
};

extern FileLoader fileLoader;
