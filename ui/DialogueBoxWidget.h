#pragma once
// A timed dialogue on its menu: a window with a background picture, the speaker's portrait
// and text that types itself out, page after page.
#include <map>
#include <string>
#include <vector>

#include "ui/DialogueData.h"
#include "ui/Widget.h"

class DialogueBoxWidget : public Widget {
public:
    DialogueBoxWidget(const char* name, const char* backgroundImage, DialogueData* data,
                      const std::vector<Widget*>& portraits, int x, int y, int w, int h,
                      const float* windowColour, const float* textColour,
                      const char* selfTransition, bool colourKey, bool singlePortrait,
                      int charsPerLine, float transitionTime, int font);

    // Starts playing when idle: event -1 plays every page in textbox order, an event of 0 or
    // more the pages of that textbox only.
    void Start(int event);
    void Reset();
    void Draw() override;
    int GetState() const { return state; }
    void OnMouseDown(int, int) override {}
    void OnMouseUp(int, int) override {}
    void OnMouseEnter() override { hovered = true; }
    void OnMouseLeave() override { hovered = false; }

    std::string dialogueName;
    std::vector<Widget*> portraits;
    DialogueData* data = nullptr;
    std::multimap<int, std::string>::const_iterator page;
    std::string pageText;
    int state = -1;
    int charsPerLine = 1;
    float elapsed = 0;
    float transitionTime = 0;
    bool playAll = false;
    bool singlePortrait = false;

private:
    bool AtEnd() const;
    void NextPage();
    void ResetTypewriter();
    void DrawPortrait();
    void DrawText();
};
