#include "ui/DialogueBoxWidget.h"

#include "ui/MenuCanvas.h"
#include "ui/MenuSystem.h"

namespace {
// Lines of a page are this far apart; the block rises by half of it per full line.
constexpr float kLineRise = 10.0f;
// Without portraits the text starts left of the centre by this many pixels per character of
// the dialogue's name, halved.
constexpr int kNameIndent = 35;
}  // namespace

DialogueBoxWidget::DialogueBoxWidget(const char* newName, const char* backgroundImage,
                                     DialogueData* newData,
                                     const std::vector<Widget*>& newPortraits, int newX, int newY,
                                     int newW, int newH, const float* windowColour,
                                     const float* textC, const char* /*selfTransition*/,
                                     bool colourKey, bool newSinglePortrait, int newCharsPerLine,
                                     float newTransitionTime, int newFont)
    : dialogueName(newName ? newName : ""),
      portraits(newPortraits),
      data(newData),
      charsPerLine(newCharsPerLine > 0 ? newCharsPerLine : 1),
      transitionTime(newTransitionTime),
      singlePortrait(newSinglePortrait) {
    Init(newName, backgroundImage, newX, newY, newW, newH, windowColour, textC, windowColour, false,
         colourKey);
    font = newFont;
    if (data) page = data->textboxes.begin();
}

bool DialogueBoxWidget::AtEnd() const {
    return !data || page == data->textboxes.end();
}

void DialogueBoxWidget::ResetTypewriter() {
    if (menus) menus->PrintTypewriter(font, 0, 0, 0, 0, 0, charsPerLine, nullptr);
}

void DialogueBoxWidget::Start(int event) {
    if (state != -1 || !data) return;
    if (event == -1) {
        state = 0;
        playAll = true;
        page = data->textboxes.begin();
    } else if (event >= 0) {
        state = event;
        playAll = false;
        page = data->textboxes.lower_bound(event);
        if (page != data->textboxes.end() && page->first != event) page = data->textboxes.end();
    } else {
        return;
    }
    ResetTypewriter();
}

void DialogueBoxWidget::Reset() {
    if (data) page = data->textboxes.begin();
    state = -1;
    ResetTypewriter();
}

void DialogueBoxWidget::NextPage() {
    // The end is tested before each step: an empty textbox or a page time of 0 must not walk
    // past the last page.
    if (AtEnd()) return;
    ++page;
    if (!playAll)
        while (!AtEnd() && page->first != state) ++page;
    ResetTypewriter();
}

void DialogueBoxWidget::DrawPortrait() {
    Widget* portrait = nullptr;
    if (singlePortrait && !portraits.empty())
        portrait = portraits.front();
    else if (state >= 0 && state < static_cast<int>(portraits.size()))
        portrait = portraits[static_cast<std::size_t>(state)];
    if (portrait) portrait->Draw();
}

void DialogueBoxWidget::DrawText() {
    if (!menus) return;
    const int lines = static_cast<int>(pageText.size()) / charsPerLine;
    const float tx =
        portraits.empty()
            ? static_cast<float>(x - (static_cast<int>(dialogueName.size()) * kNameIndent) / 2)
            : x / 2.0f;
    menus->TypeText(font, tx, y - lines * kLineRise, textColour, charsPerLine, pageText);
}

void DialogueBoxWidget::Draw() {
    if (state < 0) return;
    elapsed += GetMenuDeltaTime();
    if (elapsed > transitionTime) {
        NextPage();
        elapsed = 0;
    }
    if (AtEnd()) {
        state = -1;
        return;
    }
    state = page->first;
    pageText = page->second;
    if (!visible) return;
    Widget::Draw();
    DrawPortrait();
    DrawText();
}
