#pragma once
// The six control flags of a vehicle, in the order the key array holds them for each player
// and a computer driver offers them: the game's one definition of that vocabulary.

namespace ControlKeys {

enum Flag : int {
    TurnRight = 0,
    TurnLeft = 1,
    Thrust = 2,
    Brake = 3,
    PrimaryFire = 4,
    SecondaryFire = 5,
};

// Flags per player.
inline constexpr int kFlags = 6;
// Player one's flags fill slots 0 to 5 of the key array, player two's 6 to 11; a computer
// driver's flags are read in player one's layout.
inline constexpr int kPlayerOneFirst = 0;
inline constexpr int kPlayerTwoFirst = 6;
// Slots 0 to 11: both players' flags.
inline constexpr int kBothPlayers = kPlayerTwoFirst + kFlags;

// The first slot of the flags of player `playerNumber` (2 for player two, anything else
// player one).
constexpr int FirstSlot(int playerNumber) {
    return playerNumber == 2 ? kPlayerTwoFirst : kPlayerOneFirst;
}

}  // namespace ControlKeys
