// The one global that the model code reaches (the frame time of MeshTree's rotations); the
// game defines it with the other managers, which these tests do not link.
#include "app/FrameTimer.h"

FrameTimer frameTimer;
