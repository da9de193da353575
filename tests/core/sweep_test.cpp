// Frequency sweeps: the grid, each point against the single computation to
// the bit, faulting points among good ones, and grids that cannot be formed.
#include "core/shielding.h"
#include "tests/common/worked_examples.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <span>

namespace shieldcalc {
namespace {

using namespace examples;

template <class Result> auto bits(Result value) {
    return std::bit_cast<std::conditional_t<sizeof(Result) == 8, std::uint64_t, std::uint32_t>>(
        value);
}

// Every point of a sweep around each worked example equals the single
// computation at its frequency, bit for bit, or faults as it does.
template <class Input, class Result>
void expectPointsAreSingleComputations(std::span<const Example<Input>> examples,
                                       Result (*compute)(const Input&, SourceChoice),
                                       Spacing spacing) {
    for (const Example<Input>& example : examples) {
        SCOPED_TRACE(std::string(example.name));
        const SweepGrid grid{example.input.f / 10, example.input.f * 10, 41, spacing};
        const auto points = sweep(example.input, example.source, grid);
        ASSERT_EQ(points.size(), 41u);
        for (const auto& point : points) {
            Input single = example.input;
            single.f = point.f;
            try {
                const Result se = compute(single, example.source);
                ASSERT_TRUE(point.se.has_value()) << point.f;
                EXPECT_EQ(bits(*point.se), bits(se)) << point.f;
                EXPECT_FALSE(point.fault.has_value());
            } catch (const ArithmeticFault& fault) {
                EXPECT_FALSE(point.se.has_value()) << point.f;
                ASSERT_TRUE(point.fault.has_value()) << point.f;
                EXPECT_EQ(point.fault->kind(), fault.kind());
                EXPECT_EQ(point.fault->quantity(), fault.quantity());
            }
            EXPECT_EQ(point.reference, referenceSE(single, example.source));
        }
    }
}

class SweepPoints : public ::testing::TestWithParam<Spacing> {};

TEST_P(SweepPoints, AreTheSingleComputationsToTheBit) {
    expectPointsAreSingleComputations<SolidShieldInput>(kSolidExamples, solidShieldSE, GetParam());
    expectPointsAreSingleComputations<DoubleLayerInput>(kDoubleLayerExamples, doubleLayerSE,
                                                        GetParam());
    expectPointsAreSingleComputations<ApertureInput>(kApertureExamples, apertureSE, GetParam());
    expectPointsAreSingleComputations<EnclosureInput>(kEnclosureExamples, enclosureSE, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Sweep, SweepPoints,
                         ::testing::Values(Spacing::Logarithmic, Spacing::Linear));

struct GridRow {
    const char* name;
    SweepGrid grid;
    double (*at)(double start, double stop, double fraction); // the exact grid
};
void PrintTo(const GridRow& row, std::ostream* os) {
    *os << row.name;
}

double logarithmic(double start, double stop, double fraction) {
    return start * std::pow(stop / start, fraction);
}
double linear(double start, double stop, double fraction) {
    return start + (stop - start) * fraction;
}

class SweepGrids : public ::testing::TestWithParam<GridRow> {};

// Each frequency is the grid's value rounded to single precision (within one
// unit in the last place of the rounding), the ends exactly as given.
TEST_P(SweepGrids, RunFromStartToStopInSinglePrecision) {
    const SweepGrid& grid = GetParam().grid;
    const std::vector<float> f = sweepFrequencies(grid);
    ASSERT_EQ(f.size(), std::size_t(grid.points));
    EXPECT_EQ(f.front(), grid.start);
    EXPECT_EQ(f.back(), grid.stop);
    for (std::size_t i = 0; i < f.size(); ++i) {
        const double exact = GetParam().at(grid.start, grid.stop, double(i) / (grid.points - 1));
        const auto rounded = static_cast<float>(exact);
        EXPECT_LE(std::fabs(f[i] - rounded), std::nextafter(rounded, INFINITY) - rounded) << i;
        if (i > 0) {
            EXPECT_GE(f[i], f[i - 1]) << i;
        }
    }
}

// clang-format off
const GridRow kGrids[] = {
    {"log_decades", {1, 1e6f, 61, Spacing::Logarithmic}, logarithmic},
    {"log_two_points", {0.5f, 2, 2, Spacing::Logarithmic}, logarithmic},
    {"log_narrow", {100, 100.001f, 5, Spacing::Logarithmic}, logarithmic},
    {"linear_through_zero", {-1, 1, 201, Spacing::Linear}, linear},
    {"linear_many", {0, 1000, 100000, Spacing::Linear}, linear},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Sweep, SweepGrids, ::testing::ValuesIn(kGrids),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadGridRow {
    const char* name;
    SweepGrid grid;
    SweepGridError::Reason reason;
};
void PrintTo(const BadGridRow& row, std::ostream* os) {
    *os << row.name;
}

class BadSweepGrids : public ::testing::TestWithParam<BadGridRow> {};

TEST_P(BadSweepGrids, AreRejectedBeforeAnyComputation) {
    try {
        sweep(kSolidExamples[0].input, kPlane, GetParam().grid);
        FAIL() << "no error";
    } catch (const SweepGridError& error) {
        EXPECT_EQ(error.reason(), GetParam().reason);
    }
}

// clang-format off
const BadGridRow kBadGrids[] = {
    {"start_equals_stop", {10, 10, 5, Spacing::Linear}, SweepGridError::Reason::StartNotBelowStop},
    {"start_above_stop", {10, 1, 5, Spacing::Logarithmic}, SweepGridError::Reason::StartNotBelowStop},
    {"one_point", {1, 10, 1, Spacing::Logarithmic}, SweepGridError::Reason::PointsOutOfRange},
    {"too_many_points", {1, 10, 100001, Spacing::Linear}, SweepGridError::Reason::PointsOutOfRange},
    {"log_from_zero", {0, 10, 5, Spacing::Logarithmic}, SweepGridError::Reason::StartNotPositive},
    {"log_from_below_zero", {-1, 10, 5, Spacing::Logarithmic}, SweepGridError::Reason::StartNotPositive},
    {"infinite_stop", {1, INFINITY, 5, Spacing::Logarithmic}, SweepGridError::Reason::NotFinite},
    {"nan_start", {NAN, 10, 5, Spacing::Linear}, SweepGridError::Reason::NotFinite},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Sweep, BadSweepGrids, ::testing::ValuesIn(kBadGrids),
                         [](const auto& info) { return std::string(info.param.name); });

// A 1 cm copper box wall: beyond about 21.9 MHz e^(l / skin depth) leaves the
// range of numbers. The sweep goes on through the band where it faults.
TEST(SweepFaults, ThickBoxWallFaultsAboveItsBandAndGoesOn) {
    const EnclosureInput box{.f = 0, .l = 1, .a = 10, .b = 10, .h = 10, .material = kCopper};
    const auto points = sweep(box, kMagnetic, {1000, 1e6f, 31, Spacing::Logarithmic});
    std::size_t faulted = 0;
    for (const auto& point : points) {
        SCOPED_TRACE(point.f);
        EXPECT_EQ(point.se.has_value(), point.f < 21000);
        EXPECT_NE(point.se.has_value(), point.fault.has_value());
        if (point.fault) {
            ++faulted;
            ASSERT_TRUE(point.cause.has_value());
            EXPECT_EQ(point.cause->kind, CauseKind::WallFarBeyondSkinDepth);
            // The reference model has no such limit.
            EXPECT_TRUE(point.reference.has_value());
        }
    }
    EXPECT_GT(faulted, 0u);
    EXPECT_LT(faulted, points.size());
}

TEST(SweepFaults, FrequenciesAtAndBelowZeroCarryTheirCause) {
    const auto points = sweep(kSolidExamples[0].input, kPlane, {-1, 1, 5, Spacing::Linear});
    ASSERT_EQ(points.size(), 5u);
    for (const auto& point : points) {
        SCOPED_TRACE(point.f);
        EXPECT_EQ(point.se.has_value(), point.f > 0);
        if (point.f <= 0) {
            ASSERT_TRUE(point.cause.has_value());
            EXPECT_EQ(point.cause->input, "f");
            EXPECT_FALSE(point.reference.has_value());
        }
    }
}

TEST(SweepParts, LeaveOutTheReferenceAndAdviceWhenNotAsked) {
    const auto points = sweep(kEnclosureExamples[0].input, kMagnetic, {1, 1000, 3},
                              {.reference = false, .advice = false});
    for (const auto& point : points) {
        EXPECT_TRUE(point.se.has_value());
        EXPECT_FALSE(point.reference.has_value());
        EXPECT_TRUE(point.advice.empty());
    }
    // With both, the box always carries its note on openings.
    for (const auto& point : sweep(kEnclosureExamples[0].input, kMagnetic, {1, 1000, 3})) {
        EXPECT_TRUE(point.reference.has_value() && !point.advice.empty());
    }
}

} // namespace
} // namespace shieldcalc
