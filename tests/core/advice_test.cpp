// Validity advice: each code on both sides of its threshold, its numbers, and
// the cases where the handbook and the reference model part.
#include "core/advice.h"
#include "core/reference.h"
#include "core/shielding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace shieldcalc {
namespace {

const ListIndex kCopper = materialIndex("copper");

struct ThresholdRow {
    const char* name;
    std::function<std::vector<Advice>()> advice;
    AdviceCode code;
    bool expected; // whether the code is among the advice
};
void PrintTo(const ThresholdRow& row, std::ostream* os) {
    *os << row.name;
}

template <class Input>
std::function<std::vector<Advice>()> adviceOn(Input in, SourceChoice source, Results results = {}) {
    return [=] {
        return validityAdvice(in, source, results);
    };
}

bool has(const std::vector<Advice>& advice, AdviceCode code) {
    return std::ranges::find(advice, code, &Advice::code) != advice.end();
}

SolidShieldInput sheet(float fMHz, float lCm, float rCm = 0, MaterialChoice material = kCopper) {
    return {.f = fMHz, .l = lCm, .r = rCm, .material = material};
}

ApertureInput holes(HoleShape shape, float fKHz, float sizeCm) {
    const bool circular = shape == HoleShape::CircularHole;
    return {.shape = static_cast<ListIndex>(shape),
            .material = kCopper,
            .l = 0.5f,
            .f = fKHz,
            .D = circular ? sizeCm : 0,
            .r = 0,
            .a = 1,
            .b = 1,
            .n = 0.25f,
            .w = circular ? 0 : sizeCm};
}

const EnclosureInput kBox{.f = 1, .l = 0.1f, .a = 10, .b = 10, .h = 10, .material = kCopper};

class AdviceThresholds : public ::testing::TestWithParam<ThresholdRow> {};

TEST_P(AdviceThresholds, TriggerOnlyBeyondTheirLimit) {
    const std::vector<Advice> advice = GetParam().advice();
    EXPECT_EQ(has(advice, GetParam().code), GetParam().expected);
}

// A 1 mm copper box wall at 1 kHz absorbs 4.2 dB, a 0.5 mm one 2.1 dB.
// At 1 MHz lambda / 2 pi is 4771 cm; at 1 GHz a quarter wavelength is
// 7.49 cm and half the cut-off of a round hole is passed at D = 8.785 cm.
// clang-format off
const ThresholdRow kThresholds[] = {
    {"negative_se", adviceOn(sheet(1, 0.1f), FieldSource::PlaneWave, {-0.01, {}}), AdviceCode::NegativeSE, true},
    {"zero_se", adviceOn(sheet(1, 0.1f), FieldSource::PlaneWave, {0.0, {}}), AdviceCode::NegativeSE, false},
    {"reference_7_dB_apart", adviceOn(sheet(1, 0.1f), FieldSource::PlaneWave, {100.0, 107.0}), AdviceCode::ReferenceDiffers, true},
    {"reference_6_dB_below", adviceOn(sheet(1, 0.1f), FieldSource::PlaneWave, {100.0, 94.0}), AdviceCode::ReferenceDiffers, false},
    {"reference_absent", adviceOn(sheet(1, 0.1f), FieldSource::PlaneWave, {100.0, {}}), AdviceCode::ReferenceDiffers, false},
    {"magnetic_beyond_lambda_over_2pi", adviceOn(sheet(1, 0.1f, 4800), FieldSource::MagneticSource), AdviceCode::FarFromSource, true},
    {"magnetic_within_lambda_over_2pi", adviceOn(sheet(1, 0.1f, 4700), FieldSource::MagneticSource), AdviceCode::FarFromSource, false},
    {"electric_double_beyond", adviceOn(DoubleLayerInput{.f = 1000, .l1 = 0.1f, .r1 = 4800, .material1 = kCopper, .l2 = 0.1f, .r2 = 1, .material2 = kCopper}, FieldSource::ElectricSource), AdviceCode::FarFromSource, true},
    {"plane_wave_far_away", adviceOn(sheet(1, 0.1f, 4800), FieldSource::PlaneWave), AdviceCode::FarFromSource, false},
    {"magnetic_2_6_dB_absorption", adviceOn(sheet(1, 0.002f, 10), FieldSource::MagneticSource), AdviceCode::LowAbsorption, true},
    {"magnetic_3_9_dB_absorption", adviceOn(sheet(1, 0.003f, 10), FieldSource::MagneticSource), AdviceCode::LowAbsorption, false},
    {"electric_2_6_dB_absorption", adviceOn(sheet(1, 0.002f, 10), FieldSource::ElectricSource), AdviceCode::LowAbsorption, false},
    {"box_thin_wall_magnetic", adviceOn(EnclosureInput{.f = 1, .l = 0.05f, .a = 10, .b = 10, .h = 10, .material = kCopper}, FieldSource::MagneticSource), AdviceCode::LowAbsorption, true},
    {"rect_hole_quarter_wave", adviceOn(holes(HoleShape::RectangularHole, 1e6f, 7.5f), FieldSource::PlaneWave), AdviceCode::HoleNotSmall, true},
    {"rect_hole_below_quarter_wave", adviceOn(holes(HoleShape::RectangularHole, 1e6f, 7.4f), FieldSource::PlaneWave), AdviceCode::HoleNotSmall, false},
    {"round_hole_quarter_wave", adviceOn(holes(HoleShape::CircularHole, 1e6f, 8.7f), FieldSource::PlaneWave), AdviceCode::HoleNotSmall, true},
    {"round_hole_below_half_cutoff", adviceOn(holes(HoleShape::CircularHole, 1e6f, 8.7f), FieldSource::PlaneWave), AdviceCode::NearHoleCutoff, false},
    {"round_hole_above_half_cutoff", adviceOn(holes(HoleShape::CircularHole, 1e6f, 8.8f), FieldSource::PlaneWave), AdviceCode::NearHoleCutoff, true},
    {"rect_hole_above_half_cutoff", adviceOn(holes(HoleShape::RectangularHole, 1e6f, 7.5f), FieldSource::PlaneWave), AdviceCode::NearHoleCutoff, true},
    {"no_shape", adviceOn(ApertureInput{.shape = kNoChoice, .material = kCopper, .l = 0.5f, .f = 1e6f, .D = 9, .r = 0, .a = 1, .b = 1, .n = 0.25f, .w = 9}, FieldSource::PlaneWave), AdviceCode::NearHoleCutoff, false},
    {"se_above_120", adviceOn(sheet(1, 0.1f), FieldSource::PlaneWave, {120.01, {}}), AdviceCode::BeyondMeasurement, true},
    {"se_120", adviceOn(sheet(1, 0.1f), FieldSource::PlaneWave, {120.0, {}}), AdviceCode::BeyondMeasurement, false},
    {"only_reference_above_120", adviceOn(sheet(1, 0.1f), FieldSource::PlaneWave, {{}, 130.0}), AdviceCode::BeyondMeasurement, true},
    {"iron_sheet", adviceOn(sheet(1, 0.1f, 0, kIron), FieldSource::PlaneWave), AdviceCode::IronPermeabilityFixed, true},
    {"iron_second_sheet", adviceOn(DoubleLayerInput{.f = 1000, .l1 = 0.1f, .r1 = 0, .material1 = kCopper, .l2 = 0.1f, .r2 = 1, .material2 = kIron}, FieldSource::PlaneWave), AdviceCode::IronPermeabilityFixed, true},
    {"iron_like_custom_material", adviceOn(sheet(1, 0.1f, 0, Material{0.17f, 1000}), FieldSource::PlaneWave), AdviceCode::IronPermeabilityFixed, false},
    {"copper_sheet", adviceOn(sheet(1, 0.1f), FieldSource::PlaneWave), AdviceCode::IronPermeabilityFixed, false},
    {"round_holes_near_field", adviceOn(holes(HoleShape::CircularHole, 1e6f, 0.5f), FieldSource::MagneticSource), AdviceCode::HoleReferenceNearField, true},
    {"round_holes_plane_wave", adviceOn(holes(HoleShape::CircularHole, 1e6f, 0.5f), FieldSource::PlaneWave), AdviceCode::HoleReferenceNearField, false},
    {"square_holes", adviceOn(holes(HoleShape::RectangularHole, 1e6f, 1), FieldSource::PlaneWave), AdviceCode::HoleReferenceNotSquare, false},
    {"oblong_holes", adviceOn(holes(HoleShape::RectangularHole, 1e6f, 2), FieldSource::PlaneWave), AdviceCode::HoleReferenceNotSquare, true},
    {"round_holes_below_cutoff", adviceOn(holes(HoleShape::CircularHole, 1.99e6f, 8.8f), FieldSource::PlaneWave), AdviceCode::HoleReferenceAboveCutoff, false},
    {"round_holes_above_cutoff", adviceOn(holes(HoleShape::CircularHole, 2e6f, 8.8f), FieldSource::PlaneWave), AdviceCode::HoleReferenceAboveCutoff, true},
    {"closed_box", adviceOn(kBox, FieldSource::ElectricSource), AdviceCode::BoxOpeningsIgnored, true},
    {"sheet_is_no_box", adviceOn(sheet(1, 0.1f), FieldSource::PlaneWave), AdviceCode::BoxOpeningsIgnored, false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Advice, AdviceThresholds, ::testing::ValuesIn(kThresholds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AdviceItems, CarryTheirNumbersAndSeverity) {
    const std::vector<Advice> advice = validityAdvice(
        EnclosureInput{.f = 500, .l = 0.1f, .a = 10, .b = 10, .h = 10, .material = kIron},
        FieldSource::MagneticSource, {130.0, 121.5});
    ASSERT_EQ(advice.size(), 4u) << "reference, beyond measurement, iron, openings";
    EXPECT_EQ(advice[0],
              (Advice{AdviceCode::ReferenceDiffers, Severity::Warning, {130, 121.5, 8.5}}));
    EXPECT_EQ(advice[1], (Advice{AdviceCode::BeyondMeasurement, Severity::Note, {130}}));
    EXPECT_EQ(advice[2], (Advice{AdviceCode::IronPermeabilityFixed, Severity::Note, {700}}));
    EXPECT_EQ(advice[3], (Advice{AdviceCode::BoxOpeningsIgnored, Severity::Note, {}}));
}

// Round holes of 8.8 cm cut off at 1996.59 MHz; oblong ones name w^2 and a.
TEST(AdviceItems, HoleArrayNotesCarryTheirNumbers) {
    const std::vector<Advice> above =
        validityAdvice(holes(HoleShape::CircularHole, 2e6f, 8.8f), FieldSource::PlaneWave, {});
    ASSERT_FALSE(above.empty());
    EXPECT_EQ(above.back().code, AdviceCode::HoleReferenceAboveCutoff);
    EXPECT_EQ(above.back().severity, Severity::Note);
    EXPECT_EQ(above.back().values[0], 2e6);
    EXPECT_NEAR(above.back().values[1], 1996.59e3, 0.01e3);
    const std::vector<Advice> oblong =
        validityAdvice(holes(HoleShape::RectangularHole, 1e6f, 2), FieldSource::PlaneWave, {});
    ASSERT_FALSE(oblong.empty());
    EXPECT_EQ(oblong.back(), (Advice{AdviceCode::HoleReferenceNotSquare, Severity::Note, {2, 1}}));
}

TEST(AdviceItems, KeysAreDistinctAndNamedNumbersLeadTheList) {
    std::vector<std::string_view> keys;
    for (int c = 0; c <= static_cast<int>(AdviceCode::HoleReferenceAboveCutoff); ++c) {
        const AdviceInfo& info = adviceInfo(static_cast<AdviceCode>(c));
        EXPECT_EQ(info.code, static_cast<AdviceCode>(c));
        keys.push_back(info.key);
        // Names are not interleaved with gaps.
        const auto firstEmpty = std::ranges::find(info.valueNames, std::string_view());
        EXPECT_TRUE(std::all_of(firstEmpty, info.valueNames.end(), [](std::string_view name) {
            return name.empty();
        })) << info.key;
    }
    std::ranges::sort(keys);
    EXPECT_EQ(std::ranges::adjacent_find(keys), keys.end());
}

template <class Input, class Result>
std::vector<Advice> adviceOfBoth(Result (*compute)(const Input&, SourceChoice), const Input& in,
                                 FieldSource source) {
    return validityAdvice(in, source, {compute(in, source), referenceSE(in, source)});
}

// The thin copper foil at 100 MHz: handbook and reference agree; notes only.
TEST(HandbookAgainstReference, ThinFoilPlaneWaveHasNotesOnly) {
    const std::vector<Advice> advice =
        adviceOfBoth(solidShieldSE, sheet(100, 0.00508f), FieldSource::PlaneWave);
    ASSERT_FALSE(advice.empty());
    for (const Advice& item : advice)
        EXPECT_EQ(item.severity, Severity::Note) << adviceInfo(item.code).key;
}

// The gap term of two 10 um copper sheets 5 cm apart at 1 GHz.
TEST(HandbookAgainstReference, DoubleLayerGapTermDisagrees) {
    const DoubleLayerInput in{.f = 1e6f,
                              .l1 = 0.001f,
                              .r1 = 0,
                              .material1 = kCopper,
                              .l2 = 0.001f,
                              .r2 = 5,
                              .material2 = kCopper};
    EXPECT_NEAR(doubleLayerSE(in, FieldSource::PlaneWave), 1147.8, 0.1);
    EXPECT_NEAR(*referenceSE(in, FieldSource::PlaneWave), 244.2, 0.1);
    EXPECT_TRUE(
        has(adviceOfBoth(doubleLayerSE, in, FieldSource::PlaneWave), AdviceCode::ReferenceDiffers));
}

class BoxAgainstReference : public ::testing::TestWithParam<std::pair<ListIndex, FieldSource>> {};

// Eddy currents in a thin copper box, iron's magnetic shielding, the
// electric source: each more than 6 dB from the reference.
TEST_P(BoxAgainstReference, Disagrees) {
    EnclosureInput box = kBox;
    box.material = GetParam().first;
    EXPECT_TRUE(
        has(adviceOfBoth(enclosureSE, box, GetParam().second), AdviceCode::ReferenceDiffers));
}

INSTANTIATE_TEST_SUITE_P(Advice, BoxAgainstReference,
                         ::testing::Values(std::pair(kCopper, FieldSource::MagneticSource),
                                           std::pair(kIron, FieldSource::MagneticSource),
                                           std::pair(kCopper, FieldSource::ElectricSource)));

} // namespace
} // namespace shieldcalc
