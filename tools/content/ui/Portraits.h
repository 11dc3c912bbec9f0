#pragma once
// The four peoples of the story, each in its race's colours. The portraits are used by the
// vehicle information popups, the story pages and the dialogues.
#include "tools/content/ui/Canvas.h"
#include "tools/content/ui/TextPainter.h"

namespace content::ui {

enum class Race { Terran, Dovevevuzu, Vavedodev, Diveroruz };

// A portrait's own size; it is drawn scaled into any box of this shape.
constexpr float kPortraitWidth = 236;
constexpr float kPortraitHeight = 200;

// Paints the race's portrait with its upper left corner at (x0, y0), `scale` design units per
// portrait unit; `framed` adds the race-coloured frame, its backdrop and the name plate.
void PaintRacePortrait(Canvas& canvas, TextPainter& text, Race race, float x0, float y0,
                       float scale, bool framed = true);

// The two colours of each race, as its vehicle wears them.
Colour RaceMain(Race race);
Colour RaceTrim(Race race);

}  // namespace content::ui
