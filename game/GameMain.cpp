#include "game/Application.h"

// One thread runs everything: start-up, the frames, then shutdown. The running flag is
// read only at the top of a frame, so a frame that clears it still runs to its end.
void UpdateAndDrawFrame() {
    application.PumpMessages();
    application.UpdateTimer();
    application.PollInput();
    application.ClearScreen();
    application.UpdateCamera();
    application.UpdateScreens();
    application.UpdateCollisions();
    application.DrawPlanarShadows();
    application.UpdateEntities();
    application.DrawShadowVolumes();
    application.DrawPasses();
    application.SweepDeadEntities();
    application.DrawInterface();
}

void RunFrame() {
    UpdateAndDrawFrame();
    application.SwapBuffers();
}

int GameMain() {
    application.Init();
    while (application.IsRunning()) RunFrame();
    application.Shutdown();
    return 0;
}
