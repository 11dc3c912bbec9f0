#pragma once
// The strings that entities compare message and weapon types with. Each has one shared
// definition, constructed before any manager that compares with it.
#include <string>

namespace MessageTypes {
inline const std::string WEAPON_FIRED{"WEAPON_FIRED"};
inline const std::string WEAPON_DESTROYED{"WEAPON_DESTROYED"};
inline const std::string COLLISION{"COLLISION"};
}  // namespace MessageTypes

namespace WeaponTypes {
inline const std::string NORMAL{"NORMAL"};
inline const std::string FUEL{"FUEL"};
inline const std::string RADIAL_BLAST{"RADIAL_BLAST"};
inline const std::string STRAFE{"STRAFE"};
inline const std::string RAMMING_SPEED{"RAMMING_SPEED"};
}  // namespace WeaponTypes
