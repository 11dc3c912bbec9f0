#pragma once
// The menu system: every screen of the game as a named menu with its widgets, the fades that
// lead away from it and the child menus that may show over it as popups; navigation by name,
// the mouse, the frame's drawing, the dialogues and the fonts.
#include <array>
#include <list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/DialogueData.h"
#include "ui/Typewriter.h"
#include "ui/Widget.h"
#include "ui/WidgetIdMap.h"

class FadeTransitionWidget;
class LoadingScreenWidget;

class MenuSystem {
public:
    static constexpr int kMaxChildren = 10;
    static constexpr int kMaxFonts = 10;

    struct Menu;
    struct WidgetNode {
        std::unique_ptr<Widget> widget;
        Menu* target = nullptr;
        int id = -1;
    };
    struct Menu {
        std::string name;
        std::vector<WidgetNode> widgets;
        std::vector<WidgetNode> transitions;
        // Another menu's widgets, drawn beneath this menu's own; not owned.
        const std::vector<WidgetNode>* sharedWidgets = nullptr;
        std::array<Menu*, kMaxChildren> children{};
    };

    MenuSystem() = default;
    ~MenuSystem() { Shutdown(); }
    MenuSystem(const MenuSystem&) = delete;
    MenuSystem& operator=(const MenuSystem&) = delete;

    // Creation.
    WidgetIdMap CreateWidget(int type, const char* text, void* boundValue, int boundType,
                             const char* image, const std::string& menuName,
                             const std::string& targetName, int x, int y, int w, int h,
                             const float* normalColour, const float* textColour,
                             const float* hoverColour, bool pulse, bool colourKey, int font);
    // Variadic: `count` option texts for type 2, `count` pairs of (name, model file) for
    // type 3, all const char*. A count below 1 makes nothing and returns an empty map.
    WidgetIdMap CreateSelector(int type, const char* caption, const char* image,
                               const char* leftImage, const char* rightImage,
                               const std::string& menuName, int x, int y, int w, int h,
                               const float* baseColour, const float* arrowColour,
                               const float* textColour, const float* arrowHoverColour,
                               bool colourKey, int count, ...);
    // The same with the choices in a list (pairs flattened for type 3).
    WidgetIdMap CreateSelectorFrom(int type, const char* caption, const char* image,
                                   const char* leftImage, const char* rightImage,
                                   const std::string& menuName, int x, int y, int w, int h,
                                   const float* baseColour, const float* arrowColour,
                                   const float* textColour, const float* arrowHoverColour,
                                   bool colourKey, int count,
                                   const std::vector<const char*>& choices);
    void AddWidget(std::unique_ptr<Widget> widget, const std::string& menuName,
                   const std::string& targetName, int type);
    void EnsureMenu(const std::string& name);
    void AddTransition(const std::string& fromName, const std::string& toName, const float* colour,
                       float speed);
    void AddChildMenu(const std::string& parentName, const std::string& childName);
    // Variadic: `count` menu names (const char*).
    void ShareWidgets(const std::string& sourceName, int count, ...);
    void ShareWidgetsWith(const std::string& sourceName, const std::vector<std::string>& names);
    void SetTextureScroll(const std::string& menuName, float dx, float dy, float speed);

    // Navigation.
    void SetCurrentMenu(const std::string& name);
    void GoToMenu(const std::string& name);
    void ActivateNode(WidgetNode& node);
    void SetCurrentMenuTarget(const std::string& name);
    // The current menu's name, or "NULL" when no menu is current.
    std::string GetCurrentMenuName() const;
    bool IsTransitioning() const { return runningFade != nullptr; }

    // Popups.
    void SetPopupMenu(const std::string& name, bool show);
    void TogglePopupMenu(const std::string& name);
    std::string GetPopupMenuName() const;
    bool IsChildMenu(const std::string& parent, const std::string& menu) const;

    // Lookup.
    Widget* FindWidget(int id) const;
    void SetWidgetVisible(int id, bool visible);
    bool IsLastReleased(int id) const { return id == lastReleasedId; }
    int GetLastReleasedId() const { return lastReleasedId; }

    // The mouse (window messages) and the frame.
    void HandleMouse(unsigned message, int x, int y);
    void Draw();
    void DrawPopup();

    // Dialogues.
    void LoadDialogues(const char* path);
    bool HasDialogue(const std::string& name) const;
    void StartDialogue(const std::string& name, int event);
    void StopDialogue();
    bool IsDialogueActive() const { return dialogueActive; }
    const DialogueData* FindDialogue(const std::string& name) const;

    // Fonts and text. Fonts are made once the drawing context exists; the index of a font
    // is its creation order, or -1 when the table is full.
    int CreateFont(const char* face, int height, bool bold, bool italic, bool underline);
    void Print2D(int font, float x, float y, float r, float g, float b, const char* format, ...)
        __attribute__((format(printf, 8, 9)));
    void Print3D(int font, float x, float y, float z, float r, float g, float b, const char* format,
                 ...) __attribute__((format(printf, 9, 10)));
    // A null format resets the typewriter.
    void PrintTypewriter(int font, float x, float y, float r, float g, float b, int charsPerLine,
                         const char* format, ...) __attribute__((format(printf, 9, 10)));
    // The text as it stands, never read as a format.
    void PrintText2D(int font, float x, float y, const float rgb[3], std::string_view text);
    void TypeText(int font, float x, float y, const float rgb[3], int charsPerLine,
                  std::string_view text);
    void DeleteFonts();
    int GetFontCount() const { return fontCount; }
    int GetFontBase(int font) const;
    // How far the pen moves over the text in a font, in pixels; 0 for a font without glyphs.
    float TextWidth(int font, std::string_view text) const;

    void Shutdown();
    void DeleteAll();

    // Read by tests and the game flow's checks.
    const std::list<Menu>& GetMenus() const { return menus; }
    Menu* FindMenu(const std::string& name);
    const Menu* FindMenu(const std::string& name) const;
    int GetLastWidgetId() const { return lastWidgetId; }

private:
    FadeTransitionWidget* FindTransition(Menu& menu, const std::string& name) const;
    void SwitchTo(Menu* target);
    void AppendWidgetNode(std::unique_ptr<Widget> widget, Menu& menu, Menu* target, int type);
    void AppendTransitionNode(std::unique_ptr<FadeTransitionWidget> fade, Menu& menu,
                              Menu* otherMenu);
    void DispatchMouse(unsigned message, int x, int y);
    bool DrawMenuWidgets();
    void DrawFade();
    bool DrawDialogueBox(Widget& widget);
    // The font's list base for printing, or -1 when the font cannot print.
    int PrintableBase(int font) const;

    std::list<Menu> menus;
    Menu* currentMenu = nullptr;
    Menu* nextMenu = nullptr;
    Menu* popupMenu = nullptr;
    FadeTransitionWidget* runningFade = nullptr;
    std::map<std::string, DialogueData> dialogues;
    std::array<int, kMaxFonts> fontBase = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int lastWidgetId = -1;
    int fontCount = 0;
    std::array<std::vector<float>, kMaxFonts> fontAdvances;  // by code from kFirstGlyphCode
    int lastReleasedId = -1;
    int dialogueEvent = -1;
    std::string activeDialogueName;
    bool dialogueActive = false;
    Typewriter typewriter;
    // Font problems already said on standard error, so each is said once.
    std::set<std::string> reportedFontProblems;
};

extern MenuSystem menuSystem;
