// Intermediate quantities of the computations, to every digit given.
#include "core/checked.h"
#include "core/shielding.h"
#include "tests/common/worked_examples.h"

#include <gtest/gtest.h>

#include <cmath>

namespace shieldcalc {
namespace {

using examples::roundedLike;

const Material kCopperRow = kMaterialTable[0];

double hertz(float f, int scale) {
    return std::pow(10.0, scale) * f;
}

struct AbsorptionCase {
    const char* name;
    float f; // MHz
    float l;
    ListIndex material;
    const char* A;
};

TEST(AbsorptionLoss, MatchesWorkedValues) {
    const AbsorptionCase cases[] = {
        {"copper_1MHz", 1, 0.1f, examples::kCopper, "131"},
        {"copper_1kHz", 0.001f, 0.001f, examples::kCopper, "0.0414258"},
        {"aluminium", 0.01f, 0.01f, examples::kAluminium, "1.0231427"},
        {"iron_mu_1000", 0.4f, 0.05f, examples::kIron, "540.12683"},
        {"iron_mu_700", 0.5f, 0.05f, examples::kIron, "505.2424"},
    };
    for (const auto& c : cases) {
        const Material m = lookupMaterial(c.material, c.f, FrequencyUnit::MHz);
        EXPECT_EQ(roundedLike(absorptionLoss(c.l, hertz(c.f, 6), m), c.A), c.A) << c.name;
    }
}

TEST(MultipleReflectionCorrection, MatchesWorkedValuesForThinCopper) {
    const float f = 0.001f, l = 0.001f, r = 10;
    const double F = hertz(f, 6);
    const float A = absorptionLoss(l, F, kCopperRow);
    const float Zs = sheetImpedance(F, kCopperRow);
    const struct {
        FieldSource source;
        const char* B;
    } cases[] = {{FieldSource::PlaneWave, "-40.4515"}, {FieldSource::MagneticSource, "-40.2067"}};
    for (const auto& c : cases) {
        const float Zw = waveImpedance(c.source, f, r, FrequencyUnit::MHz);
        const double B = multipleReflectionCorrection(A, reflectionCoefficient(Zw, Zs).rho);
        EXPECT_EQ(roundedLike(B, c.B), c.B);
    }
}

TEST(ReflectionCoefficient, MagneticNearFieldOfCopperIsTotalReflection) {
    // K is about 2e-9, so rho is stored as exactly 1.
    const float Zs = sheetImpedance(hertz(1, 6), kCopperRow);
    const Reflection refl = reflectionCoefficient(
        waveImpedance(FieldSource::MagneticSource, 1, 10, FrequencyUnit::MHz), Zs);
    EXPECT_GT(refl.K, 1.5e-9f);
    EXPECT_LT(refl.K, 2.5e-9f);
    EXPECT_EQ(refl.rho, 1.0f);
}

// The solid shield adds B only while the stored A is below 10 dB.
TEST(SolidShield, MultipleReflectionAppliesOnlyBelowTenDecibels) {
    float l = 10.0f / 1310.0f; // copper at 1 MHz: A = 1310 l
    const double F = hertz(1, 6);
    while (absorptionLoss(l, F, kCopperRow) < 10)
        l = std::nextafter(l, 1.0f);
    ASSERT_EQ(absorptionLoss(l, F, kCopperRow), 10.0f);
    const float below = std::nextafter(l, 0.0f);
    ASSERT_LT(absorptionLoss(below, F, kCopperRow), 10.0f);

    for (FieldSource source : {FieldSource::PlaneWave, FieldSource::ElectricSource}) {
        const auto withoutB = [&](float thickness) {
            return reflectionLoss(source, F, 10, kCopperRow) +
                   absorptionLoss(thickness, F, kCopperRow);
        };
        EXPECT_EQ(solidShieldSE({.f = 1, .l = l, .r = 10, .material = examples::kCopper}, source),
                  withoutB(l));
        EXPECT_NE(
            solidShieldSE({.f = 1, .l = below, .r = 10, .material = examples::kCopper}, source),
            withoutB(below));
    }
}

TEST(SolidShield, DistanceDoesNotEnterThePlaneWave) {
    for (float r : {0.0f, 1.0f, 1000.0f})
        EXPECT_EQ(solidShieldSE({.f = 0.001f, .l = 0.001f, .r = r, .material = examples::kCopper},
                                FieldSource::PlaneWave),
                  solidShieldSE({.f = 0.001f, .l = 0.001f, .r = 10, .material = examples::kCopper},
                                FieldSource::PlaneWave));
}

TEST(DoubleLayer, ReflectionLossesAndGapTermOfTheCopperExample) {
    const double F = hertz(1000, 3);
    const double d = 0.1f + 10.0 + 5.0; // the second sheet's distance, 15.1 cm
    const struct {
        FieldSource source;
        const char* R1;
        const char* R2;
    } cases[] = {
        {FieldSource::PlaneWave, "108", "108"},
        {FieldSource::MagneticSource, "54.653568", "58.231186"},
        {FieldSource::ElectricSource, "162.09007", "158.51054"},
    };
    for (const auto& c : cases) {
        const auto R1 = static_cast<float>(reflectionLoss(c.source, F, 10, kCopperRow));
        const auto R2 = static_cast<float>(reflectionLoss(c.source, F, d, kCopperRow));
        EXPECT_EQ(roundedLike(R1, c.R1), c.R1);
        EXPECT_EQ(roundedLike(R2, c.R2), c.R2);
    }
    const float rho = reflectionCoefficient(377, sheetImpedance(F, kCopperRow)).rho;
    EXPECT_EQ(roundedLike(gapCorrection(1000, 5, rho, rho), "-13.563428"), "-13.563428");
}

TEST(DoubleLayer, FirstSheetDistanceDoesNotEnterThePlaneWave) {
    DoubleLayerInput in{.f = 1000,
                        .l1 = 0.1f,
                        .r1 = 10,
                        .material1 = examples::kCopper,
                        .l2 = 0.1f,
                        .r2 = 5,
                        .material2 = examples::kCopper};
    const float withR1 = doubleLayerSE(in, FieldSource::PlaneWave);
    in.r1 = 0;
    EXPECT_EQ(doubleLayerSE(in, FieldSource::PlaneWave), withR1);
}

struct ApertureTermsCase {
    const char* name;
    ApertureInput input;
    FieldSource source;
    const char *A, *k, *R, *B, *C1, *C2, *C3;
};

TEST(ApertureTerms, MatchWorkedTable) {
    using namespace examples;
    const ApertureTermsCase cases[] = {
        {"rectangular_plane_copper", kApertureExamples[0].input, kPlane, "13.65", "0.00667",
         "31.592", "-0.373", "6.021", "-0.0002", "0.747"},
        {"circular_magnetic_aluminium", kApertureExamples[1].input, kMagnetic, "19.2", "0.013587",
         "25.531", "0", "6.990", "-0.976", "0.188"},
        {"rectangular_electric_iron", kApertureExamples[2].input, kElectric, "18.2", "-0.0012566",
         "45.953", "0", "3.979", "-0.00003", "0.247"},
        {"circular_plane_brass", kApertureExamples[3].input, kPlane, "8.0", "0.000228", "60.804",
         "-1.497", "6.990", "-0.00001", "2.777"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ApertureTerms t = apertureTerms(c.input, c.source);
        EXPECT_EQ(roundedLike(t.A, c.A), c.A);
        EXPECT_EQ(roundedLike(t.k, c.k), c.k);
        EXPECT_EQ(roundedLike(t.R, c.R), c.R);
        EXPECT_EQ(roundedLike(t.B, c.B), c.B);
        EXPECT_EQ(roundedLike(t.C1, c.C1), c.C1);
        EXPECT_EQ(roundedLike(t.C2, c.C2), c.C2);
        EXPECT_EQ(roundedLike(t.C3, c.C3), c.C3);
        EXPECT_EQ(t.SE, t.A + t.R + t.B + t.C1 + t.C2 + t.C3);
    }
}

TEST(ApertureTerms, MultipleReflectionStopsAtFifteenDecibels) {
    // A circular hole has A = l * 32 / D: exactly 15 for l = 15, D = 32.
    ApertureInput in{.shape = examples::kCircle,
                     .material = examples::kCopper,
                     .l = 15,
                     .f = 1000,
                     .D = 32,
                     .a = 1,
                     .b = 1,
                     .n = 0.25f};
    ASSERT_EQ(apertureTerms(in, FieldSource::PlaneWave).A, 15.0);
    EXPECT_EQ(apertureTerms(in, FieldSource::PlaneWave).B, 0.0);
    in.D = std::nextafter(32.0f, 33.0f);
    ASSERT_LT(apertureTerms(in, FieldSource::PlaneWave).A, 15.0);
    EXPECT_NE(apertureTerms(in, FieldSource::PlaneWave).B, 0.0);
}

double couplingCorrection(double A) {
    return 20 * (std::log(coth(static_cast<float>(A / 8.686))) / std::log(10.0));
}

TEST(Coth, FollowsTheFourTermSeries) {
    EXPECT_EQ(roundedLike(couplingCorrection(1), "18.815"), "18.815");
    EXPECT_EQ(roundedLike(couplingCorrection(15), "0.545"), "0.545");
    EXPECT_EQ(roundedLike(couplingCorrection(100), "-5.118"), "-5.118");
    // The series crosses 1 (C3 = 0) near A = 23.96 dB and stays below it.
    EXPECT_GT(couplingCorrection(23.95), 0);
    EXPECT_LT(couplingCorrection(23.97), 0);
    EXPECT_NEAR(coth(0.5f), 1 / std::tanh(0.5), 1e-4);
}

struct EnclosureTermsCase {
    const char* name;
    EnclosureInput input;
    FieldSource source;
    const char* delta;
    const char* r0;
    bool thickWall;
    const char* P; // "" for the magnetic source
};

TEST(EnclosureTerms, MatchWorkedValues) {
    using namespace examples;
    const EnclosureTermsCase cases[] = {
        {"copper_thick",
         {.f = 1000, .l = 0.1f, .a = 10, .b = 10, .h = 10, .material = kCopper},
         kMagnetic,
         "0.00006604",
         "0.06203505",
         true,
         ""},
        {"copper_thin",
         {.f = 1, .l = 0.1f, .a = 10, .b = 10, .h = 10, .material = kCopper},
         kMagnetic,
         "0.002088368",
         "0.06203505",
         false,
         ""},
        {"iron",
         {.f = 1, .l = 0.1f, .a = 10, .b = 10, .h = 10, .material = examples::kIron},
         kMagnetic,
         "0.0001601705",
         "0.06203505",
         true,
         ""},
        {"aluminium",
         {.f = 100, .l = 0.05f, .a = 20, .b = 30, .h = 10, .material = kAluminium},
         kMagnetic,
         "",
         "0.1127252",
         true,
         ""},
        {"wall_equal_skin_depth",
         {.f = 1000, .l = 0.006604f, .a = 10, .b = 10, .h = 10, .material = kCopper},
         kElectric,
         "0.00006604",
         "0.06203505",
         false,
         ""},
        {"negative_result",
         {.f = 1000, .l = 0.00001f, .a = 100, .b = 100, .h = 100, .material = kCopper},
         kElectric,
         "0.00006604",
         "0.6203505",
         false,
         "17.93518"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const EnclosureTerms t = enclosureTerms(c.input, c.source);
        if (*c.delta) {
            EXPECT_EQ(roundedLike(t.delta, c.delta), c.delta);
        }
        EXPECT_EQ(roundedLike(t.r0, c.r0), c.r0);
        EXPECT_EQ(t.thickWall, c.thickWall);
        if (*c.P) {
            EXPECT_EQ(roundedLike(t.P, c.P), c.P);
        }
    }
}

TEST(EnclosureTerms, PlaneWaveIsNoEnclosureSource) {
    EXPECT_EQ(enclosureSE(
                  {.f = 1000, .l = 0.1f, .a = 10, .b = 10, .h = 10, .material = examples::kCopper},
                  FieldSource::PlaneWave),
              0.0f);
}

TEST(Constants, LnTenIsTheLibraryLogarithmOfTen) {
    EXPECT_EQ(checked::kLn10, std::log(10.0));
}

TEST(Constants, PowersOfTenAreTheGeneralPower) {
    volatile double ten = 10; // keeps the compiler from folding std::pow
    for (int n = checked::kMinTenPower; n <= checked::kMaxTenPower; ++n)
        EXPECT_EQ(checked::tenTo(n), std::pow(ten, n)) << n;
}

} // namespace
} // namespace shieldcalc
