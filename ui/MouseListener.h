#pragma once
// What a menu element hears of the mouse, in window pixels.

class MouseListener {
public:
    virtual ~MouseListener() = default;
    virtual void OnMouseDown(int x, int y) = 0;
    virtual void OnMouseUp(int x, int y) = 0;
    virtual void OnMouseEnter() = 0;
    virtual void OnMouseLeave() = 0;
};
