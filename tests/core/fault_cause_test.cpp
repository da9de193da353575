// The plain causes the engine gives for faults: one case per cause, from
// inputs that fail as a user's would, and the faults it leaves unexplained.
#include "core/fault_cause.h"
#include "core/shielding.h"
#include "tests/common/worked_examples.h"

#include <gtest/gtest.h>

#include <functional>

namespace shieldcalc {
namespace {

using namespace examples;

struct CauseCaseRow {
    const char* name;
    // Runs the computation that must fail and returns the cause of its fault.
    std::function<std::optional<FaultCause>()> cause;
    std::optional<FaultCause> expected;
};
void PrintTo(const CauseCaseRow& row, std::ostream* os) {
    *os << row.name;
}

template <class Input, class Result>
std::function<std::optional<FaultCause>()> failing(Result (*compute)(const Input&, SourceChoice),
                                                   Input input, SourceChoice source) {
    return [=]() -> std::optional<FaultCause> {
        try {
            compute(input, source);
        } catch (const ArithmeticFault& fault) {
            return faultCause(fault, input, source);
        }
        ADD_FAILURE() << "the computation did not fail";
        return std::nullopt;
    };
}

template <class Input> Input with(Input input, const std::function<void(Input&)>& change) {
    change(input);
    return input;
}

// Inputs that compute, from the worked examples.
const SolidShieldInput kSolid = kSolidExamples[0].input;
const DoubleLayerInput kDouble = kDoubleLayerExamples[0].input;
const ApertureInput kRectHoles = kApertureExamples[0].input;  // rectangular, copper
const ApertureInput kRoundHoles = kApertureExamples[1].input; // circular, aluminium, r = 10
const EnclosureInput kBox = kEnclosureExamples[0].input;

FaultCause nothingChosen(std::string_view key) {
    return {CauseKind::NothingChosen, key};
}
FaultCause notPositive(std::string_view key, float value, CauseCase where = CauseCase::Always,
                       SourceChoice source = std::nullopt) {
    return {CauseKind::NotPositive, key, value, where, source};
}

// clang-format off
const CauseCaseRow kCauses[] = {
    {"solid_no_material", failing(solidShieldSE, with<SolidShieldInput>(kSolid, [](auto& in) { in.material = kNoChoice; }), kPlane), nothingChosen("material")},
    {"solid_zero_frequency", failing(solidShieldSE, with<SolidShieldInput>(kSolid, [](auto& in) { in.f = 0; }), kPlane), notPositive("f", 0)},
    {"solid_negative_frequency", failing(solidShieldSE, with<SolidShieldInput>(kSolid, [](auto& in) { in.f = -1; }), kElectric), notPositive("f", -1)},
    {"solid_magnetic_zero_distance", failing(solidShieldSE, with<SolidShieldInput>(kSolid, [](auto& in) { in.r = 0; }), kMagnetic), notPositive("r", 0, CauseCase::NearField, kMagnetic)},
    {"solid_electric_negative_distance", failing(solidShieldSE, with<SolidShieldInput>(kSolid, [](auto& in) { in.r = -2; }), kElectric), notPositive("r", -2, CauseCase::NearField, kElectric)},
    {"solid_magnetic_zero_thickness", failing(solidShieldSE, with<SolidShieldInput>(kSolid, [](auto& in) { in.l = 0; }), kMagnetic), notPositive("l", 0, CauseCase::MultipleReflection)},
    // 0 computes for a plane wave, so a negative thickness is told as such.
    {"solid_plane_negative_thickness", failing(solidShieldSE, with<SolidShieldInput>(kSolid, [](auto& in) { in.l = -0.1f; }), kPlane), FaultCause{CauseKind::Negative, "l", -0.1f}},
    {"solid_magnetic_negative_thickness", failing(solidShieldSE, with<SolidShieldInput>(kSolid, [](auto& in) { in.l = -0.1f; }), kMagnetic), notPositive("l", -0.1f, CauseCase::MultipleReflection)},
    {"double_no_first_material", failing(doubleLayerSE, with<DoubleLayerInput>(kDouble, [](auto& in) { in.material1 = kNoChoice; }), kPlane), nothingChosen("material1")},
    {"double_no_second_material", failing(doubleLayerSE, with<DoubleLayerInput>(kDouble, [](auto& in) { in.material2 = kNoChoice; }), kMagnetic), nothingChosen("material2")},
    {"double_zero_frequency", failing(doubleLayerSE, with<DoubleLayerInput>(kDouble, [](auto& in) { in.f = 0; }), kPlane), notPositive("f", 0)},
    {"double_electric_zero_r1", failing(doubleLayerSE, with<DoubleLayerInput>(kDouble, [](auto& in) { in.r1 = 0; }), kElectric), notPositive("r1", 0, CauseCase::NearField, kElectric)},
    {"double_magnetic_no_gap", failing(doubleLayerSE, with<DoubleLayerInput>(kDouble, [](auto& in) { in.r2 = 0; }), kMagnetic), notPositive("r2", 0, CauseCase::GapCorrection)},
    {"aperture_no_shape", failing(apertureSE, with<ApertureInput>(kRectHoles, [](auto& in) { in.shape = kNoChoice; }), kPlane), nothingChosen("shape")},
    {"aperture_no_material", failing(apertureSE, with<ApertureInput>(kRectHoles, [](auto& in) { in.material = kNoChoice; }), kPlane), nothingChosen("material")},
    {"aperture_zero_width", failing(apertureSE, with<ApertureInput>(kRectHoles, [](auto& in) { in.w = 0; }), kPlane), notPositive("w", 0)},
    {"aperture_negative_width", failing(apertureSE, with<ApertureInput>(kRectHoles, [](auto& in) { in.w = -1; }), kPlane), notPositive("w", -1)},
    {"aperture_zero_diameter", failing(apertureSE, with<ApertureInput>(kRoundHoles, [](auto& in) { in.D = 0; }), kMagnetic), notPositive("D", 0)},
    {"aperture_negative_depth", failing(apertureSE, with<ApertureInput>(kRoundHoles, [](auto& in) { in.l = -0.3f; }), kMagnetic), notPositive("l", -0.3f)},
    {"aperture_electric_zero_frequency", failing(apertureSE, with<ApertureInput>(kRectHoles, [](auto& in) { in.f = 0; }), kElectric), notPositive("f", 0)},
    {"aperture_plane_zero_frequency", failing(apertureSE, with<ApertureInput>(kRectHoles, [](auto& in) { in.f = 0; }), kPlane), notPositive("f", 0)},
    {"aperture_negative_frequency", failing(apertureSE, with<ApertureInput>(kRoundHoles, [](auto& in) { in.f = -100; }), kMagnetic), notPositive("f", -100)},
    {"aperture_magnetic_zero_distance", failing(apertureSE, with<ApertureInput>(kRoundHoles, [](auto& in) { in.r = 0; }), kMagnetic), notPositive("r", 0, CauseCase::NearField, kMagnetic)},
    {"aperture_zero_area", failing(apertureSE, with<ApertureInput>(kRectHoles, [](auto& in) { in.a = 0; }), kPlane), notPositive("a", 0)},
    {"aperture_negative_count", failing(apertureSE, with<ApertureInput>(kRectHoles, [](auto& in) { in.n = -1; }), kPlane), notPositive("n", -1)},
    {"aperture_zero_conductor_width", failing(apertureSE, with<ApertureInput>(kRectHoles, [](auto& in) { in.b = 0; }), kPlane), notPositive("b", 0)},
    {"enclosure_no_material", failing(enclosureSE, with<EnclosureInput>(kBox, [](auto& in) { in.material = kNoChoice; }), kMagnetic), nothingChosen("material")},
    {"enclosure_zero_frequency", failing(enclosureSE, with<EnclosureInput>(kBox, [](auto& in) { in.f = 0; }), kElectric), notPositive("f", 0)},
    {"enclosure_electric_zero_wall", failing(enclosureSE, with<EnclosureInput>(kBox, [](auto& in) { in.l = 0; }), kElectric), notPositive("l", 0, CauseCase::ElectricThinWall)},
    {"enclosure_electric_negative_wall", failing(enclosureSE, with<EnclosureInput>(kBox, [](auto& in) { in.l = -0.1f; }), kElectric), notPositive("l", -0.1f)},
    {"enclosure_flat_box", failing(enclosureSE, with<EnclosureInput>(kBox, [](auto& in) { in.h = 0; }), kMagnetic), notPositive("h", 0)},
    {"enclosure_negative_width", failing(enclosureSE, with<EnclosureInput>(kBox, [](auto& in) { in.b = -10; }), kMagnetic), notPositive("b", -10)},
    {"enclosure_wall_reaches_centre", failing(enclosureSE, with<EnclosureInput>(kBox, [](auto& in) { in.f = 1; in.l = 10; }), kMagnetic), FaultCause{CauseKind::WallReachesCentre, "l", 10}},
    {"enclosure_wall_far_beyond_skin_depth", failing(enclosureSE, with<EnclosureInput>(kBox, [](auto& in) { in.l = 10; }), kElectric), FaultCause{CauseKind::WallFarBeyondSkinDepth, "l", 10}},
    // Faults whose cause the inputs do not make plain: the quantity is named instead.
    {"solid_absorption_beyond_single_range", failing(solidShieldSE, with<SolidShieldInput>(kSolid, [](auto& in) { in.l = 3e38f; }), kPlane), std::nullopt},
};
// clang-format on

class Causes : public testing::TestWithParam<CauseCaseRow> {};

TEST_P(Causes, NameTheInputToCheck) {
    const CauseCaseRow& row = GetParam();
    const std::optional<FaultCause> cause = row.cause();
    ASSERT_EQ(cause.has_value(), row.expected.has_value());
    if (!cause) {
        return;
    }
    EXPECT_EQ(cause->kind, row.expected->kind);
    EXPECT_EQ(cause->input, row.expected->input);
    EXPECT_EQ(cause->value, row.expected->value);
    EXPECT_EQ(cause->where, row.expected->where);
    EXPECT_EQ(cause->source, row.expected->source);
}

INSTANTIATE_TEST_SUITE_P(Engine, Causes, testing::ValuesIn(kCauses),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace shieldcalc
