#include "world/ResourceCache.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

#include "app/FileLoader.h"

ResourceCache::ResourceCache() : ResourceCache(fileLoader.GetRoot()) {}

ResourceCache::ResourceCache(const std::string& root)
    : weaponFolder(root + "\\RESOURCES\\Files\\Weapons\\") {}

ResourceCache::~ResourceCache() = default;
ResourceCache::ResourceCache(ResourceCache&&) noexcept = default;
ResourceCache& ResourceCache::operator=(ResourceCache&&) noexcept = default;

Definition ResourceCache::GetVehicleDef(std::string path) {
    const auto cached = vehicleDefs.find(path);
    if (cached != vehicleDefs.end()) return cached->second;

    Definition table = fileLoader.ReadTagFile(path.c_str());
    // The vehicle's weapons are parsed now rather than at its first shot.
    for (const char* key : {"PRIMARY_WEAPON_FILE", "SECONDARY_WEAPON_FILE"}) {
        const auto weapon = table.find(key);
        if (weapon != table.end()) GetWeaponDef(weapon->second);
    }
    return vehicleDefs.emplace(std::move(path), std::move(table)).first->second;
}

Definition ResourceCache::GetWeaponDef(std::string file) {
    if (file.empty()) return {};
    const auto cached = weaponDefs.find(file);
    if (cached != weaponDefs.end()) return cached->second;
    Definition table = fileLoader.ReadTagFile((weaponFolder + file).c_str());
    return weaponDefs.emplace(std::move(file), std::move(table)).first->second;
}

namespace {

bool NamesAFolder(const std::string& path) {
    return path.empty() || path.back() == '\\' || path.back() == '/';
}

}  // namespace

std::unique_ptr<MeshTree> ResourceCache::GetModel(std::string path) {
    const auto cached = models.find(path);
    if (cached != models.end()) {
        auto instance = std::make_unique<MeshTree>(*cached->second);
        instance->ResetMatrix();
        return instance;
    }

    // A folder is no model file: the definition named none.
    std::unique_ptr<MeshTree> loaded =
        NamesAFolder(path) ? nullptr : fileLoader.LoadModel(path.c_str(), true);
    if (!loaded) {
        // Its box has been shown; an empty model keeps every caller going and the file is not
        // tried again.
        loaded = std::make_unique<MeshTree>();
        loaded->ResetMatrix();
    }
    models.emplace(std::move(path), std::make_unique<MeshTree>(*loaded));
    return loaded;
}

namespace {

// Skips what atoi and atof skip: leading white space and a plus sign (a minus sign is the
// number's own).
const char* NumberStart(const std::string& text) {
    const char* p = text.c_str();
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v') ++p;
    if (*p == '+' && p[1] != '-') ++p;
    return p;
}

}  // namespace

std::string DefinitionString(const Definition& table, const std::string& key) {
    const auto found = table.find(key);
    return found == table.end() ? std::string() : found->second;
}

int DefinitionInt(const Definition& table, const std::string& key) {
    const std::string text = DefinitionString(table, key);
    const char* start = NumberStart(text);
    const char* end = text.c_str() + text.size();
    long long value = 0;
    const auto [next, error] = std::from_chars(start, end, value);
    if (error == std::errc::result_out_of_range)
        return (start < end && *start == '-') ? std::numeric_limits<int>::min()
                                              : std::numeric_limits<int>::max();
    if (error != std::errc()) return 0;
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

float DefinitionFloat(const Definition& table, const std::string& key) {
    const std::string text = DefinitionString(table, key);
    const char* start = NumberStart(text);
    const char* end = text.c_str() + text.size();
    float value = 0.0f;
    const auto [next, error] = std::from_chars(start, end, value, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(value)) return 0.0f;
    return value;
}
