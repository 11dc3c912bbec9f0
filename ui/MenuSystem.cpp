#include "ui/MenuSystem.h"

#include <cstdarg>

#include "ui/ButtonWidget.h"
#include "ui/FadeTransitionWidget.h"
#include "ui/LabelWidget.h"
#include "ui/LoadingScreenWidget.h"

MenuSystem::Menu* MenuSystem::FindMenu(const std::string& name) {
    for (Menu& menu : menus)
        if (menu.name == name) return &menu;
    return nullptr;
}

const MenuSystem::Menu* MenuSystem::FindMenu(const std::string& name) const {
    for (const Menu& menu : menus)
        if (menu.name == name) return &menu;
    return nullptr;
}

void MenuSystem::EnsureMenu(const std::string& name) {
    if (FindMenu(name)) return;
    menus.push_back(Menu{});
    menus.back().name = name;
}

WidgetIdMap MenuSystem::CreateWidget(int type, const char* text, void* boundValue, int boundType,
                                     const char* image, const std::string& menuName,
                                     const std::string& targetName, int x, int y, int w, int h,
                                     const float* normalColour, const float* textColour,
                                     const float* hoverColour, bool pulse, bool colourKey,
                                     int font) {
    std::unique_ptr<Widget> widget;
    switch (type) {
        case kLabelWidget:
            widget = std::make_unique<LabelWidget>(text, image, boundValue, boundType, x, y, w, h,
                                                   normalColour, textColour, hoverColour, pulse,
                                                   colourKey, font);
            break;
        case kButtonWidget:
            widget = std::make_unique<ButtonWidget>(text, image, x, y, w, h, normalColour,
                                                    textColour, hoverColour, pulse, colourKey);
            break;
        case kLoadingScreenWidget:
            widget = std::make_unique<LoadingScreenWidget>(text, image, x, y, normalColour,
                                                           textColour, colourKey);
            break;
        default:
            // Any other kind is made by its own creation call; the map still names the last id.
            return WidgetIdMap(lastWidgetId, menuName);
    }
    AddWidget(std::move(widget), menuName, targetName, type);
    return WidgetIdMap(lastWidgetId, menuName);
}

void MenuSystem::AddWidget(std::unique_ptr<Widget> widget, const std::string& menuName,
                           const std::string& targetName, int type) {
    if (!widget) return;
    EnsureMenu(menuName);
    Menu* menu = FindMenu(menuName);
    Menu* target = nullptr;
    // A button may name a menu that is built later: it exists, empty, from now on.
    if (!targetName.empty()) {
        EnsureMenu(targetName);
        target = FindMenu(targetName);
    }
    AppendWidgetNode(std::move(widget), *menu, target, type);
}

void MenuSystem::AppendWidgetNode(std::unique_ptr<Widget> widget, Menu& menu, Menu* target,
                                  int type) {
    widget->type = type;
    widget->menus = this;
    menu.widgets.push_back(WidgetNode{std::move(widget), target, ++lastWidgetId});
}

void MenuSystem::AppendTransitionNode(std::unique_ptr<FadeTransitionWidget> fade, Menu& menu,
                                      Menu* otherMenu) {
    fade->type = kFadeTransitionWidget;
    fade->menus = this;
    menu.transitions.push_back(WidgetNode{std::move(fade), otherMenu, ++lastWidgetId});
}

void MenuSystem::AddTransition(const std::string& fromName, const std::string& toName,
                               const float* colour, float speed) {
    Menu* from = FindMenu(fromName);
    Menu* to = FindMenu(toName);
    if (!from || !to) return;
    AppendTransitionNode(std::make_unique<FadeTransitionWidget>(colour, speed), *from, to);
    AppendTransitionNode(std::make_unique<FadeTransitionWidget>(colour, speed), *to, from);
}

void MenuSystem::AddChildMenu(const std::string& parentName, const std::string& childName) {
    Menu* parent = FindMenu(parentName);
    Menu* child = FindMenu(childName);
    if (!parent || !child) return;
    for (Menu*& slot : parent->children)
        if (!slot) {
            slot = child;
            return;
        }
}

void MenuSystem::ShareWidgetsWith(const std::string& sourceName,
                                  const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        Menu* source = FindMenu(sourceName);
        Menu* menu = FindMenu(name);
        if (!source || !menu) continue;
        // A source without widgets yet shares nothing, even once it gets some.
        menu->sharedWidgets = source->widgets.empty() ? nullptr : &source->widgets;
    }
}

void MenuSystem::ShareWidgets(const std::string& sourceName, int count, ...) {
    std::vector<std::string> names;
    va_list arguments;
    va_start(arguments, count);
    for (int i = 0; i < count; ++i) {
        const char* name = va_arg(arguments, const char*);
        names.emplace_back(name ? name : "");
    }
    va_end(arguments);
    ShareWidgetsWith(sourceName, names);
}

void MenuSystem::SetTextureScroll(const std::string& menuName, float dx, float dy, float speed) {
    Menu* menu = FindMenu(menuName);
    if (!menu) return;
    for (WidgetNode& node : menu->widgets)
        if (node.widget->scrollable)
            static_cast<LabelWidget*>(node.widget.get())->SetTextureScroll(&dx, &dy, &speed);
}

void MenuSystem::SetCurrentMenu(const std::string& name) {
    currentMenu = FindMenu(name);
}

FadeTransitionWidget* MenuSystem::FindTransition(Menu& menu, const std::string& name) const {
    for (WidgetNode& node : menu.transitions)
        if (node.target && node.target->name == name)
            return static_cast<FadeTransitionWidget*>(node.widget.get());
    return nullptr;
}

// A fade to the target when one is set up from the current menu, else an immediate switch.
void MenuSystem::SwitchTo(Menu* target) {
    runningFade = (currentMenu && target) ? FindTransition(*currentMenu, target->name) : nullptr;
    if (runningFade)
        nextMenu = target;
    else
        currentMenu = target;
}

void MenuSystem::GoToMenu(const std::string& name) {
    if (!currentMenu) return;
    runningFade = FindTransition(*currentMenu, name);
    if (runningFade)
        nextMenu = FindMenu(name);
    else
        currentMenu = FindMenu(name);
}

void MenuSystem::ActivateNode(WidgetNode& node) {
    node.widget->OnMouseLeave();
    if (!node.target) {
        currentMenu = nullptr;
        return;
    }
    SwitchTo(node.target);
}

void MenuSystem::SetCurrentMenuTarget(const std::string& name) {
    if (!currentMenu || currentMenu->widgets.empty()) return;
    currentMenu->widgets.front().target = FindMenu(name);
}

std::string MenuSystem::GetCurrentMenuName() const {
    return currentMenu ? currentMenu->name : "NULL";
}

bool MenuSystem::IsChildMenu(const std::string& parentName, const std::string& menuName) const {
    const Menu* parent = FindMenu(parentName);
    const Menu* menu = FindMenu(menuName);
    if (!parent || !menu) return false;
    for (const Menu* child : parent->children)
        if (child == menu) return true;
    return false;
}

void MenuSystem::SetPopupMenu(const std::string& name, bool show) {
    if (!show) {
        popupMenu = nullptr;
        return;
    }
    if (name.empty() || !currentMenu) return;
    if (IsChildMenu(currentMenu->name, name)) popupMenu = FindMenu(name);
}

void MenuSystem::TogglePopupMenu(const std::string& name) {
    if (name.empty() || !currentMenu) return;
    if (popupMenu && popupMenu->name == name) {
        popupMenu = nullptr;
        return;
    }
    popupMenu = IsChildMenu(currentMenu->name, name) ? FindMenu(name) : nullptr;
}

std::string MenuSystem::GetPopupMenuName() const {
    return popupMenu ? popupMenu->name : "";
}

Widget* MenuSystem::FindWidget(int id) const {
    for (const Menu& menu : menus)
        for (const WidgetNode& node : menu.widgets)
            if (node.id == id) return node.widget.get();
    return nullptr;
}

void MenuSystem::SetWidgetVisible(int id, bool visible) {
    if (Widget* widget = FindWidget(id)) widget->visible = visible;
}

void MenuSystem::Shutdown() {
    DeleteFonts();
    DeleteAll();
}

void MenuSystem::DeleteAll() {
    // Nothing may point into the menus once they are gone.
    currentMenu = nullptr;
    nextMenu = nullptr;
    popupMenu = nullptr;
    runningFade = nullptr;
    menus.clear();
    dialogues.clear();
}
