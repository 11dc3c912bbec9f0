#pragma once
// The widgets that the game flow finds again after the menus are built: each map holds, by
// menu name, the id of one widget that the menu catalogue made.
#include "ui/WidgetIdMap.h"

extern WidgetIdMap HealthBarIds;
extern WidgetIdMap EnergyBarIds;
extern WidgetIdMap LeftHudPanelIds;
extern WidgetIdMap RightHudPanelIds;
extern WidgetIdMap CrosshairIds;
extern WidgetIdMap LoadingWidgetIds;
extern WidgetIdMap VehicleSelectorIds;
extern WidgetIdMap SecondVehicleSelectorIds;
extern WidgetIdMap StartButtonIds;
extern WidgetIdMap ReplayButtonIds;
// Player one's four vehicle sheets on the two-player selection menu, then player two's.
constexpr int kVersusPortraits = 8;
extern WidgetIdMap VersusPortraitIds[kVersusPortraits];
extern WidgetIdMap LevelSelectorIds;
extern WidgetIdMap AIDifficultyIds;
