#pragma once
// The global objects, defined in game/Globals.cpp in their construction order.

// Every widget id map emptied: the ids name widgets of menus that are gone.
void ResetWidgetIds();
// Every global object back to its state at program start, so that another run of the game
// can follow in the same process: the tests and the end-to-end runs start each case so.
void ResetGlobals();
