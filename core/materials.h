// Shield materials: the six metals of the material lists, and materials given
// by their properties.
//
// A Material is a value: conductivity relative to copper and relative
// permeability, or, for iron, a permeability that falls with frequency in
// bands. kMaterials is the one registry of the listed metals, in the order of
// the material lists on the forms: each entry's list text, command-line key
// and properties. Everything else (the forms' lists, the command line's keys
// and help, the tables the computations look up by list index, the tests)
// reads it.
//
// An input record names its material with a MaterialChoice: an entry of the
// list, nothing (kNoChoice), or a material of the user's own. A computation
// resolves the choice with materialOf, in the unit of its frequency, and
// computes with the resulting sigmaR and muR; nothing chosen gives 0 and 0.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace shieldcalc {

// Index of an entry in a drop-down list; -1 when nothing is chosen.
using ListIndex = std::int16_t;
inline constexpr ListIndex kNoChoice = -1;

enum class FrequencyUnit { MHz, kHz };

// The unit as written after a number ("MHz") and as the value of an option
// in a usage line ("MHZ"). Both are string literals: data() is a C string.
constexpr std::string_view unitName(FrequencyUnit unit) {
    return unit == FrequencyUnit::MHz ? "MHz" : "kHz";
}
constexpr std::string_view unitMetavar(FrequencyUnit unit) {
    return unit == FrequencyUnit::MHz ? "MHZ" : "KHZ";
}

// A permeability that falls with frequency: muR[i] up to (not including)
// the i-th limit, the last value from the last limit on. Both columns of
// limits are the same physical frequencies.
struct PermeabilityBands {
    std::array<float, 5> limitsMHz;
    std::array<float, 5> limitsKHz;
    std::array<float, 6> muR;

    // Each band includes its lower limit; zero and negative frequencies
    // fall into the first.
    float at(float f, FrequencyUnit unit) const;
};

inline constexpr PermeabilityBands kIronBands{
    {0.5f, 10.0f, 80.0f, 1000.0f, 5000.0f},
    {500.0f, 10000.0f, 80000.0f, 1000000.0f, 5000000.0f},
    {1000.0f, 700.0f, 400.0f, 100.0f, 10.0f, 1.0f},
};

struct Material {
    float sigmaR = 0; // conductivity relative to copper
    float muR = 0;    // relative permeability, where bands is null
    const PermeabilityBands* bands = nullptr;

    // sigmaR and muR at frequency f (in the given unit), without bands.
    Material at(float f, FrequencyUnit unit) const {
        return bands == nullptr ? *this : Material{sigmaR, bands->at(f, unit)};
    }

    friend constexpr bool operator==(const Material&, const Material&) = default;
};

// One metal of the material lists.
struct MaterialEntry {
    const char* listText; // the entry in the drop-down lists (UTF-8)
    std::string_view key; // its word on the command line and in batch files
    Material properties;
};

inline constexpr std::array<MaterialEntry, 6> kMaterials{{
    {"---铜---", "copper", {1.0f, 1.0f}},
    {"---银---", "silver", {1.05f, 1.0f}},
    {"---金---", "gold", {0.7f, 1.0f}},
    {"---铁---", "iron", {0.17f, 0.0f, &kIronBands}},
    {"--黄铜--", "brass", {0.26f, 1.0f}},
    {"---铝---", "aluminium", {0.61f, 1.0f}},
}};

// The list entry whose key is key; kNoChoice when there is none.
constexpr ListIndex materialIndex(std::string_view key) {
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        if (kMaterials[i].key == key)
            return static_cast<ListIndex>(i);
    }
    return kNoChoice;
}

inline constexpr ListIndex kIron = materialIndex("iron");

// The properties of the listed metals, by list index.
using MaterialTable = std::array<Material, kMaterials.size()>;

constexpr MaterialTable materialTable() {
    MaterialTable table{};
    for (std::size_t i = 0; i < kMaterials.size(); ++i)
        table[i] = kMaterials[i].properties;
    return table;
}

inline constexpr MaterialTable kMaterialTable = materialTable();

// The aperture-array calculator's own table: brass is 0.1 / 400 there.
inline constexpr MaterialTable kApertureMaterialTable = [] {
    MaterialTable table = materialTable();
    table[static_cast<std::size_t>(materialIndex("brass"))] = {0.1f, 400.0f};
    return table;
}();

// The material of a shield as an input names it.
struct MaterialChoice {
    ListIndex entry = kNoChoice;    // list index; kNoChoice for none or a custom material
    std::optional<Material> custom; // properties given by the user

    // An entry of the list, or nothing (kNoChoice).
    constexpr MaterialChoice(ListIndex listIndex = kNoChoice) : entry(listIndex) {}
    constexpr MaterialChoice(const Material& properties) : custom(properties) {}

    // Whether a material is chosen at all: a list entry or a custom one.
    bool chosen() const;

    friend bool operator==(const MaterialChoice&, const MaterialChoice&) = default;
};

// Properties of the entry at listIndex at frequency f; {0, 0} for any index
// outside the table. Never fails.
Material lookupMaterial(ListIndex listIndex, float f, FrequencyUnit unit,
                        const MaterialTable& table = kMaterialTable);

// Properties of the chosen material at frequency f: a list entry from table,
// a custom material as given, {0, 0} for none.
Material materialOf(const MaterialChoice& choice, float f, FrequencyUnit unit,
                    const MaterialTable& table = kMaterialTable);

} // namespace shieldcalc
