#pragma once
// Mouse presses on the menu system as a player makes them, for the picture tests that set up
// a screen through the menus' own widgets.
#include <gtest/gtest.h>

#include <string>

#include "platform/Events.h"
#include "ui/ButtonWidget.h"
#include "ui/MenuSystem.h"
#include "ui/ModelSelectorWidget.h"
#include "ui/WidgetIdMap.h"

namespace gltest {

// The pointer moved to (x, y), pressed and released there.
inline void PressAt(int x, int y) {
    menuSystem.HandleMouse(platform::WM_MOUSEMOVE, x, y);
    menuSystem.HandleMouse(platform::WM_LBUTTONDOWN, x, y);
    menuSystem.HandleMouse(platform::WM_LBUTTONUP, x, y);
}

// The vehicle selector that `ids` names on that menu stepped `steps` times from its first
// vehicle by its right arrow; nothing when the menu has no such selector.
inline void StepVehicleSelector(const WidgetIdMap& ids, const std::string& menu, int steps) {
    const auto* selector =
        dynamic_cast<const ModelSelectorWidget*>(menuSystem.FindWidget(ids.GetId(menu)));
    if (!selector) return;
    for (int i = 0; i < steps; ++i) PressAt(selector->rightArrow->x, selector->rightArrow->y);
    EXPECT_EQ(selector->selectedIndex, steps) << menu;
}

}  // namespace gltest
