// The tree's shape, checked on the sources themselves: each folder includes only from the
// folders below it (game -> ui, ai, particles, world -> physics, render -> app -> platform),
// and each folder's libraries link only the libraries of those folders; SDL, SDL_mixer and
// FreeType headers appear only inside platform/, and every source is in the project's
// clang-format style.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kTop = BRASK_SOURCE_DIR;

// The folders of the game itself, each with the folders it may include and link from.
// Physics and world use each other: physics moves world entities and asks the World for
// neighbours. A vehicle's computer driver is known to the world only through
// world/VehicleDriver.h, so world/ never reaches into ai/.
const std::map<std::string, std::set<std::string>> kMayUse = {
    {"platform", {}},
    {"app", {"platform"}},
    {"render", {"app", "platform"}},
    {"physics", {"world", "render", "app", "platform"}},
    {"world", {"physics", "render", "app", "platform"}},
    {"particles", {"world", "render", "app", "platform"}},
    {"ai", {"world", "physics", "render", "app", "platform"}},
    {"ui", {"render", "app", "platform"}},
    {"game", {"ui", "ai", "particles", "world", "physics", "render", "app", "platform"}},
};

// Every folder whose sources are ours to check (build folders and content are not).
const char* const kSourceFolders[] = {"platform",  "app",  "render", "physics", "world",
                                      "particles", "ai",   "ui",     "game",    "tests",
                                      "bench",     "fuzz", "tools"};

bool IsSource(const fs::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".cpp" || extension == ".h" || extension == ".c";
}

// Source files relative to the top, with '/' separators, in a stable order.
std::vector<std::string> Sources() {
    std::set<std::string> found;
    for (const char* folder : kSourceFolders) {
        std::error_code error;
        if (!fs::is_directory(kTop / folder, error)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(kTop / folder))
            if (entry.is_regular_file() && IsSource(entry.path()))
                found.insert(entry.path().lexically_relative(kTop).generic_string());
    }
    return {found.begin(), found.end()};
}

std::string TopFolder(const std::string& path) {
    return path.substr(0, path.find('/'));
}

// What an #include line names, as written ("app/Window.h" with its quotes, <SDL.h>,
// FT_FREETYPE_H); empty for any other line.
std::string IncludeTarget(const std::string& line) {
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '#') return {};
    at = line.find_first_not_of(" \t", at + 1);
    const std::string keyword = "include";
    if (at == std::string::npos || line.compare(at, keyword.size(), keyword) != 0) return {};
    at = line.find_first_not_of(" \t", at + keyword.size());
    if (at == std::string::npos) return {};
    // A quoted or bracketed name ends at its closing mark, kept; a macro at a blank.
    const char opening = line[at];
    const char* closing = opening == '"' ? "\"" : opening == '<' ? ">" : " \t";
    std::size_t end = line.find_first_of(closing, at + 1);
    if (end != std::string::npos && (opening == '"' || opening == '<')) ++end;
    return line.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

// The quoted includes of a file that name a path under a folder ("world/World.h").
std::vector<std::string> ProjectIncludes(const std::string& text) {
    std::vector<std::string> includes;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string target = IncludeTarget(line);
        if (target.size() > 2 && target.front() == '"' && target.find('/') != std::string::npos)
            includes.push_back(target.substr(1, target.size() - 2));
    }
    return includes;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Why folder `from` may not `use` ("include", "link") what folder `to` holds; empty when it
// may.
std::string DirectionFault(const std::string& from, const std::string& to, const char* use) {
    const auto rules = kMayUse.find(from);
    if (rules == kMayUse.end()) return {};  // tests, tools, benchmarks: leaves
    if (to == rules->first || rules->second.count(to)) return {};
    return rules->first + "/ may not " + use + " from " + to + "/";
}

// Why `file` may not include `header`; empty when it may.
std::string IncludeFault(const std::string& file, const std::string& header) {
    return DirectionFault(TopFolder(file), TopFolder(header), "include");
}

// A CMake file's text with its comments blanked out.
std::string WithoutComments(const std::string& text) {
    std::string code;
    bool quoted = false;
    bool comment = false;
    for (const char c : text) {
        if (c == '\n')
            comment = false;
        else if (!comment && c == '"')
            quoted = !quoted;
        else if (!comment && !quoted && c == '#')
            comment = true;
        code += comment ? ' ' : c;
    }
    return code;
}

// The arguments of every call of `command` in a CMake file's text, in order.
std::vector<std::vector<std::string>> Calls(const std::string& text, const std::string& command) {
    const std::string code = WithoutComments(text);
    std::vector<std::vector<std::string>> calls;
    for (std::size_t at = code.find(command); at != std::string::npos;
         at = code.find(command, at + 1)) {
        const bool wordStart =
            at == 0 ||
            !(std::isalnum(static_cast<unsigned char>(code[at - 1])) || code[at - 1] == '_');
        const std::size_t open = code.find_first_not_of(" \t", at + command.size());
        if (!wordStart || open == std::string::npos || code[open] != '(') continue;
        const std::size_t close = code.find(')', open);
        std::istringstream arguments(code.substr(open + 1, close - open - 1));
        std::vector<std::string> call;
        for (std::string argument; arguments >> argument;) call.push_back(argument);
        if (!call.empty()) calls.push_back(call);
    }
    return calls;
}

// A link from one of our targets to another, each with the folder that defines it.
struct LinkEdge {
    std::string target;
    std::string targetFolder;
    std::string library;
    std::string libraryFolder;
};

// The links between the targets that the CMake files `files` (path relative to the top, and
// text) define.
std::vector<LinkEdge> LinkEdges(const std::vector<std::pair<std::string, std::string>>& files) {
    std::map<std::string, std::string> folderOf;
    for (const auto& [path, text] : files)
        for (const char* define : {"add_library", "add_executable"})
            for (const auto& call : Calls(text, define)) folderOf[call[0]] = TopFolder(path);
    std::vector<LinkEdge> edges;
    for (const auto& [path, text] : files)
        for (const auto& call : Calls(text, "target_link_libraries")) {
            const auto target = folderOf.find(call[0]);
            if (target == folderOf.end()) continue;
            for (std::size_t i = 1; i < call.size(); ++i) {
                const auto library = folderOf.find(call[i]);
                if (library != folderOf.end())
                    edges.push_back({call[0], target->second, call[i], library->second});
            }
        }
    return edges;
}

// Every CMake file of the tree, relative to the top, with its text.
std::vector<std::pair<std::string, std::string>> CMakeFiles() {
    std::vector<std::pair<std::string, std::string>> files;
    files.emplace_back("CMakeLists.txt", Read(kTop / "CMakeLists.txt"));
    for (const char* folder : kSourceFolders) {
        std::error_code error;
        if (!fs::is_directory(kTop / folder, error)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(kTop / folder))
            if (entry.is_regular_file() && entry.path().filename() == "CMakeLists.txt")
                files.emplace_back(entry.path().lexically_relative(kTop).generic_string(),
                                   Read(entry.path()));
    }
    return files;
}

// Whether a line includes a header of SDL, SDL_mixer or FreeType.
bool IncludesPlatformLibrary(const std::string& line) {
    const std::string target = IncludeTarget(line);
    for (const char* start : {"<SDL", "\"SDL", "<ft2build.h>", "<freetype/", "FT_"})
        if (target.rfind(start, 0) == 0) return true;
    return false;
}

// The SDL edge's own tests may use the libraries too; the content tool paints its words
// through the platform's type faces.
bool MayUsePlatformLibraries(const std::string& file) {
    return TopFolder(file) == "platform" || file.rfind("tests/platform/", 0) == 0;
}

struct IncludeCase {
    const char* file;
    const char* header;
    bool allowed;
};

class IncludeRule : public ::testing::TestWithParam<IncludeCase> {};

TEST_P(IncludeRule, FollowsTheDirectionOfTheGraph) {
    const IncludeCase& c = GetParam();
    EXPECT_EQ(IncludeFault(c.file, c.header).empty(), c.allowed)
        << c.file << " including " << c.header;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IncludeRule,
    ::testing::Values(
        // Down the graph, and within a folder.
        IncludeCase{"game/Application.cpp", "ui/MenuSystem.h", true},
        IncludeCase{"render/Renderer.cpp", "app/Vector3.h", true},
        IncludeCase{"app/Window.cpp", "platform/Services.h", true},
        IncludeCase{"particles/Particle.cpp", "world/World.h", true},
        // Physics and world lean on each other by design.
        IncludeCase{"physics/Physics.cpp", "world/World.h", true},
        IncludeCase{"world/Vehicle.cpp", "physics/Physics.h", true},
        // Up the graph.
        IncludeCase{"app/FileLoader.cpp", "render/MeshTree.h", false},
        IncludeCase{"render/Renderer.cpp", "world/World.h", false},
        IncludeCase{"world/World.cpp", "game/Application.h", false},
        IncludeCase{"world/EffectFactory.cpp", "particles/ParticleSystem.h", false},
        IncludeCase{"world/Vehicle.h", "ai/AIController.h", false},
        IncludeCase{"world/WorldVehicles.cpp", "ai/AIController.h", false},
        IncludeCase{"ai/AIController.h", "world/VehicleDriver.h", true},
        IncludeCase{"ui/MenuSystem.cpp", "world/World.h", false},
        IncludeCase{"platform/sdl/SdlAudio.cpp", "app/Sound.h", false},
        // The game never reaches into tests or tools.
        IncludeCase{"game/Application.cpp", "tests/gl/LevelFrame.h", false},
        IncludeCase{"render/TextureManager.cpp", "tools/content/texture/Image.h", false},
        // Tests and tools are leaves.
        IncludeCase{"tests/world/ReplayTest.cpp", "game/Application.h", true}));

TEST(Structure, EveryIncludeFollowsTheDirectionOfTheGraph) {
    const std::vector<std::string> files = Sources();
    ASSERT_FALSE(files.empty()) << "no sources under " << kTop;
    for (const std::string& file : files)
        for (const std::string& header : ProjectIncludes(Read(kTop / file))) {
            const std::string fault = IncludeFault(file, header);
            EXPECT_TRUE(fault.empty()) << file << " includes " << header << ": " << fault;
        }
}

TEST(Structure, LinkEdgesAreReadFromTheCallsNotTheComments) {
    const std::vector<LinkEdge> edges = LinkEdges({
        {"world/CMakeLists.txt",
         "# target_link_libraries(brask_world PUBLIC brask_ai)\n"
         "add_library(brask_world STATIC World.cpp)\n"
         "target_link_libraries(brask_world PUBLIC brask_render  # and brask_ai\n"
         "                      brask_app PkgConfig::SDL2)\n"},
        {"ai/CMakeLists.txt",
         "add_library(brask_ai STATIC AIController.cpp)\n"
         "target_link_libraries (brask_ai PUBLIC brask_world)\n"},
        {"render/CMakeLists.txt", "add_library(brask_render STATIC Renderer.cpp)\n"},
        {"app/CMakeLists.txt", "add_library(brask_app STATIC Clock.cpp)\n"},
    });
    std::set<std::string> found;
    for (const LinkEdge& e : edges)
        found.insert(e.target + "(" + e.targetFolder + ") -> " + e.library + "(" + e.libraryFolder +
                     ")");
    EXPECT_EQ(found, (std::set<std::string>{"brask_world(world) -> brask_render(render)",
                                            "brask_world(world) -> brask_app(app)",
                                            "brask_ai(ai) -> brask_world(world)"}));
}

// The computer driver sits behind world/VehicleDriver.h: the AI links the world, never the
// other way, while world and physics keep their stated tie.
TEST(Structure, EveryLinkFollowsTheDirectionOfTheGraph) {
    const std::vector<LinkEdge> edges = LinkEdges(CMakeFiles());
    std::set<std::pair<std::string, std::string>> found;
    for (const LinkEdge& e : edges) {
        found.insert({e.target, e.library});
        const std::string fault = DirectionFault(e.targetFolder, e.libraryFolder, "link");
        EXPECT_TRUE(fault.empty()) << e.target << " links " << e.library << ": " << fault;
    }
    EXPECT_TRUE(found.count({"brask_ai", "brask_world"}));
    EXPECT_TRUE(found.count({"brask_world", "brask_physics"}));
    EXPECT_TRUE(found.count({"brask_physics", "brask_world"}));
    EXPECT_FALSE(found.count({"brask_world", "brask_ai"}));
}

TEST(Structure, PlatformLibraryHeadersStayInsidePlatform) {
    EXPECT_TRUE(IncludesPlatformLibrary("#include <SDL.h>"));
    EXPECT_TRUE(IncludesPlatformLibrary("#include <SDL_mixer.h>"));
    EXPECT_TRUE(IncludesPlatformLibrary("#include <SDL2/SDL_events.h>"));
    EXPECT_TRUE(IncludesPlatformLibrary("#include <ft2build.h>"));
    EXPECT_TRUE(IncludesPlatformLibrary("#include FT_FREETYPE_H"));
    EXPECT_FALSE(IncludesPlatformLibrary("#include <GL/gl.h>"));
    EXPECT_FALSE(IncludesPlatformLibrary("#include \"platform/sdl/SdlDisplay.h\""));

    for (const std::string& file : Sources()) {
        if (MayUsePlatformLibraries(file)) continue;
        std::istringstream lines(Read(kTop / file));
        std::string line;
        for (int number = 1; std::getline(lines, line); ++number)
            EXPECT_FALSE(IncludesPlatformLibrary(line))
                << file << ":" << number << ": " << line << " (only platform/ may)";
    }
}

TEST(Structure, EverySourceIsInTheProjectFormat) {
    const std::string tool = BRASK_CLANG_FORMAT;
    if (tool.empty() || tool.find("NOTFOUND") != std::string::npos)
        GTEST_SKIP() << "clang-format is not installed";
    // Named by process, since several build trees may run the check at once.
    const std::string own = std::to_string(getpid());
    const fs::path list = fs::temp_directory_path() / ("brask-format-files-" + own);
    const fs::path report = fs::temp_directory_path() / ("brask-format-report-" + own);
    {
        std::ofstream out(list);
        for (const std::string& file : Sources()) out << (kTop / file).string() << "\n";
    }
    const std::string command = "\"" + tool + "\" --dry-run --Werror --files=\"" + list.string() +
                                "\" > \"" + report.string() + "\" 2>&1";
    const int result = std::system(command.c_str());
    EXPECT_EQ(result, 0) << "clang-format finds sources out of format (apply clang-format -i):\n"
                         << Read(report);
    fs::remove(list);
    fs::remove(report);
}

}  // namespace
