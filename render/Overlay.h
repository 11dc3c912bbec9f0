#pragma once
// The 2-D overlay of the menus and the HUD: window pixels with (0, 0) at the top left and y
// growing downward.

// The projection matrix (column-major) of the overlay for a window of the given size. In a
// window (not full screen) the origin sits 30 pixels lower, below the title bar.
void Overlay2DMatrix(int width, int height, bool fullscreen, float matrix[16]);

// The billboard matrix: `modelView` with its upper-left 3 x 3 part made the identity, the
// translation kept, so that what is drawn under it faces the viewer.
void BillboardMatrix(const float modelView[16], float billboard[16]);
