// Every widget that BuildIntroScreens and BuildMenus make, one line each (menu, kind, centre,
// size, font, picture, caption), compared with the committed table in tests/game/catalogue/.
// A widget that moved, grew, changed its font or picture, or came or went shows up as a line
// of the diff. After an intended change to the menus, rewrite the table and review its diff:
//   BRASK_REWRITE_CATALOGUE=1 ctest --test-dir build -R CatalogueTable
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/Window.h"
#include "game/Globals.h"
#include "game/MenuCatalogue.h"
#include "platform/fake/FakePlatform.h"
#include "tests/app/TempDir.h"
#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"
#include "ui/RecordingCanvas.h"

namespace {

const char* const kTable = BRASK_SOURCE_DIR "/tests/game/catalogue/widgets.txt";

const char* KindName(int type) {
    switch (type) {
        case kLabelWidget:
            return "label";
        case kButtonWidget:
            return "button";
        case kOptionSelectorWidget:
            return "options";
        case kModelSelectorWidget:
            return "models";
        case kFadeTransitionWidget:
            return "fade";
        case kLoadingScreenWidget:
            return "loading";
        case kDialogueBoxWidget:
            return "dialogue";
        case kDialoguePortrait:
            return "portrait";
        default:
            return "unknown";
    }
}

// The caption on one line: line breaks and tabs written out, quotes kept as they are.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out + "\"";
}

// The catalogue as the game builds it in a 1024 x 768 full-screen window, on a recording
// canvas that names each picture by its file.
std::vector<std::string> BuildTable() {
    platform::FakePlatform fake;
    WorkingDirectory buildTree{BRASK_BUILD_DIR};
    RecordingCanvas canvas;
    window.Init("Brask", "Beta 0.90a", nullptr, 1024, 768, 32, true);
    SetMenuCanvas(&canvas);
    BuildIntroScreens();
    BuildMenus();

    std::map<unsigned, std::string> files;
    for (const auto& [file, texture] : canvas.textures) files[texture] = file;
    std::vector<std::string> lines;
    for (const MenuSystem::Menu& menu : menuSystem.GetMenus()) {
        for (const MenuSystem::WidgetNode& node : menu.widgets) {
            const Widget& w = *node.widget;
            const auto file = files.find(w.texture);
            std::ostringstream line;
            line << menu.name << " | " << KindName(w.type) << " | " << w.x << ", " << w.y << " | "
                 << w.w << " x " << w.h << " | font " << w.font << " | "
                 << (file == files.end() ? "-" : file->second) << " | " << Quoted(w.name)
                 << (w.visible ? "" : " | hidden");
            lines.push_back(line.str());
        }
    }

    menuSystem.Shutdown();
    ResetWidgetIds();
    SetMenuCanvas(nullptr);
    window.Destroy();
    window.SetRunning(false);
    return lines;
}

// The lines that differ, as a unified diff with two lines of context: "-" the table's,
// "+" the catalogue's.
std::string Diff(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
    const std::size_t n = expected.size();
    const std::size_t m = actual.size();
    // Longest common subsequence from the back.
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            common[i][j] = expected[i] == actual[j] ? common[i + 1][j + 1] + 1
                                                    : std::max(common[i + 1][j], common[i][j + 1]);
    struct Row {
        char mark;
        std::size_t table, built;  // the positions in both when the row is reached
    };
    std::vector<Row> rows;
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && expected[i] == actual[j]) {
            rows.push_back({' ', i++, j++});
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            rows.push_back({'-', i++, j});
        } else {
            rows.push_back({'+', i, j++});
        }
    }
    constexpr std::size_t kContext = 2;
    constexpr int kMaxLines = 80;
    std::ostringstream out;
    int printed = 0;
    std::size_t lastShown = 0;
    bool any = false;
    for (std::size_t r = 0; r < rows.size() && printed < kMaxLines; ++r) {
        bool near = false;
        for (std::size_t k = (r >= kContext ? r - kContext : 0);
             k < rows.size() && k <= r + kContext; ++k)
            near = near || rows[k].mark != ' ';
        if (!near) continue;
        if (!any || r > lastShown + 1)
            out << "@@ table line " << rows[r].table + 1 << ", catalogue line " << rows[r].built + 1
                << " @@\n";
        any = true;
        lastShown = r;
        const std::string& text =
            rows[r].mark == '+' ? actual[rows[r].built] : expected[rows[r].table];
        out << rows[r].mark << ' ' << text << '\n';
        ++printed;
    }
    if (printed >= kMaxLines) out << "... (more differences)\n";
    return out.str();
}

TEST(CatalogueTable, EveryWidgetStandsWhereTheTableSays) {
    const std::vector<std::string> built = BuildTable();
    ASSERT_FALSE(built.empty());
    if (const char* rewrite = std::getenv("BRASK_REWRITE_CATALOGUE"); rewrite && *rewrite) {
        std::ofstream out(kTable);
        for (const std::string& line : built) out << line << '\n';
        ASSERT_TRUE(out.good()) << "cannot write " << kTable;
        GTEST_SKIP() << "rewrote " << kTable << ": review its diff";
    }
    std::ifstream in(kTable);
    ASSERT_TRUE(in.good()) << kTable << " is missing; write it with BRASK_REWRITE_CATALOGUE=1";
    std::vector<std::string> table;
    for (std::string line; std::getline(in, line);) table.push_back(line);
    EXPECT_TRUE(table == built) << "the catalogue differs from " << kTable
                                << " (after an intended change: BRASK_REWRITE_CATALOGUE=1)\n"
                                << Diff(table, built);
}

TEST(CatalogueTable, TheDiffShowsTheChangedLineInItsContext) {
    const std::vector<std::string> table = {"a", "b", "c", "d", "e", "f", "g"};
    std::vector<std::string> built = table;
    built[3] = "D";
    EXPECT_EQ(Diff(table, built),
              "@@ table line 2, catalogue line 2 @@\n  b\n  c\n- d\n+ D\n  e\n  f\n");
    // A line gone and one come, far apart: two hunks.
    built = {"b", "c", "d", "e", "f", "g", "h"};
    EXPECT_EQ(Diff(table, built),
              "@@ table line 1, catalogue line 1 @@\n- a\n  b\n  c\n"
              "@@ table line 6, catalogue line 5 @@\n  f\n  g\n+ h\n");
}

}  // namespace
