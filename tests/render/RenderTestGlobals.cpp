// The global objects the render library reaches, for test programs that link only it.
#include "app/FileLoader.h"
#include "app/FrameTimer.h"
#include "app/Window.h"
#include "render/GraphicsSystem.h"

GraphicsSystem graphicsSystem;
Window window;
FileLoader fileLoader;
FrameTimer frameTimer;
