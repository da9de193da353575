// The material registry, the tables read from it and iron's permeability
// bands.
#include "core/materials.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace shieldcalc {
namespace {

struct BandCase {
    float f;
    FrequencyUnit unit;
    float muR;
};

TEST(IronPermeability, EachBandIncludesItsLowerLimit) {
    const BandCase cases[] = {
        {-3, FrequencyUnit::MHz, 1000},      {0, FrequencyUnit::MHz, 1000},
        {0.4999f, FrequencyUnit::MHz, 1000}, {0.5f, FrequencyUnit::MHz, 700},
        {9.999f, FrequencyUnit::MHz, 700},   {10, FrequencyUnit::MHz, 400},
        {80, FrequencyUnit::MHz, 100},       {1000, FrequencyUnit::MHz, 10},
        {4999.9f, FrequencyUnit::MHz, 10},   {5000, FrequencyUnit::MHz, 1},
        {1e30f, FrequencyUnit::MHz, 1},      {-3, FrequencyUnit::kHz, 1000},
        {0, FrequencyUnit::kHz, 1000},       {499.9f, FrequencyUnit::kHz, 1000},
        {500, FrequencyUnit::kHz, 700},      {9999, FrequencyUnit::kHz, 700},
        {10000, FrequencyUnit::kHz, 400},    {80000, FrequencyUnit::kHz, 100},
        {1000000, FrequencyUnit::kHz, 10},   {4999999, FrequencyUnit::kHz, 10},
        {5000000, FrequencyUnit::kHz, 1},
    };
    for (const auto& c : cases) {
        const Material iron = lookupMaterial(kIron, c.f, c.unit);
        EXPECT_EQ(iron.muR, c.muR) << c.f << (c.unit == FrequencyUnit::MHz ? " MHz" : " kHz");
        EXPECT_EQ(iron.sigmaR, 0.17f);
    }
}

TEST(LookupMaterial, NonMagneticMetalsIgnoreFrequency) {
    const float sigma[] = {1.0f, 1.05f, 0.7f, 0, 0.26f, 0.61f};
    for (ListIndex i : {0, 1, 2, 4, 5}) {
        for (float f : {-1.0f, 0.0f, 0.5f, 600.0f, 5e6f}) {
            const Material m = lookupMaterial(i, f, FrequencyUnit::kHz);
            EXPECT_EQ(m.sigmaR, sigma[i]) << "index " << i;
            EXPECT_EQ(m.muR, 1.0f) << "index " << i;
        }
    }
}

TEST(LookupMaterial, NothingChosenGivesZeros) {
    for (ListIndex i : {kNoChoice, ListIndex{6}, ListIndex{-32768}}) {
        const Material m = lookupMaterial(i, 1, FrequencyUnit::MHz);
        EXPECT_EQ(m.sigmaR, 0.0f);
        EXPECT_EQ(m.muR, 0.0f);
    }
}

TEST(LookupMaterial, BrassDiffersOnlyInTheApertureTable) {
    const Material brass = lookupMaterial(4, 10, FrequencyUnit::kHz);
    EXPECT_EQ(brass.sigmaR, 0.26f);
    EXPECT_EQ(brass.muR, 1.0f);
    const Material apertureBrass =
        lookupMaterial(4, 10, FrequencyUnit::kHz, kApertureMaterialTable);
    EXPECT_EQ(apertureBrass.sigmaR, 0.1f);
    EXPECT_EQ(apertureBrass.muR, 400.0f);
    for (ListIndex i : {0, 1, 2, 3, 5}) {
        const Material a = lookupMaterial(i, 499, FrequencyUnit::kHz, kApertureMaterialTable);
        const Material b = lookupMaterial(i, 499, FrequencyUnit::kHz);
        EXPECT_EQ(a.sigmaR, b.sigmaR);
        EXPECT_EQ(a.muR, b.muR);
    }
}

TEST(LookupMaterial, DoubleLayerSheetsAtSixHundredKilohertz) {
    const Material copper = lookupMaterial(0, 600, FrequencyUnit::kHz);
    const Material iron = lookupMaterial(kIron, 600, FrequencyUnit::kHz);
    EXPECT_EQ(copper.sigmaR, 1.0f);
    EXPECT_EQ(copper.muR, 1.0f);
    EXPECT_EQ(iron.sigmaR, 0.17f);
    EXPECT_EQ(iron.muR, 700.0f);
}

// The registry holds the metals of the handbook's table, in the order of the
// lists, with the keys the command line has always accepted.
struct RegistryRow {
    const char* listText;
    std::string_view key;
    float sigmaR;
    float muR; // 0 for iron: by band
};
constexpr RegistryRow kHandbookTable[] = {
    {"---铜---", "copper", 1.0f, 1.0f}, {"---银---", "silver", 1.05f, 1.0f},
    {"---金---", "gold", 0.7f, 1.0f},   {"---铁---", "iron", 0.17f, 0.0f},
    {"--黄铜--", "brass", 0.26f, 1.0f}, {"---铝---", "aluminium", 0.61f, 1.0f},
};

TEST(MaterialRegistry, HoldsTheHandbookMetalsInListOrder) {
    ASSERT_EQ(kMaterials.size(), std::size(kHandbookTable));
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        const RegistryRow& row = kHandbookTable[i];
        SCOPED_TRACE(std::string(row.key));
        EXPECT_STREQ(kMaterials[i].listText, row.listText);
        EXPECT_EQ(kMaterials[i].key, row.key);
        EXPECT_EQ(materialIndex(row.key), static_cast<ListIndex>(i));
        EXPECT_EQ(kMaterialTable[i].sigmaR, row.sigmaR);
        EXPECT_EQ(kMaterialTable[i].muR, row.muR);
        EXPECT_EQ(kMaterialTable[i].bands != nullptr, ListIndex(i) == kIron);
    }
}

TEST(MaterialRegistry, KeysAndListTextsAreUnique) {
    std::set<std::string_view> keys;
    std::set<std::string> texts;
    for (const MaterialEntry& entry : kMaterials) {
        EXPECT_TRUE(keys.insert(entry.key).second) << entry.key;
        EXPECT_TRUE(texts.insert(entry.listText).second) << entry.listText;
    }
    EXPECT_EQ(materialIndex("none"), kNoChoice);
    EXPECT_EQ(materialIndex("Copper"), kNoChoice);
}

TEST(MaterialChoice, ResolvesListEntriesCustomMaterialsAndNothing) {
    for (ListIndex i = 0; i < ListIndex(kMaterials.size()); ++i) {
        for (float f : {0.0f, 499.9f, 500.0f, 5e6f}) {
            const Material fromList = materialOf(i, f, FrequencyUnit::kHz);
            const Material custom = materialOf(Material{fromList.sigmaR, fromList.muR}, f,
                                               FrequencyUnit::kHz, kApertureMaterialTable);
            EXPECT_EQ(fromList, lookupMaterial(i, f, FrequencyUnit::kHz)) << i;
            EXPECT_EQ(custom, fromList) << "a custom material is taken as given, " << i;
        }
        EXPECT_TRUE(MaterialChoice(i).chosen());
    }
    EXPECT_FALSE(MaterialChoice().chosen());
    EXPECT_FALSE(MaterialChoice(ListIndex{6}).chosen());
    EXPECT_TRUE(MaterialChoice(Material{2, 3}).chosen());
    EXPECT_EQ(materialOf({}, 1, FrequencyUnit::MHz), Material{});
}

} // namespace
} // namespace shieldcalc
