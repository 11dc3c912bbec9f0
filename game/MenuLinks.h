#pragma once
// What the game flow reads from the menus that the catalogue built.
#include <string>

class LoadingScreenWidget;
class WidgetIdMap;

// The selected entry of the selector that `ids` names on that menu; -1 when there is none.
int SelectedIndex(const WidgetIdMap& ids, const std::string& menuName);
// The loading-screen widget of that menu, or null.
LoadingScreenWidget* FindLoadingWidget(const std::string& menuName);
