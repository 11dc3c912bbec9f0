// The vehicle information sheets of the selection menus: each vehicle's name and pilot, its
// two weapons and what they do, and how it rates against the other three. The ratings and
// the figures follow the vehicle and weapon definitions in RESOURCES/Files.
#include <string>

#include "tools/content/ui/Portraits.h"
#include "tools/content/ui/UiArt.h"

namespace content::ui {
namespace {

using texture::Format;

struct Weapon {
    const char* name;
    const char* what;  // one line: what it does and how hard it hits
};

struct VehicleSheet {
    Race race;
    const char* name;
    const char* pilot;
    Weapon primary;
    Weapon secondary;
    int armour, speed, handling, energy;  // out of five
    const char* strengths;
};

const VehicleSheet kTank = {
    Race::Terran,
    "Davavod Tank",
    "Driven by Sergeant Davavod",
    {"Canon", "Heavy shells: 28 damage a hit, long range."},
    {"Ramming Speed", "Double top speed, and it shoves foes aside."},
    5,
    2,
    2,
    3,
    "Thickest armour in the house: it takes a beating and hits back hard.",
};
const VehicleSheet kBuggy = {
    Race::Dovevevuzu,
    "Dovevevuzu Grav Buggy",
    "Raced by Zuvu of the Dovevevuzu",
    {"Machine Gun", "Fast rounds, 4 damage each, cheap to fire."},
    {"Mine", "Laid behind you: 32 damage on contact."},
    2,
    5,
    4,
    4,
    "The fastest machine there is: strike, run, and leave mines behind.",
};
const VehicleSheet kUfo = {
    Race::Vavedodev,
    "Vavedodev Gremlin",
    "Flown by Gremlin Vedo",
    {"Laser Blaster", "Quick bolts of light, 10 damage each."},
    {"Irradiation Field", "Drains nearby foes' energy into your own."},
    3,
    3,
    5,
    5,
    "Turns on a coin and never runs dry: stay close and drain them.",
};
const VehicleSheet kLancer = {
    Race::Diveroruz,
    "Diveroruz Lancer",
    "Ridden by Lancer Knight Roruz",
    {"Rail Gun", "Hits across a room: 36 damage, slow reload."},
    {"Force Canon", "A shell that bursts and hurls foes away."},
    3,
    4,
    3,
    4,
    "Strikes first from afar; keeps foes at a lance's length.",
};

void Rating(Canvas& canvas, TextPainter& text, const char* label, int value, float x, float y,
            Colour colour) {
    text.Draw(canvas, label, x, y, {Face::SansBold, 12, Rgb(220, 220, 226), Align::Left});
    for (int k = 0; k < 5; ++k) {
        const float left = x + 62 + k * 17;
        canvas.Paint(Rectangle(left, y - 10, left + 14, y, 2),
                     k < value ? colour : Rgb(60, 62, 70));
    }
}

void PaintSheet(Canvas& canvas, TextPainter& text, const VehicleSheet& sheet) {
    canvas.Fill(Colour{0, 0, 0});
    const float w = canvas.Width(), h = canvas.Height();
    const Colour main = RaceMain(sheet.race), trim = RaceTrim(sheet.race);
    // Inset so the outline ends more than one JPEG block (8 pixels) inside the picture: the
    // blocks along the edges are then pure black and decode to black exactly.
    const Shape panel = Rectangle(9.5f, 8, w - 9.5f, h - 8, 10);
    canvas.Paint(panel,
                 VerticalGradient(8, h - 8, Mix(Rgb(30, 32, 40), main, 0.35f), Rgb(18, 19, 24)));
    canvas.Paint(Rectangle(9.5f, 8, w - 9.5f, 54, 10), Scale(main, 0.85f));
    canvas.Paint(Rectangle(9.5f, 40, w - 9.5f, 54), Scale(main, 0.85f));
    canvas.Paint(Outline(panel, 3), trim);
    const Colour light = Rgb(236, 236, 240);
    text.Draw(canvas, sheet.name, 20, 29, {Face::SansBold, 21, light, Align::Left});
    text.Draw(canvas, sheet.pilot, 20, 47, {Face::SerifItalic, 14, trim, Align::Left});

    // The two weapons on the left, each with one line on what it does.
    const float column = 20, width = 272;
    float y = 74;
    for (const Weapon* weapon : {&sheet.primary, &sheet.secondary}) {
        const std::string heading =
            std::string(weapon == &sheet.primary ? "Primary: " : "Secondary: ") + weapon->name;
        text.Draw(canvas, heading, column, y, {Face::SansBold, 14, trim, Align::Left});
        y = text.DrawParagraph(canvas, weapon->what, column, y + 17, width, 16,
                               {Face::Serif, 14, light, Align::Left}) +
            4;
    }
    // The ratings on the right.
    const Colour bars = Mix(trim, Rgb(255, 255, 255), 0.2f);
    Rating(canvas, text, "Armour", sheet.armour, 300, 76, bars);
    Rating(canvas, text, "Speed", sheet.speed, 300, 96, bars);
    Rating(canvas, text, "Handling", sheet.handling, 300, 116, bars);
    Rating(canvas, text, "Energy", sheet.energy, 300, 136, bars);
    // The strengths along the bottom.
    canvas.Paint(Rectangle(14, 150, w - 14, 151.5f), trim, 0.6f);
    text.DrawParagraph(canvas, sheet.strengths, w / 2, 172, w - 30, 16,
                       {Face::SerifItalic, 14, Rgb(250, 240, 200), Align::Centre});
}

template <const VehicleSheet& sheet>
void PaintVehicleSheet(Canvas& canvas, TextPainter& text) {
    PaintSheet(canvas, text, sheet);
}

// The Gremlin's addendum: a lime badge that tells of the one thing the Gremlin does that no
// other vehicle does, a saucer floating over a hull. The menus place the picture across the
// sheet's right edge, so the badge keeps to its left part, which lies on the sheet, and the
// rest stays keyed black.
void PaintUfoAddendum(Canvas& canvas, TextPainter&) {
    canvas.Fill(Colour{0, 0, 0});
    const float h = canvas.Height();
    constexpr float kRight = 33;  // the sheet's rim begins 38 units in
    const Shape badge = Rectangle(2, 2, kRight, h - 2, 6);
    canvas.Paint(badge, VerticalGradient(2, h - 2, Rgb(186, 240, 90), Rgb(120, 190, 40)));
    canvas.Paint(Outline(badge, 1.5f), Rgb(60, 30, 90));
    const Colour ink = Rgb(50, 20, 70);
    const float cx = (2 + kRight) / 2;
    // The saucer: a flat disc under a dome.
    canvas.Paint(Ellipse(cx, 11, 10, 3), ink);
    canvas.Paint(Intersect(Circle(cx, 10, 4.5f), Rectangle(cx - 5, 4, cx + 5, 10)), ink);
    // The hull it passes over, and the gap of air between.
    canvas.Paint(Rectangle(cx - 11, 19, cx + 11, 23, 1.5f), ink);
    for (float dx : {-6.0f, 0.0f, 6.0f})
        canvas.Paint(Capsule({cx + dx, 15}, {cx + dx, 16.5f}, 0.7f), ink);
}

}  // namespace

void AddInfoSheets(std::vector<UiPicture>& list) {
    list.push_back({"Art/Textures/UI/Portraits/tank_info.jpg", Format::Jpeg, true, 512, 256, 462,
                    190, PaintVehicleSheet<kTank>});
    list.push_back({"Art/Textures/UI/Portraits/buggy_info.jpg", Format::Jpeg, true, 512, 256, 462,
                    190, PaintVehicleSheet<kBuggy>});
    list.push_back({"Art/Textures/UI/Portraits/ufo_info.jpg", Format::Jpeg, true, 512, 256, 462,
                    190, PaintVehicleSheet<kUfo>});
    list.push_back({"Art/Textures/UI/Portraits/lancer_info.jpg", Format::Jpeg, true, 512, 256, 462,
                    190, PaintVehicleSheet<kLancer>});
    list.push_back({"Art/Textures/UI/Portraits/ufo_info_addendum.jpg", Format::Jpeg, true, 128, 32,
                    113, 28, PaintUfoAddendum});
}

}  // namespace content::ui
