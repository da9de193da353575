// The reference models against independent published figures, and their
// behaviour at the edges: walls thousands of skin depths thick, inputs from
// which no model can be formed.
#include "core/reference.h"
#include "core/shielding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace shieldcalc {
namespace {

const ListIndex kCopper = materialIndex("copper");
const ListIndex kAluminium = materialIndex("aluminium");

struct FigureRow {
    const char* name;
    std::function<std::optional<double>()> reference;
    double expectedDb; // the independent figure, to 0.1 dB
};
void PrintTo(const FigureRow& row, std::ostream* os) {
    *os << row.name;
}

template <class Input> std::function<std::optional<double>()> model(Input in, FieldSource source) {
    return [=] {
        return referenceSE(in, source);
    };
}

SolidShieldInput sheet(float fMHz, float lCm, ListIndex material, float rCm = 0) {
    return {.f = fMHz, .l = lCm, .r = rCm, .material = material};
}

EnclosureInput cube(float fKHz, ListIndex material) {
    return {.f = fKHz, .l = 0.1f, .a = 10, .b = 10, .h = 10, .material = material};
}

class ReferenceFigures : public ::testing::TestWithParam<FigureRow> {};

TEST_P(ReferenceFigures, AgreeWithinATenthOfADecibel) {
    const std::optional<double> se = GetParam().reference();
    ASSERT_TRUE(se.has_value());
    EXPECT_NEAR(*se, GetParam().expectedDb, 0.1);
}

// clang-format off
const FigureRow kFigures[] = {
    {"plane_copper_50um_100MHz", model(sheet(100, 0.00508f, kCopper), FieldSource::PlaneWave), 154.9},
    {"plane_copper_0_5mm_1MHz", model(sheet(1, 0.05f, kCopper), FieldSource::PlaneWave), 173.9},
    {"plane_copper_35um_10kHz", model(sheet(0.01f, 0.0035f, kCopper), FieldSource::PlaneWave), 111.6},
    {"plane_aluminium_0_1mm_100kHz", model(sheet(0.1f, 0.01f, kAluminium), FieldSource::PlaneWave), 116.5},
    {"magnetic_copper_10mm_10cm_1_5kHz", model(sheet(0.0015f, 1, kCopper, 10), FieldSource::MagneticSource), 77.4},
    {"magnetic_copper_1mm_30_5cm_10kHz", model(sheet(0.01f, 0.1f, kCopper, 30.5f), FieldSource::MagneticSource), 57.8},
    {"electric_copper_0_1mm_30_5cm_1MHz", model(sheet(1, 0.01f, kCopper, 30.5f), FieldSource::ElectricSource), 165.6},
    {"double_copper_0_1mm_1cm_1MHz", model(DoubleLayerInput{.f = 1000, .l1 = 0.01f, .material1 = kCopper, .l2 = 0.01f, .r2 = 1, .material2 = kCopper}, FieldSource::PlaneWave), 175.9},
    {"box_copper_magnetic_1kHz", model(cube(1, kCopper), FieldSource::MagneticSource), 19.7},
    {"box_copper_magnetic_1MHz", model(cube(1000, kCopper), FieldSource::MagneticSource), 178.3},
    {"box_iron_magnetic_1kHz", model(cube(1, kIron), FieldSource::MagneticSource), 54.7},
    {"box_copper_electric_1kHz", model(cube(1, kCopper), FieldSource::ElectricSource), 261.0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Reference, ReferenceFigures, ::testing::ValuesIn(kFigures),
                         [](const auto& info) { return std::string(info.param.name); });

// A film much thinner than a skin depth: 20 log10(1 + eta0 sigma t / 2).
TEST(ReferenceSheet, ThinFilmLimit) {
    const double eta0 = std::sqrt(kVacuumPermeability / kVacuumPermittivity);
    const double film = 20 * std::log10(1 + eta0 * kCopperConductivity * 35e-6 / 2);
    EXPECT_NEAR(*referenceSE(sheet(0.01f, 0.0035f, kCopper), FieldSource::PlaneWave), film, 0.1);
}

// Walls far beyond a skin depth: e^(gamma t) would overflow, the SE does not.
// The absorption, 8.686 t / delta, dominates and the rest stays bounded.
class ThickWalls : public ::testing::TestWithParam<FieldSource> {};

TEST_P(ThickWalls, GiveTheAbsorptionWithoutOverflow) {
    const float fMHz = 1000;
    const float lCm = 10; // about 48,000 skin depths of copper
    const double skinDepth =
        1 / std::sqrt(std::numbers::pi * fMHz * 1e6 * kVacuumPermeability * kCopperConductivity);
    const double absorption = 20 / std::numbers::ln10 * lCm * 1e-2 / skinDepth;
    ASSERT_GT(absorption, 709 * 20 / std::numbers::ln10); // e^(t / delta) overflows
    const std::optional<double> se = referenceSE(sheet(fMHz, lCm, kCopper, 30), GetParam());
    ASSERT_TRUE(se.has_value());
    EXPECT_GT(*se, absorption);
    EXPECT_LT(*se, absorption + 400);
}

INSTANTIATE_TEST_SUITE_P(Reference, ThickWalls,
                         ::testing::Values(FieldSource::PlaneWave, FieldSource::MagneticSource,
                                           FieldSource::ElectricSource));

TEST(ReferenceDouble, ThickSheetsAddTheirAbsorption) {
    const DoubleLayerInput in{
        .f = 1e6f, .l1 = 5, .material1 = kCopper, .l2 = 5, .r2 = 1, .material2 = kCopper};
    const SolidShieldInput one = sheet(1000, 10, kCopper);
    const std::optional<double> two = referenceSE(in, FieldSource::PlaneWave);
    ASSERT_TRUE(two.has_value());
    // Same metal in total, plus a second pair of boundaries.
    EXPECT_GT(*two, *referenceSE(one, FieldSource::PlaneWave));
}

TEST(ReferenceBox, ThickIronWallWithoutOverflow) {
    EnclosureInput box = cube(1000, kIron); // 1 MHz, muR 100: 1 mm is ~12 skin depths
    box.l = 3;                              // 30 mm: ~370 skin depths
    ASSERT_TRUE(referenceSE(box, FieldSource::MagneticSource).has_value());
    box.f = 5e5f;
    box.l = 4; // tens of thousands of skin depths
    const std::optional<double> se = referenceSE(box, FieldSource::MagneticSource);
    ASSERT_TRUE(se.has_value());
    EXPECT_TRUE(std::isfinite(*se));
}

// Inputs from which no reference can be formed give no value, never a fault.
struct AbsentRow {
    const char* name;
    std::function<std::optional<double>()> reference;
};
void PrintTo(const AbsentRow& row, std::ostream* os) {
    *os << row.name;
}

class ReferenceAbsent : public ::testing::TestWithParam<AbsentRow> {};

TEST_P(ReferenceAbsent, HasNoValue) {
    EXPECT_FALSE(GetParam().reference().has_value());
}

template <class Input>
std::function<std::optional<double>()> modelWith(Input in, SourceChoice source) {
    return [=] {
        return referenceSE(in, source);
    };
}

// clang-format off
const AbsentRow kAbsent[] = {
    {"no_source", modelWith(sheet(1, 0.1f, kCopper), std::nullopt)},
    {"no_material", modelWith(sheet(1, 0.1f, kNoChoice), FieldSource::PlaneWave)},
    {"zero_frequency", modelWith(sheet(0, 0.1f, kCopper), FieldSource::PlaneWave)},
    {"negative_thickness", modelWith(sheet(1, -0.1f, kCopper), FieldSource::PlaneWave)},
    {"magnetic_without_distance", modelWith(sheet(1, 0.1f, kCopper), FieldSource::MagneticSource)},
    {"electric_negative_distance", modelWith(sheet(1, 0.1f, kCopper, -3), FieldSource::ElectricSource)},
    {"double_second_sheet_unchosen", modelWith(DoubleLayerInput{.f = 1000, .l1 = 0.01f, .material1 = kCopper, .l2 = 0.01f, .r2 = 1, .material2 = kNoChoice}, FieldSource::PlaneWave)},
    {"double_negative_gap", modelWith(DoubleLayerInput{.f = 1000, .l1 = 0.01f, .material1 = kCopper, .l2 = 0.01f, .r2 = -1, .material2 = kCopper}, FieldSource::PlaneWave)},
    {"aperture", modelWith(ApertureInput{.shape = 0, .material = kCopper, .l = 0.5f, .f = 1000, .a = 1, .b = 1, .n = 0.25f, .w = 1}, FieldSource::PlaneWave)},
    {"box_flat", modelWith(EnclosureInput{.f = 1, .l = 0.1f, .a = 10, .b = 0, .h = 10, .material = kCopper}, FieldSource::MagneticSource)},
    {"box_wall_beyond_centre", modelWith(EnclosureInput{.f = 1, .l = 7, .a = 10, .b = 10, .h = 10, .material = kCopper}, FieldSource::ElectricSource)},
    {"box_plane_wave", modelWith(cube(1, kCopper), FieldSource::PlaneWave)},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Reference, ReferenceAbsent, ::testing::ValuesIn(kAbsent),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace shieldcalc
