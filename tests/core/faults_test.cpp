// Inputs that cannot be computed end in an ArithmeticFault that names what
// went wrong and where; no computation returns NaN or infinity.
#include "core/shielding.h"
#include "tests/common/worked_examples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace shieldcalc {
namespace {

using namespace examples;

struct FaultCase {
    const char* name;
    std::function<double()> compute;
    FaultKind kind;
    Quantity quantity;
    int sheet = 0;
};

std::string faultName(const testing::TestParamInfo<FaultCase>& info) {
    return info.param.name;
}

class Fault : public testing::TestWithParam<FaultCase> {};

TEST_P(Fault, IsRaisedWhereItHappens) {
    const FaultCase& c = GetParam();
    try {
        const double value = c.compute();
        FAIL() << "returned " << value;
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.kind(), c.kind) << fault.what();
        EXPECT_EQ(fault.quantity(), c.quantity) << fault.what();
        EXPECT_EQ(fault.sheet(), c.sheet) << fault.what();
    }
}

SolidShieldInput solid(float f, float l, float r, ListIndex material = kCopper) {
    return {.f = f, .l = l, .r = r, .material = material};
}
std::function<double()> solidCase(SolidShieldInput in, FieldSource source) {
    return [=] {
        return solidShieldSE(in, source);
    };
}

const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Solid, Fault,
    testing::Values(FaultCase{"no_material", solidCase(solid(1, 0.1f, 10, kNoChoice), kPlane),
                              FaultKind::ZeroByZero, Quantity::ReflectionLoss},
                    FaultCase{"zero_frequency_plane", solidCase(solid(0, 0.1f, 10), kPlane),
                              FaultKind::LogOfNonPositive, Quantity::ReflectionLoss},
                    FaultCase{"zero_frequency_magnetic", solidCase(solid(0, 0.1f, 10), kMagnetic),
                              FaultKind::DivisionByZero, Quantity::ReflectionLoss},
                    FaultCase{"zero_frequency_electric", solidCase(solid(0, 0.1f, 10), kElectric),
                              FaultKind::LogOfNonPositive, Quantity::ReflectionLoss},
                    FaultCase{"negative_frequency", solidCase(solid(-1, 0.1f, 10), kPlane),
                              FaultKind::SqrtOfNegative, Quantity::AbsorptionLoss},
                    FaultCase{"zero_distance_magnetic", solidCase(solid(1, 0.1f, 0), kMagnetic),
                              FaultKind::DivisionByZero, Quantity::ReflectionLoss},
                    FaultCase{"zero_distance_electric", solidCase(solid(1, 0.1f, 0), kElectric),
                              FaultKind::LogOfNonPositive, Quantity::ReflectionLoss},
                    FaultCase{"negative_distance_magnetic",
                              solidCase(solid(1, 0.1f, -10), kMagnetic),
                              FaultKind::LogOfNonPositive, Quantity::ReflectionLoss},
                    FaultCase{"zero_thickness_magnetic", solidCase(solid(1, 0, 10), kMagnetic),
                              FaultKind::LogOfNonPositive, Quantity::MultipleReflectionCorrection},
                    FaultCase{"absorption_beyond_single", solidCase(solid(1, 3e38f, 10), kPlane),
                              FaultKind::SingleRangeExceeded, Quantity::AbsorptionLoss},
                    FaultCase{"infinite_input", solidCase(solid(kInf, 0.1f, 10), kPlane),
                              FaultKind::NonFiniteInput, Quantity::Input},
                    FaultCase{"nan_input", solidCase(solid(1, kNaN, 10), kPlane),
                              FaultKind::NonFiniteInput, Quantity::Input}),
    faultName);

std::function<double()> doubleCase(DoubleLayerInput in, FieldSource source) {
    return [=] {
        return doubleLayerSE(in, source);
    };
}
const DoubleLayerInput kCopperPair{.f = 1000,
                                   .l1 = 0.1f,
                                   .r1 = 10,
                                   .material1 = kCopper,
                                   .l2 = 0.1f,
                                   .r2 = 5,
                                   .material2 = kCopper};
DoubleLayerInput with(DoubleLayerInput in, float DoubleLayerInput::*field, float value) {
    in.*field = value;
    return in;
}
DoubleLayerInput withMaterials(ListIndex first, ListIndex second) {
    DoubleLayerInput in = kCopperPair;
    in.material1 = first;
    in.material2 = second;
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    DoubleLayer, Fault,
    testing::Values(
        FaultCase{"no_first_material", doubleCase(withMaterials(kNoChoice, kCopper), kPlane),
                  FaultKind::ZeroByZero, Quantity::ReflectionLoss, 1},
        FaultCase{"no_second_material", doubleCase(withMaterials(kCopper, kNoChoice), kPlane),
                  FaultKind::ZeroByZero, Quantity::ReflectionLoss, 2},
        FaultCase{"zero_gap_magnetic",
                  doubleCase(with(kCopperPair, &DoubleLayerInput::r2, 0), kMagnetic),
                  FaultKind::LogOfNonPositive, Quantity::GapCorrection},
        FaultCase{"zero_first_distance_magnetic",
                  doubleCase(with(kCopperPair, &DoubleLayerInput::r1, 0), kMagnetic),
                  FaultKind::DivisionByZero, Quantity::ReflectionLoss, 1},
        FaultCase{"zero_first_distance_electric",
                  doubleCase(with(kCopperPair, &DoubleLayerInput::r1, 0), kElectric),
                  FaultKind::LogOfNonPositive, Quantity::ReflectionLoss, 1},
        FaultCase{"negative_second_distance_electric",
                  doubleCase(with(kCopperPair, &DoubleLayerInput::r2, -100), kElectric),
                  FaultKind::LogOfNonPositive, Quantity::ReflectionLoss, 2},
        FaultCase{"zero_frequency", doubleCase(with(kCopperPair, &DoubleLayerInput::f, 0), kPlane),
                  FaultKind::LogOfNonPositive, Quantity::ReflectionLoss, 1}),
    faultName);

std::function<double()> apertureCase(ApertureInput in, SourceChoice source) {
    return [=] {
        return apertureSE(in, source);
    };
}
// The rectangular plane-wave example, with one entry changed.
ApertureInput rect(float ApertureInput::*field = nullptr, float value = 0) {
    ApertureInput in = kApertureExamples[0].input;
    if (field)
        in.*field = value;
    return in;
}
ApertureInput circle(float ApertureInput::*field = nullptr, float value = 0) {
    ApertureInput in = kApertureExamples[1].input;
    if (field)
        in.*field = value;
    return in;
}
ApertureInput withShapeAndMaterial(ListIndex shape, ListIndex material) {
    ApertureInput in = rect();
    in.shape = shape;
    in.material = material;
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Aperture, Fault,
    testing::Values(
        FaultCase{"no_shape", apertureCase(withShapeAndMaterial(kNoChoice, kCopper), kPlane),
                  FaultKind::DivisionByZero, Quantity::CouplingCorrection},
        FaultCase{"zero_depth", apertureCase(rect(&ApertureInput::l, 0), kPlane),
                  FaultKind::DivisionByZero, Quantity::CouplingCorrection},
        FaultCase{"negative_depth", apertureCase(rect(&ApertureInput::l, -0.5f), kPlane),
                  FaultKind::LogOfNonPositive, Quantity::CouplingCorrection},
        FaultCase{"zero_width", apertureCase(rect(&ApertureInput::w, 0), kPlane),
                  FaultKind::DivisionByZero, Quantity::HoleAttenuation},
        FaultCase{"zero_diameter", apertureCase(circle(&ApertureInput::D, 0), kMagnetic),
                  FaultKind::DivisionByZero, Quantity::HoleAttenuation},
        FaultCase{"zero_distance_circular_magnetic",
                  apertureCase(circle(&ApertureInput::r, 0), kMagnetic), FaultKind::DivisionByZero,
                  Quantity::HoleRatio},
        FaultCase{"zero_distance_rectangular_magnetic",
                  apertureCase(rect(&ApertureInput::r, 0), kMagnetic), FaultKind::LogOfNonPositive,
                  Quantity::HoleReflection},
        FaultCase{"zero_frequency_plane", apertureCase(rect(&ApertureInput::f, 0), kPlane),
                  FaultKind::LogOfNonPositive, Quantity::HoleReflection},
        FaultCase{"no_source", apertureCase(rect(), std::nullopt), FaultKind::LogOfNonPositive,
                  Quantity::HoleReflection},
        FaultCase{"zero_hole_area", apertureCase(rect(&ApertureInput::a, 0), kPlane),
                  FaultKind::LogOfNonPositive, Quantity::HoleCountCorrection},
        FaultCase{"no_material", apertureCase(withShapeAndMaterial(kRect, kNoChoice), kPlane),
                  FaultKind::UndefinedPower, Quantity::ConductorWidthCorrection}),
    faultName);

std::function<double()> enclosureCase(EnclosureInput in, FieldSource source) {
    return [=] {
        return enclosureSE(in, source);
    };
}
EnclosureInput box(float f, float l, float a, float b, float h, ListIndex material = kCopper) {
    return {f, l, a, b, h, material};
}

INSTANTIATE_TEST_SUITE_P(
    Enclosure, Fault,
    testing::Values(
        FaultCase{"no_material", enclosureCase(box(1000, 0.1f, 10, 10, 10, kNoChoice), kMagnetic),
                  FaultKind::DivisionByZero, Quantity::SkinDepth},
        FaultCase{"zero_frequency", enclosureCase(box(0, 0.1f, 10, 10, 10), kElectric),
                  FaultKind::DivisionByZero, Quantity::SkinDepth},
        FaultCase{"negative_frequency", enclosureCase(box(-1, 0.1f, 10, 10, 10), kElectric),
                  FaultKind::SqrtOfNegative, Quantity::SkinDepth},
        FaultCase{"frequency_beyond_single", enclosureCase(box(3e38f, 0.1f, 10, 10, 10), kMagnetic),
                  FaultKind::SingleRangeExceeded, Quantity::FrequencyInHertz},
        FaultCase{"zero_length_magnetic", enclosureCase(box(1000, 0.1f, 0, 10, 10), kMagnetic),
                  FaultKind::DivisionByZero, Quantity::StaticFactor},
        FaultCase{"zero_height_electric", enclosureCase(box(1000, 0.1f, 10, 10, 0), kElectric),
                  FaultKind::LogOfNonPositive, Quantity::ShieldingEffectiveness},
        FaultCase{"negative_volume", enclosureCase(box(1000, 0.1f, -10, 10, 10), kMagnetic),
                  FaultKind::UndefinedPower, Quantity::EquivalentRadius},
        FaultCase{"zero_wall_electric", enclosureCase(box(1000, 0, 10, 10, 10), kElectric),
                  FaultKind::DivisionByZero, Quantity::ElectricTerm},
        FaultCase{"wall_thicker_than_radius", enclosureCase(box(1, 10, 10, 10, 10), kMagnetic),
                  FaultKind::LogOfNonPositive, Quantity::ShieldingEffectiveness},
        FaultCase{"very_thick_wall_magnetic",
                  enclosureCase(box(1000, 10, 100, 100, 100), kMagnetic), FaultKind::Overflow,
                  Quantity::ShieldingEffectiveness},
        FaultCase{"very_thick_wall_electric",
                  enclosureCase(box(1000, 10, 100, 100, 100), kElectric),
                  FaultKind::LogOfNonPositive, Quantity::ShieldingEffectiveness}),
    faultName);

TEST(FaultMessage, NamesTheFaultAndTheQuantity) {
    EXPECT_STREQ(ArithmeticFault(FaultKind::DivisionByZero, Quantity::ReflectionLoss).what(),
                 "division by zero in reflection loss");
    EXPECT_STREQ(ArithmeticFault(FaultKind::ZeroByZero, Quantity::ReflectionLoss, 2).what(),
                 "zero divided by zero in reflection loss of the second sheet");
}

TEST(ResultText, RefusesValuesThatAreNotFinite) {
    EXPECT_THROW(resultText(std::numeric_limits<double>::infinity()), ArithmeticFault);
    EXPECT_THROW(resultText(kNaN), ArithmeticFault);
}

} // namespace
} // namespace shieldcalc
