// The menus brought to life: the mouse dispatched to the widgets, and the frame's drawing
// with its loading steps, dialogues and fades.
#include "app/Window.h"
#include "platform/Events.h"
#include "ui/DialogueBoxWidget.h"
#include "ui/FadeTransitionWidget.h"
#include "ui/LoadingScreenWidget.h"
#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"

namespace {

bool IsHitTested(int type) {
    return type == kButtonWidget || type == kOptionSelectorWidget || type == kModelSelectorWidget ||
           type == kDialogueBoxWidget;
}

// Both edges count as inside; the halves may be fractional.
bool Contains(const Widget& widget, int x, int y) {
    const float halfW = widget.w / 2.0f;
    const float halfH = widget.h / 2.0f;
    return widget.x - halfW <= x && x <= widget.x + halfW && widget.y - halfH <= y &&
           y <= widget.y + halfH;
}

}  // namespace

void MenuSystem::HandleMouse(unsigned message, int x, int y) {
    if (message != platform::WM_MOUSEMOVE && message != platform::WM_LBUTTONDOWN &&
        message != platform::WM_LBUTTONUP)
        return;
    if (menus.empty()) return;
    if (!currentMenu) currentMenu = &menus.front();
    DispatchMouse(message, x, y);
}

void MenuSystem::DispatchMouse(unsigned message, int x, int y) {
    // On the level screen a popup takes the mouse; elsewhere a popup is only shown.
    Menu* walked = (popupMenu && currentMenu->name == "LEVEL_SCREEN") ? popupMenu : currentMenu;
    std::vector<WidgetNode>& list = walked->widgets;
    for (std::size_t i = 0; i < list.size() && !runningFade; ++i) {
        WidgetNode& node = list[i];
        Widget& widget = *node.widget;
        if (!IsHitTested(widget.type) || !Contains(widget, x, y)) {
            if (message == platform::WM_MOUSEMOVE && widget.hovered) widget.OnMouseLeave();
            continue;
        }
        if (message == platform::WM_MOUSEMOVE) {
            if (!widget.hovered) widget.OnMouseEnter();
        } else if (message == platform::WM_LBUTTONDOWN) {
            widget.OnMouseDown(x, y);
        } else {
            widget.OnMouseUp(x, y);
            lastReleasedId = node.id;
            if (widget.type != kButtonWidget || !node.target) continue;
            if (node.target->name == "EXIT") {
                window.SetRunning(false);
                continue;
            }
            widget.OnMouseLeave();
            runningFade = FindTransition(*currentMenu, node.target->name);
            if (runningFade) {
                nextMenu = node.target;
            } else {
                currentMenu = node.target;
                // The widgets of the new menu under the pointer hear of it at once.
                HandleMouse(platform::WM_MOUSEMOVE, x, y);
            }
        }
    }
}

bool MenuSystem::DrawDialogueBox(Widget& widget) {
    auto& box = static_cast<DialogueBoxWidget&>(widget);
    if (!dialogueActive) {
        box.Reset();
        return false;
    }
    if (box.dialogueName != activeDialogueName) return false;
    box.Start(dialogueEvent);
    box.Draw();
    if (box.GetState() == -1) dialogueActive = false;
    return true;
}

// The current menu's own widgets; false when a loading screen moved on and ended the pass.
bool MenuSystem::DrawMenuWidgets() {
    Menu* menu = currentMenu;
    bool requestFound = false;
    for (std::size_t i = 0; i < menu->widgets.size(); ++i) {
        WidgetNode& node = menu->widgets[i];
        Widget& widget = *node.widget;
        if (nextMenu && widget.hovered) widget.OnMouseLeave();
        switch (widget.type) {
            case kFadeTransitionWidget:
            case kDialoguePortrait:
                break;  // portraits are drawn by their dialogue box
            case kDialogueBoxWidget:
                requestFound = DrawDialogueBox(widget) || requestFound;
                break;
            default:
                widget.Draw();
                break;
        }
        if (widget.type == kLoadingScreenWidget && !runningFade &&
            static_cast<LoadingScreenWidget&>(widget).RunStep()) {
            ActivateNode(node);
            return false;
        }
    }
    // A request for a dialogue this menu does not hold would never end: it is dropped.
    if (dialogueActive && !requestFound) StopDialogue();
    return true;
}

void MenuSystem::DrawPopup() {
    if (!popupMenu) return;
    for (std::size_t i = 0; i < popupMenu->widgets.size(); ++i)
        popupMenu->widgets[i].widget->Draw();
}

void MenuSystem::DrawFade() {
    if (nextMenu) {
        if (runningFade) runningFade->Draw();
        if (!runningFade || runningFade->GetLevel() >= 1.0f) {
            currentMenu = nextMenu;
            nextMenu = nullptr;
            popupMenu = nullptr;
            dialogueActive = false;
        }
    } else if (runningFade) {
        if (runningFade->GetLevel() > 0.0f)
            runningFade->Draw();
        else
            runningFade = nullptr;
    }
}

void MenuSystem::Draw() {
    MenuCanvas& canvas = GetMenuCanvas();
    canvas.BeginMenus();
    if (!menus.empty()) {
        if (!currentMenu) currentMenu = &menus.front();
        if (currentMenu->sharedWidgets)
            for (std::size_t i = 0; i < currentMenu->sharedWidgets->size(); ++i)
                (*currentMenu->sharedWidgets)[i].widget->Draw();
        DrawMenuWidgets();
        DrawPopup();
        DrawFade();
    }
    canvas.EndMenus();
}
