#pragma once
// Every parsed vehicle and weapon definition and one prototype of every model file, so that
// each file is read from disk once per run. It only grows: nothing is dropped between levels.
#include <map>
#include <memory>
#include <string>

#include "render/MeshTree.h"

// A parsed definition file: key to value, both verbatim.
using Definition = std::map<std::string, std::string>;

class ResourceCache {
public:
    // Weapon files are found under the FileLoader's root as it stands now.
    ResourceCache();
    // The same under `root`; the globals are made before the root is known, with "".
    explicit ResourceCache(const std::string& root);
    ~ResourceCache();
    ResourceCache(ResourceCache&&) noexcept;
    ResourceCache& operator=(ResourceCache&&) noexcept;

    // A copy of the table of the tag file at `path`. Its first reading also reads the
    // weapon files that it names. A file that does not open is kept as an empty table.
    Definition GetVehicleDef(std::string path);
    // A copy of the table of the weapon file `file` in the weapon folder. An empty name is
    // no file: an empty table, and the folder is not read.
    Definition GetWeaponDef(std::string file);
    // A new instance of the model at `path` with an identity transform, owned by the caller,
    // sharing its mesh with every other instance of that path. A model that does not load
    // (after its box) or an empty path gives an empty model, and is not tried again.
    std::unique_ptr<MeshTree> GetModel(std::string path);

    const std::string& GetWeaponFolder() const { return weaponFolder; }

private:
    std::string weaponFolder;
    std::map<std::string, Definition> vehicleDefs;
    std::map<std::string, Definition> weaponDefs;
    // One prototype per path, without a transform of its own.
    std::map<std::string, std::unique_ptr<MeshTree>> models;
};

// The value under `key`, or "" when the table lacks it.
std::string DefinitionString(const Definition& table, const std::string& key);
// The value read as the runtime's atoi and atof read it (leading blanks and a sign, then
// digits; anything else ends the number), 0 when nothing reads. Integers beyond the range of
// int are cut to it, and floats that are not finite read as 0.
int DefinitionInt(const Definition& table, const std::string& key);
float DefinitionFloat(const Definition& table, const std::string& key);
