// The requests that the game flow makes of the menus.
#include "game/MenuLinks.h"

#include "game/Application.h"
#include "game/MenuNames.h"
#include "game/WidgetIds.h"
#include "ui/LoadingScreenWidget.h"
#include "ui/MenuSystem.h"
#include "ui/ModelSelectorWidget.h"
#include "ui/OptionSelectorWidget.h"

int SelectedIndex(const WidgetIdMap& ids, const std::string& menuName) {
    const Widget* widget = menuSystem.FindWidget(ids.GetId(menuName));
    if (!widget) return -1;
    if (widget->type == kModelSelectorWidget)
        return static_cast<const ModelSelectorWidget*>(widget)->selectedIndex;
    if (widget->type == kOptionSelectorWidget)
        return static_cast<const OptionSelectorWidget*>(widget)->selectedIndex;
    return -1;
}

LoadingScreenWidget* FindLoadingWidget(const std::string& menuName) {
    Widget* widget = menuSystem.FindWidget(LoadingWidgetIds.GetId(menuName));
    if (!widget || widget->type != kLoadingScreenWidget) return nullptr;
    return static_cast<LoadingScreenWidget*>(widget);
}

std::string Application::CurrentMenuName() const {
    return menuSystem.GetCurrentMenuName();
}

// Asked first: a request for a dialogue that the menu does not hold would stay active for
// ever and keep the result popup away.
bool Application::StartDialogueIfPresent(const std::string& name, int event) {
    if (!menuSystem.HasDialogue(name)) return false;
    menuSystem.StartDialogue(name, event);
    return true;
}

bool Application::IsDialogueActive() const {
    return menuSystem.IsDialogueActive();
}

void Application::ShowCrosshair(bool visible) {
    crosshairShown = visible;
    menuSystem.SetWidgetVisible(CrosshairIds.GetId(menunames::kLevelScreen), visible);
}

std::string Application::PopupMenuName() const {
    return menuSystem.GetPopupMenuName();
}

void Application::TogglePopup(const std::string& name) {
    menuSystem.TogglePopupMenu(name);
}
