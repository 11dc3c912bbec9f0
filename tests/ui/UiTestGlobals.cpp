// The global objects the menu code reaches, for test programs that do not link the game.
#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/Window.h"
#include "render/GraphicsSystem.h"
#include "ui/MenuSystem.h"

GraphicsSystem graphicsSystem;
Window window;
FileLoader fileLoader;
FrameTimer frameTimer;
MenuSystem menuSystem;
