// The story pages of the Story menu and the controls sheet of the options. The words are
// kept here, drawn with FreeType at a size that reads well where the menus show them.
#include <string>

#include "tools/content/ui/Portraits.h"
#include "tools/content/ui/UiArt.h"

namespace content::ui {
namespace {

using texture::Format;

struct StoryPage {
    const char* title;
    const char* subtitle;
    bool portrait;  // race pages show their people
    Race race;
    Colour accent;
    const char* text;  // paragraphs separated by "\n"
};

const StoryPage kMainStory = {
    "The Brask",
    "How four peoples came to fight in one family house",
    false,
    Race::Terran,
    Rgb(236, 160, 60),
    "For a thousand years four peoples have fought over the Brask: a crystal no bigger than a "
    "pea that holds the fire of a sun. Whoever holds it rules the lanes between the stars.\n"
    "Last winter, in the greatest battle of that long war, the Brask was knocked loose. It "
    "tumbled through a rift in space and fell to Earth, straight through the roof of an "
    "ordinary family house, and rolled away somewhere among its rooms.\n"
    "But the Brask shrinks all that comes near it. The champions who followed it down now "
    "stand no taller than a thumb. A bathtub is a canyon to them, a bed a mountain, a "
    "blanket fort a castle.\n"
    "The family is away for the weekend. Six rooms lie between the champions and the Brask, "
    "and each room holds enemies. Only one champion can carry it home.",
};

const StoryPage kTerranPage = {
    "The Terrans",
    "Sergeant Davavod, in the Davavod Tank",
    true,
    Race::Terran,
    RaceTrim(Race::Terran),
    "Earth never asked to be part of this war. When the Brask crashed through the roof, "
    "the army sent Sergeant Davavod and his tank to take a look at the fallen \"meteor\". "
    "It shrank them both.\n"
    "Now the Sergeant is the smallest soldier on Earth, and the only one who knows what is "
    "at stake. His tank is slow and stubborn, armoured like a safe, and its canon hits "
    "harder than anything in the house.\n"
    "If the Brask leaves Earth, it leaves in the hands of a people who want its power for "
    "war. The Sergeant means to find it first and keep it here, where it can hurt no one.",
};

const StoryPage kDovevevuzuPage = {
    "The Dovevevuzu",
    "Zuvu of the Dovevevuzu, in the Grav Buggy",
    true,
    Race::Dovevevuzu,
    RaceTrim(Race::Dovevevuzu),
    "The Dovevevuzu are nomads who live for speed. They race their grav buggies across the "
    "salt flats of a hundred worlds and trade in whatever they find on the way.\n"
    "Zuvu is the fastest racer of her clan. She followed the Brask down on a bet: whoever "
    "brings it back may sell it to the highest bidder, and the price would buy her wandering "
    "clan a world of its own at last.\n"
    "Her buggy is light and easily hurt, but nothing in the house can catch it, and she "
    "leaves mines behind her like breadcrumbs. Rival racers of other clans are on the same "
    "trail, and they do not race fair.",
};

const StoryPage kVavedodevPage = {
    "The Vavedodev",
    "Gremlin Vedo, in the Gremlin",
    true,
    Race::Vavedodev,
    RaceTrim(Race::Vavedodev),
    "The Vavedodev are gremlins: small, clever and always hungry for energy. They drink power "
    "from anything, from batteries and cables to the engines of their enemies. To them the "
    "Brask is the feast of all feasts.\n"
    "Gremlin Vedo flies the Gremlin, a hover craft that slips past other hulls where they "
    "would stick. Its Irradiation Field drains the energy of all around it into Vedo's own "
    "cells, so the longer a fight lasts, the stronger Vedo grows.\n"
    "Vedo's hungry cousins are in the house too, and a gremlin shares with no one.",
};

const StoryPage kDiveroruzPage = {
    "The Diveroruz",
    "Lancer Knight Roruz, in the Lancer",
    true,
    Race::Diveroruz,
    RaceTrim(Race::Diveroruz),
    "The Diveroruz are an old order of knights, sworn to guard the Brask. It was in their "
    "keeping when it fell, and their honour fell with it.\n"
    "Lancer Knight Roruz has come to carry it back to the temple on Diver. He rides the "
    "Lancer, whose rail gun strikes across a room and whose force canon hurls foes away "
    "before they can close in. He fights by the old code and warns before he strikes.\n"
    "Not every knight kept the oath. Sir Voruz the Renegade wants the Brask for himself, "
    "and he has found the house as well.",
};

void PaintPage(Canvas& canvas, TextPainter& text, const StoryPage& page) {
    const float w = canvas.Width(), h = canvas.Height();
    canvas.Fill(VerticalGradient(0, h, Rgb(24, 28, 44), Rgb(10, 12, 20)));
    const Shape border = Rectangle(8, 8, w - 8, h - 8, 14);
    canvas.Paint(Outline(border, 3), page.accent);
    float textTop = 86;
    if (page.portrait) {
        PaintRacePortrait(canvas, text, page.race, 24, 22, 0.62f);
        text.Draw(canvas, page.title, 186, 66, {Face::SerifBold, 36, page.accent, Align::Left});
        text.DrawParagraph(canvas, page.subtitle, 186, 98, w - 210, 20,
                           {Face::SerifItalic, 17, Rgb(210, 210, 220), Align::Left});
        textTop = 176;
    } else {
        text.Draw(canvas, page.title, w / 2, 64, {Face::SerifBold, 44, page.accent, Align::Centre});
        text.Draw(canvas, page.subtitle, w / 2, 92,
                  {Face::SerifItalic, 17, Rgb(210, 210, 220), Align::Centre});
        textTop = 132;
    }
    canvas.Paint(Rectangle(28, textTop - 24, w - 28, textTop - 22.5f), page.accent, 0.7f);
    const TextStyle body{Face::Serif, 18, Rgb(238, 234, 222), Align::Left};
    float baseline = textTop;
    const std::string all = page.text;
    std::size_t start = 0;
    while (start < all.size()) {
        const std::size_t end = std::min(all.find('\n', start), all.size());
        baseline = text.DrawParagraph(canvas, all.substr(start, end - start), 32, baseline, w - 64,
                                      22, body) +
                   10;
        start = end + 1;
    }
}

template <const StoryPage& page>
void PaintStoryPage(Canvas& canvas, TextPainter& text) {
    PaintPage(canvas, text, page);
}

// The keys of both players, the cameras and the menu key, on an opaque panel: the sheet is
// keyed, so only its black margin lets the stars through.
void PaintControls(Canvas& canvas, TextPainter& text) {
    canvas.Fill(Colour{0, 0, 0});
    const float w = canvas.Width(), h = canvas.Height();
    const Shape panel = Rectangle(10, 10, w - 10, h - 10, 14);
    canvas.Paint(panel, VerticalGradient(10, h - 10, Rgb(36, 42, 62), Rgb(16, 18, 28)));
    canvas.Paint(Outline(panel, 2.5f), Rgb(180, 190, 220));
    const Colour heading = Rgb(250, 220, 120), light = Rgb(236, 236, 240), dim = Rgb(170, 176, 196);
    text.Draw(canvas, "Controls", w / 2, 48, {Face::SerifBold, 30, heading, Align::Centre});
    const float c0 = 28, c1 = 186, c2 = 282;
    const TextStyle head{Face::SansBold, 15, heading, Align::Left};
    const TextStyle cell{Face::Sans, 15, light, Align::Left};
    const TextStyle label{Face::Sans, 15, dim, Align::Left};
    text.Draw(canvas, "Player 1", c1, 84, head);
    text.Draw(canvas, "Player 2", c2, 84, head);
    canvas.Paint(Rectangle(24, 92, w - 24, 93.5f), dim, 0.6f);
    struct Row {
        const char* action;
        const char* one;
        const char* two;
    };
    const Row rows[] = {
        {"Turn left / right", "A / D", "Left / Right"},
        {"Thrust / brake", "W / S", "Up / Down"},
        {"Primary weapon", "J", "Keypad 0"},
        {"Secondary weapon", "K", "Keypad ."},
    };
    float y = 116;
    for (const Row& row : rows) {
        text.Draw(canvas, row.action, c0, y, label);
        text.Draw(canvas, row.one, c1, y, cell);
        text.Draw(canvas, row.two, c2, y, cell);
        y += 26;
    }
    canvas.Paint(Rectangle(24, y - 10, w - 24, y - 8.5f), dim, 0.6f);
    text.Draw(canvas, "Cameras (one player)", c0, y + 16, head);
    const Row cameras[] = {
        {"Chase view", "Keypad 1", ""},
        {"Top-down view", "Keypad 2", ""},
        {"Front view", "Keypad 3", ""},
    };
    y += 42;
    for (const Row& row : cameras) {
        text.Draw(canvas, row.action, c0, y, label);
        text.Draw(canvas, row.one, c1, y, cell);
        y += 24;
    }
    canvas.Paint(Rectangle(24, y - 10, w - 24, y - 8.5f), dim, 0.6f);
    text.Draw(canvas, "In-game menu", c0, y + 16, label);
    text.Draw(canvas, "Escape", c1, y + 16, cell);
    text.Draw(canvas, "Menus", c0, y + 42, label);
    text.Draw(canvas, "Mouse", c1, y + 42, cell);
}

}  // namespace

void AddPages(std::vector<UiPicture>& list) {
    list.push_back(
        {"Art/Textures/Story/controls.jpg", Format::Jpeg, true, 512, 512, 400, 400, PaintControls});
    list.push_back({"Art/Textures/Story/MainStory.jpg", Format::Jpeg, false, 512, 512, 550, 550,
                    PaintStoryPage<kMainStory>});
    list.push_back({"Art/Textures/Story/Terran.jpg", Format::Jpeg, false, 512, 512, 550, 550,
                    PaintStoryPage<kTerranPage>});
    list.push_back({"Art/Textures/Story/Dovevevuzu.jpg", Format::Jpeg, false, 512, 512, 550, 550,
                    PaintStoryPage<kDovevevuzuPage>});
    list.push_back({"Art/Textures/Story/Vavedodev.jpg", Format::Jpeg, false, 512, 512, 550, 550,
                    PaintStoryPage<kVavedodevPage>});
    list.push_back({"Art/Textures/Story/Diveroruz.jpg", Format::Jpeg, false, 512, 512, 550, 550,
                    PaintStoryPage<kDiveroruzPage>});
}

}  // namespace content::ui
